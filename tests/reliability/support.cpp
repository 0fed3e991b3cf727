#include "support.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

namespace talvern::reliability {

Traced runTraced(const std::vector<std::string>& argv, long killAt) {
    Traced t;
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0) return t;
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        // In a sanitizer build: LeakSanitizer cannot work under ptrace.
        const char* asan = getenv("ASAN_OPTIONS");
        const std::string options = std::string(asan ? asan : "") + ":detect_leaks=0";
        setenv("ASAN_OPTIONS", options.c_str(), 1);
        if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) _exit(126);
        raise(SIGSTOP);  // the parent sets its options before the program starts
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) {
        t.permitted = WEXITSTATUS(status) != 126;
        return t;
    }
    ptrace(PTRACE_SETOPTIONS, pid, nullptr,
           reinterpret_cast<void*>(PTRACE_O_TRACESYSGOOD | PTRACE_O_TRACEEXEC | PTRACE_O_EXITKILL));
    int deliver = 0;
    for (;;) {
        const auto resume = t.markSeen ? PTRACE_SYSCALL : PTRACE_CONT;
        if (ptrace(resume, pid, nullptr, reinterpret_cast<void*>(static_cast<long>(deliver))) != 0) break;
        deliver = 0;
        if (waitpid(pid, &status, 0) < 0) break;
        if (WIFEXITED(status)) {
            t.exitedNormally = true;
            t.exitCode = WEXITSTATUS(status);
            return t;
        }
        if (WIFSIGNALED(status)) return t;
        if (!WIFSTOPPED(status)) continue;
        const int sig = WSTOPSIG(status);
        if (sig == (SIGTRAP | 0x80)) {
            __ptrace_syscall_info info{};
            if (ptrace(PTRACE_GET_SYSCALL_INFO, pid, reinterpret_cast<void*>(sizeof info), &info) <= 0) continue;
            if (info.op != PTRACE_SYSCALL_INFO_ENTRY) continue;
            if (t.callsAfterMark++ == killAt) {
                t.killed = true;
                t.killedCall = static_cast<long>(info.entry.nr);
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                return t;
            }
        } else if (sig == SIGURG && !t.markSeen) {
            t.markSeen = true;  // the mark, not passed on
        } else if (sig != SIGTRAP) {
            deliver = sig;  // the program's own signals go on to it
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return t;
}

} // namespace talvern::reliability
