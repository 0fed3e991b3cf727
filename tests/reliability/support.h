#pragma once
// What the reliability tests share: files as bytes, running a helper program
// with its output kept, and running one under ptrace to kill it at a chosen
// system call.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace talvern::reliability {

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A deterministic stream of junk bytes (a linear congruential source, so the
// same seed gives the same file everywhere).
inline QByteArray junk(qsizetype size, std::uint32_t seed) {
    QByteArray out(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        seed = seed * 1664525u + 1013904223u;
        out[i] = static_cast<char>(seed >> 24);
    }
    return out;
}

struct Finished {
    bool ran = false;  // started and ended on its own
    int exitCode = -1;
    QByteArray out;
    // The "name=value" line of the output, or empty.
    QByteArray value(const QByteArray& name) const {
        for (const QByteArray& line : out.split('\n'))
            if (line.startsWith(name + '=')) return line.mid(name.size() + 1);
        return {};
    }
};

// Runs a helper to its end. The limit only stops a hung helper from hanging
// the suite; no result depends on it.
inline Finished runHelper(const QString& program, const QStringList& args, int hangLimitMs = 120000) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Finished f;
    if (!p.waitForStarted(hangLimitMs)) return f;
    if (!p.waitForFinished(hangLimitMs)) {
        p.kill();
        p.waitForFinished();
        return f;
    }
    f.ran = p.exitStatus() == QProcess::NormalExit;
    f.exitCode = p.exitCode();
    f.out = p.readAll();
    return f;
}

// A helper run under ptrace. It marks the start of the part that counts by
// raising SIGURG (ignored when nobody traces it); the system calls after the
// mark are numbered from 0. Up to the mark it runs untraced, at full speed.
struct Traced {
    bool permitted = true;      // false: this system does not allow ptrace
    bool markSeen = false;
    long callsAfterMark = 0;    // entered after the mark (up to the kill)
    bool killed = false;
    long killedCall = -1;       // the system call number it was killed on entering
    bool exitedNormally = false;
    int exitCode = -1;
};

// killAt < 0: runs to the end and counts. Otherwise SIGKILL on entering the
// killAt-th call after the mark, before the kernel carries it out.
Traced runTraced(const std::vector<std::string>& argv, long killAt);

} // namespace talvern::reliability
