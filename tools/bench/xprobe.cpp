// A stopwatch on the X display, for the light-machine benchmark: it starts a
// program or clicks the display and measures, from outside the program, how
// long until a window is on the screen.
//
//   xprobe start PROGRAM [ARGS...]
//       runs PROGRAM and prints "pid P mapped MS painted MS cpu MS" when its
//       first top-level window is mapped and then drawn, cpu being the time
//       its main thread had run on a processor when it was mapped (the same
//       on a busy machine as on an idle one); PROGRAM keeps running.
//   xprobe click X Y window
//       clicks the display at X,Y and prints "mapped MS painted MS" for the
//       next top-level window that appears.
//   xprobe click X Y page RX RY RW RH
//       clicks and prints "shown MS" when the rectangle shows the
//       information page: its dark green with white letters on it.
//   xprobe click X Y
//       only clicks.
//   xprobe watch SECONDS
//       prints "repaints N area PIXELS" drawn on the screen in that time,
//       per second: what a program at rest repaints.
//
// Times are milliseconds from the exec or from the press of the button;
// "timeout" is printed (exit status 2) when nothing came within 20 s.
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTimeout = std::chrono::seconds(20);

// The time a thread has run on a processor, in ms (0 when unknown).
double cpuMs(pid_t pid) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/schedstat", static_cast<int>(pid));
    FILE* f = std::fopen(path, "r");
    if (!f) return 0;
    unsigned long long ns = 0;
    const int n = std::fscanf(f, "%llu", &ns);
    std::fclose(f);
    return n == 1 ? ns / 1e6 : 0;
}

double msSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool meets(int ox, int oy, int ow, int oh) const {
        return ox < x + w && x < ox + ow && oy < y + h && y < oy + oh;
    }
};

class Display {
public:
    Display() {
        c_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c_)) die("no X display");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c_, &xcb_damage_id);
        if (!damage || !damage->present) die("the display has no DAMAGE extension");
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(c_, xcb_damage_query_version(c_, 1, 1), nullptr));
        // Raw rectangles of everything drawn on the screen, children included.
        xcb_damage_create(c_, xcb_generate_id(c_), root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(c_);
    }
    ~Display() { xcb_disconnect(c_); }

    [[noreturn]] static void die(const char* what) {
        std::fprintf(stderr, "xprobe: %s\n", what);
        std::exit(1);
    }

    // The next event, or nullptr when the deadline passed.
    std::unique_ptr<xcb_generic_event_t, decltype(&free)> next(Clock::time_point deadline) {
        for (;;) {
            if (xcb_generic_event_t* e = xcb_poll_for_event(c_)) return {e, &free};
            if (xcb_connection_has_error(c_)) die("lost the X display");
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0) return {nullptr, &free};
            pollfd p{xcb_get_file_descriptor(c_), POLLIN, 0};
            poll(&p, 1, static_cast<int>(std::min<long long>(left, 50)));
        }
    }

    // Waits for a top-level window to be mapped, then for the first drawing
    // inside it. Returns false on timeout.
    bool waitWindow(Clock::time_point t0, double& mapped, double& painted, pid_t pid = 0, double* cpu = nullptr) {
        const auto deadline = t0 + kTimeout;
        Rect win;
        bool haveWindow = false;
        while (auto e = next(deadline)) {
            const int type = e->response_type & 0x7f;
            if (!haveWindow && type == XCB_MAP_NOTIFY) {
                auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e.get());
                if (m->event != root_ || m->override_redirect) continue;  // menus and tool tips
                mapped = msSince(t0);
                if (cpu) *cpu = cpuMs(pid);
                auto* g = xcb_get_geometry_reply(c_, xcb_get_geometry(c_, m->window), nullptr);
                if (!g) continue;
                win = {g->x, g->y, g->width, g->height};
                free(g);
                haveWindow = true;
            } else if (haveWindow && type == damageEvent_) {
                auto* d = reinterpret_cast<xcb_damage_notify_event_t*>(e.get());
                if (win.meets(d->area.x, d->area.y, d->area.width, d->area.height)) {
                    painted = msSince(t0);
                    return true;
                }
            }
        }
        return false;
    }

    // Whether the rectangle shows the information page: mostly its green
    // (0, 102, 0) with some white letters.
    bool showsPage(const Rect& r) {
        auto* img = xcb_get_image_reply(
            c_, xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, static_cast<int16_t>(r.x), static_cast<int16_t>(r.y),
                              static_cast<uint16_t>(r.w), static_cast<uint16_t>(r.h), ~0u),
            nullptr);
        if (!img) return false;
        const uint8_t* px = xcb_get_image_data(img);
        const int n = xcb_get_image_data_length(img) / 4;
        int green = 0, white = 0;
        for (int i = 0; i < n; ++i) {
            const int b = px[4 * i], g = px[4 * i + 1], red = px[4 * i + 2];
            if (red < 12 && b < 12 && g > 90 && g < 114) ++green;
            else if (red > 230 && g > 230 && b > 230) ++white;
        }
        free(img);
        return n > 0 && green * 10 > n * 3 && white * 1000 > n * 2;
    }

    bool waitPage(Clock::time_point t0, const Rect& r, double& shown) {
        const auto deadline = t0 + kTimeout;
        while (Clock::now() < deadline) {
            if (showsPage(r)) {
                shown = msSince(t0);
                return true;
            }
            while (auto e = next(Clock::now())) {}  // drain: the damage events are not needed here
            usleep(3000);
        }
        return false;
    }

    // Everything drawn on the screen for a while: events and pixels.
    void watch(double seconds, long long& events, long long& pixels) {
        // A new damage object reports the whole screen once: not a repaint.
        free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
        while (auto e = next(Clock::now())) {}
        const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                  std::chrono::duration<double>(seconds));
        while (auto e = next(deadline)) {
            if ((e->response_type & 0x7f) != damageEvent_) continue;
            auto* d = reinterpret_cast<xcb_damage_notify_event_t*>(e.get());
            ++events;
            pixels += static_cast<long long>(d->area.width) * d->area.height;
        }
    }

    // Moves the pointer there, then returns the moment of the press.
    Clock::time_point click(int x, int y) {
        xcb_test_fake_input(c_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_, static_cast<int16_t>(x),
                            static_cast<int16_t>(y), 0);
        free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));  // the move is done
        usleep(30000);  // a hover first, as a hand would
        while (auto e = next(Clock::now())) {}
        const auto t0 = Clock::now();
        xcb_test_fake_input(c_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(c_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(c_);
        return t0;
    }

private:
    xcb_connection_t* c_ = nullptr;
    xcb_window_t root_ = 0;
    int damageEvent_ = 0;
};

int usage() {
    std::fprintf(stderr,
                 "usage: xprobe start PROGRAM [ARGS...]\n"
                 "       xprobe click X Y [window | page RX RY RW RH]\n"
                 "       xprobe watch SECONDS\n");
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string what = argv[1];
    Display display;
    if (what == "start" && argc >= 3) {
        const auto t0 = Clock::now();
        const pid_t pid = fork();
        if (pid < 0) Display::die("fork failed");
        if (pid == 0) {
            setsid();  // the program outlives the probe
            dup2(2, 1);  // and does not hold the caller's pipe open
            execvp(argv[2], argv + 2);
            std::fprintf(stderr, "xprobe: cannot run %s: %s\n", argv[2], std::strerror(errno));
            _exit(127);
        }
        double mapped = 0, painted = 0, cpu = 0;
        if (!display.waitWindow(t0, mapped, painted, pid, &cpu)) {
            std::printf("pid %d timeout\n", pid);
            return 2;
        }
        std::printf("pid %d mapped %.1f painted %.1f cpu %.1f\n", pid, mapped, painted, cpu);
        return 0;
    }
    if (what == "watch" && argc == 3) {
        const double seconds = std::atof(argv[2]);
        if (!(seconds > 0)) return usage();
        long long events = 0, pixels = 0;
        display.watch(seconds, events, pixels);
        std::printf("repaints %.1f area %.0f\n", events / seconds, pixels / seconds);
        return 0;
    }
    if (what == "click" && argc >= 4) {
        const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
        const std::string then = argc >= 5 ? argv[4] : "";
        const auto t0 = display.click(x, y);
        if (then.empty()) return 0;
        if (then == "window") {
            double mapped = 0, painted = 0;
            if (!display.waitWindow(t0, mapped, painted)) {
                std::printf("timeout\n");
                return 2;
            }
            std::printf("mapped %.1f painted %.1f\n", mapped, painted);
            return 0;
        }
        if (then == "page" && argc >= 9) {
            const Rect r{std::atoi(argv[5]), std::atoi(argv[6]), std::atoi(argv[7]), std::atoi(argv[8])};
            double shown = 0;
            if (!display.waitPage(t0, r, shown)) {
                std::printf("timeout\n");
                return 2;
            }
            std::printf("shown %.1f\n", shown);
            return 0;
        }
    }
    return usage();
}
