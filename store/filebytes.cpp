#include "filebytes.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace talvern::store::files {

namespace {
constexpr qint64 kChunk = 64 * 1024;
} // namespace

bool scanLines(QIODevice& in, const std::function<void(const Line&)>& onLine) {
    QByteArray chunk(kChunk, Qt::Uninitialized);
    Line line;
    qint64 pos = in.pos();
    line.offset = pos;
    bool afterCR = false;
    auto finish = [&](qint64 next, int endLength) {
        line.endLength = endLength;
        onLine(line);
        line = Line{};
        line.offset = next;
    };
    auto take = [&](const char* p, qint64 n) {
        const qsizetype room = kHeadBytes - line.head.size();
        if (room > 0) line.head.append(p, static_cast<qsizetype>(std::min<qint64>(room, n)));
        line.length += n;
    };
    for (;;) {
        const qint64 n = in.read(chunk.data(), kChunk);
        if (n < 0) return false;
        if (n == 0) break;
        const char* const begin = chunk.constData();
        const char* p = begin;
        const char* const end = begin + n;
        while (p < end) {
            if (afterCR) {
                afterCR = false;
                if (*p == '\n') {
                    ++p;
                    finish(pos + (p - begin), 2);
                    continue;
                }
                finish(pos + (p - begin), 1);
            }
            // The nearer of the next LF and the next CR.
            const auto* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            const char* stop = lf ? lf : end;
            const auto* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(stop - p)));
            if (cr) stop = cr;
            take(p, stop - p);
            p = stop;
            if (p == end) break;
            ++p;
            if (*stop == '\n')
                finish(pos + (p - begin), 1);
            else
                afterCR = true;
        }
        pos += n;
    }
    if (afterCR)
        finish(pos, 1);
    else if (line.length > 0)
        finish(pos, 0);
    return true;
}

bool Replacement::open() {
    // Unbuffered: every write reaches the file (or fails) when it is made.
    failed_ = !file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return !failed_;
}

void Replacement::flush() {
    if (!failed_ && !buffer_.isEmpty() && file_.write(buffer_) != buffer_.size()) failed_ = true;
    buffer_.clear();
}

void Replacement::append(QByteArrayView bytes) {
    if (failed_) return;
    buffer_.append(bytes);
    if (buffer_.size() >= kChunk) flush();
}

void Replacement::copy(QIODevice& from, qint64 offset, qint64 length) {
    if (failed_) return;
    if (!from.seek(offset)) {
        failed_ = true;
        return;
    }
    QByteArray chunk(kChunk, Qt::Uninitialized);
    while (length > 0 && !failed_) {
        const qint64 n = from.read(chunk.data(), std::min(length, kChunk));
        // The old file ending early is as bad as a write that fails: what
        // would replace it would be missing some of it.
        if (n <= 0) {
            failed_ = true;
            return;
        }
        append(QByteArrayView(chunk.constData(), n));
        length -= n;
    }
}

bool Replacement::commit() {
    flush();
    if (failed_ || !file_.isOpen()) {
        if (file_.isOpen()) file_.cancelWriting();
        return false;
    }
    return file_.commit();
}

void removeStaleTemporaries(const QString& path) {
    const QFileInfo target(path);
    const QString prefix = target.fileName() + u'.';
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-600);
    const QFileInfoList candidates =
        QDir(target.absolutePath()).entryInfoList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& f : candidates) {
        const QString tail = f.fileName().mid(prefix.size());
        const bool temporaryName = std::all_of(tail.begin(), tail.end(), [](QChar c) {
            return c.unicode() < 0x80 && c.isLetterOrNumber();
        });
        if (temporaryName && f.lastModified().toUTC() < before) QFile::remove(f.absoluteFilePath());
    }
}

} // namespace talvern::store::files
