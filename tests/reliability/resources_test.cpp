// Time and memory with files far larger than the machine ever writes: a
// 100 MB game log and a settings file of 50 MB of junk. The store run is
// measured with /usr/bin/time; its memory must not grow with the files
// (the earlier log is copied piece by piece and never held), and the
// figures are printed for the record. Times are reported, not judged.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QTemporaryDir>

#include "support.h"

namespace talvern::reliability {
namespace {

const QString kDriver = QStringLiteral(TALVERN_REL_DRIVER);

struct Measured {
    bool ok = false;
    long peakKb = 0;
    double seconds = 0;
    Finished run;
};

Measured measure(const QString& conf, const QString& data) {
    Measured m;
    m.run = runHelper("/usr/bin/time", {"-v", kDriver, conf, data});
    m.ok = m.run.ran && m.run.exitCode == 0;
    for (const QByteArray& raw : m.run.out.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("Maximum resident set size (kbytes):")) m.peakKb = line.mid(line.indexOf(':') + 1).trimmed().toLong();
        if (line.startsWith("Elapsed (wall clock) time")) {
            // h:mm:ss or m:ss.ss
            const QList<QByteArray> parts = line.mid(line.lastIndexOf(' ') + 1).split(':');
            for (const QByteArray& p : parts) m.seconds = m.seconds * 60 + p.toDouble();
        }
    }
    return m;
}

TEST(Resources, AHundredMegabyteLogAndFiftyMegabytesOfJunkCostLittleMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "memory figures under AddressSanitizer are its own, not the store's";
#endif
    if (!QFileInfo::exists("/usr/bin/time")) GTEST_SKIP() << "no /usr/bin/time (Debian package time)";
    QTemporaryDir dir;
    const QString conf = dir.path() + "/config/Talvern.conf";
    const QString data = dir.path() + "/data";
    QDir().mkpath(data);

    const Measured empty = measure(conf, data);
    ASSERT_TRUE(empty.ok) << empty.run.out.constData();

    // 100 MB of earlier runs with LF-only lines, no-character bytes and a
    // torn last line; 50 MB of junk with the machine's values after it.
    QByteArray run = QByteArray(38, '*') + "\r\nTalvern \xe2\xea\xeb\xfe\xf7\xe5\xed - 01.02.2024, 10:00:00\r\n"
                                           "LF only\n\x98\x98\r\n" + QByteArray(160, 'x') + "\r\n";
    QByteArray log = "\r\n";
    log.reserve(100 * 1024 * 1024 + 4096);
    while (log.size() < 100 * 1024 * 1024) log += run;
    log += "torn";
    ASSERT_TRUE(writeBytes(data + "/stat.log", log));
    ASSERT_TRUE(writeBytes(conf, junk(50 * 1024 * 1024, 3) + "\n[vol]\nnum=41\nformat=777\n"));
    const qsizetype logSize = log.size();
    const QByteArray logHash = QCryptographicHash::hash(log, QCryptographicHash::Sha1);
    log.clear();
    log.squeeze();

    const Measured big = measure(conf, data);
    ASSERT_TRUE(big.ok) << big.run.out.constData();
    EXPECT_EQ(big.run.value("run"), "42");
    EXPECT_EQ(big.run.value("jackpot"), "777");
    EXPECT_EQ(big.run.value("problems"), "0");
    {
        // The earlier 100 MB byte for byte, then the torn line ended and
        // this run's eight lines.
        QFile after(data + "/stat.log");
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        QCryptographicHash hash(QCryptographicHash::Sha1);
        QByteArray piece;
        for (qint64 left = logSize; left > 0; left -= piece.size()) {
            piece = after.read(std::min<qint64>(left, 1 << 20));
            ASSERT_FALSE(piece.isEmpty());
            hash.addData(piece);
        }
        EXPECT_EQ(hash.result(), logHash);
        const QByteArray added = after.readAll();
        EXPECT_TRUE(added.startsWith("\r\n" + QByteArray(38, '*') + "\r\n"));
        EXPECT_EQ(added.count("\r\n"), 9);
        EXPECT_TRUE(added.endsWith("21:30:00\r\n"));
    }
    std::printf("[ figures  ] store run, empty files: %.2f s, peak %ld kB; 100 MB log + 50 MB junk settings: "
                "%.2f s, peak %ld kB\n",
                empty.seconds, empty.peakKb, big.seconds, big.peakKb);
    // The files are 150 MB; the run may take a few pieces of them at a time
    // and the viewer's end of the log, nothing in proportion to them.
    EXPECT_LT(big.peakKb - empty.peakKb, 16 * 1024) << "memory grows with the files";
}

} // namespace
} // namespace talvern::reliability
