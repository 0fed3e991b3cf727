// Kills a running program at a chosen write of its files, for the tests of
// the real cabinet: it attaches to the program's main thread (where the
// store writes), numbers the system calls of that thread that change
// something in the given folders (opening a file there for writing, writing
// to or syncing such a file, linking, renaming or removing there) and sends
// SIGKILL on entering the chosen one, before the kernel carries it out.
//
//   talvern_rel_killat PID N FOLDER...   kill at change number N (from 0)
//   talvern_rel_killat PID -1 FOLDER...  count the changes to the end
//
// Prints "attached" once it watches, then "changes=C killed=0|1 call=NR".
// Exits 3 when ptrace is not permitted here.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

pid_t target = 0;
std::vector<std::string> folders;

bool inFolders(const std::string& path) {
    for (const std::string& f : folders)
        if (path.compare(0, f.size(), f) == 0 && (path.size() == f.size() || path[f.size()] == '/')) return true;
    return false;
}

std::string readLink(const std::string& link) {
    char buf[4096];
    const ssize_t n = readlink(link.c_str(), buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

std::string fdPath(unsigned long long fd) {
    return readLink("/proc/" + std::to_string(target) + "/fd/" + std::to_string(fd));
}

// A path argument, read from the program's memory, made absolute against
// its folder (dirfd) or its working folder.
std::string pathArg(unsigned long long address, long long dirfd = AT_FDCWD) {
    const int mem = open(("/proc/" + std::to_string(target) + "/mem").c_str(), O_RDONLY);
    if (mem < 0) return {};
    std::string out;
    char buf[256];
    for (off_t at = static_cast<off_t>(address); out.size() < 4096; at += sizeof buf) {
        const ssize_t n = pread(mem, buf, sizeof buf, at);
        if (n <= 0) break;
        const void* nul = std::memchr(buf, 0, static_cast<std::size_t>(n));
        out.append(buf, nul ? static_cast<const char*>(nul) - buf : n);
        if (nul) break;
    }
    close(mem);
    if (!out.empty() && out[0] != '/') {
        const std::string base = static_cast<int>(dirfd) == AT_FDCWD
                                     ? readLink("/proc/" + std::to_string(target) + "/cwd")
                                     : fdPath(static_cast<unsigned long long>(dirfd));
        out = base + "/" + out;
    }
    return out;
}

bool changes(const __ptrace_syscall_info& info) {
    const auto& a = info.entry.args;
    constexpr unsigned long long kWriting = O_WRONLY | O_RDWR | O_CREAT | O_TRUNC;
    switch (info.entry.nr) {
    case SYS_openat: return (a[2] & (kWriting | __O_TMPFILE)) && inFolders(pathArg(a[1], static_cast<long long>(a[0])));
    case SYS_open:
    case SYS_creat: return (info.entry.nr == SYS_creat || (a[1] & kWriting)) && inFolders(pathArg(a[0]));
    case SYS_write:
    case SYS_pwrite64:
    case SYS_writev:
    case SYS_pwritev:
    case SYS_fsync:
    case SYS_fdatasync:
    case SYS_ftruncate:
    case SYS_fchmod: return inFolders(fdPath(a[0]));
    case SYS_truncate:
    case SYS_unlink:
    case SYS_rmdir:
    case SYS_mkdir: return inFolders(pathArg(a[0]));
    case SYS_rename:
    case SYS_link: return inFolders(pathArg(a[0])) || inFolders(pathArg(a[1]));
    case SYS_unlinkat:
    case SYS_mkdirat: return inFolders(pathArg(a[1], static_cast<long long>(a[0])));
    case SYS_renameat:
    case SYS_renameat2:
    case SYS_linkat:
        return inFolders(pathArg(a[1], static_cast<long long>(a[0]))) ||
               inFolders(pathArg(a[3], static_cast<long long>(a[2])));
    default: return false;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s PID N FOLDER...\n", argv[0]);
        return 2;
    }
    target = static_cast<pid_t>(std::atoi(argv[1]));
    const long killAt = std::atol(argv[2]);
    for (int i = 3; i < argc; ++i) {
        char real[4096];
        folders.emplace_back(realpath(argv[i], real) ? real : argv[i]);
    }
    if (ptrace(PTRACE_SEIZE, target, nullptr, reinterpret_cast<void*>(PTRACE_O_TRACESYSGOOD)) != 0) {
        std::printf("ptrace not permitted: %s\n", std::strerror(errno));
        return 3;
    }
    ptrace(PTRACE_INTERRUPT, target, nullptr, nullptr);
    int status = 0;
    waitpid(target, &status, __WALL);
    std::printf("attached\n");
    std::fflush(stdout);

    long count = 0;
    bool killed = false;
    long call = -1;
    int deliver = 0;
    for (;;) {
        if (ptrace(PTRACE_SYSCALL, target, nullptr, reinterpret_cast<void*>(static_cast<long>(deliver))) != 0) break;
        deliver = 0;
        if (waitpid(target, &status, __WALL) < 0) break;
        if (WIFEXITED(status) || WIFSIGNALED(status)) break;
        if (!WIFSTOPPED(status)) continue;
        const int sig = WSTOPSIG(status);
        if (sig == (SIGTRAP | 0x80)) {
            __ptrace_syscall_info info{};
            if (ptrace(PTRACE_GET_SYSCALL_INFO, target, reinterpret_cast<void*>(sizeof info), &info) <= 0) continue;
            if (info.op != PTRACE_SYSCALL_INFO_ENTRY || !changes(info)) continue;
            if (count++ == killAt) {
                killed = true;
                call = static_cast<long>(info.entry.nr);
                kill(target, SIGKILL);
                waitpid(target, &status, __WALL);
                break;
            }
        } else if (status >> 16 == PTRACE_EVENT_STOP) {
            // a group stop or our interrupt: nothing to pass on
        } else if (sig != SIGTRAP) {
            deliver = sig;
        }
    }
    std::printf("changes=%ld killed=%d call=%ld\n", count, killed ? 1 : 0, call);
    return 0;
}
