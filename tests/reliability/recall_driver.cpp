// Appends games to a recall file, for the test that kills it at every
// system call:  talvern_rel_recall FILE FIRST COUNT
// appends the games FIRST .. FIRST + COUNT - 1 (each names its number in
// its credits before) and prints "lines=N".
#include <QString>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "recallfile.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s FILE FIRST COUNT\n", argv[0]);
        return 2;
    }
    const int first = std::atoi(argv[2]);
    const int count = std::atoi(argv[3]);
    talvern::store::RecallFile file(QString::fromLocal8Bit(argv[1]));
    raise(SIGURG);  // the tracer counts from here
    file.open();
    for (int n = first; n < first + count; ++n) {
        talvern::recall::GameRecord g;
        g.time = "2026-12-08T10:00:00";
        g.creditsBefore = n;
        g.deal = {static_cast<std::uint32_t>(n), 0, 0, {1, 2, 3, 4, 5}};
        if (!file.append(g)) return 1;
    }
    std::printf("lines=%d\n", file.lines());
    return 0;
}
