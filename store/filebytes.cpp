#include "filebytes.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

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

namespace {
// What a file made now gets: everything the umask allows, as an ordinary
// create would (a temporary file starts readable by its owner only).
QFileDevice::Permissions defaultPermissions() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = 0666 & ~mask;
    QFileDevice::Permissions p;
    if (mode & S_IRUSR) p |= QFileDevice::ReadOwner | QFileDevice::ReadUser;
    if (mode & S_IWUSR) p |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    if (mode & S_IRGRP) p |= QFileDevice::ReadGroup;
    if (mode & S_IWGRP) p |= QFileDevice::WriteGroup;
    if (mode & S_IROTH) p |= QFileDevice::ReadOther;
    if (mode & S_IWOTH) p |= QFileDevice::WriteOther;
    return p;
}
} // namespace

Replacement::~Replacement() {
    // Not committed: the temporary file goes, the old file stays.
    if (file_.isOpen()) file_.close();
}

bool Replacement::open() {
    // A link is followed: the new version replaces the file it points to.
    const QFileInfo old(path_);
    if (old.exists()) path_ = old.canonicalFilePath();
    file_.setFileTemplate(path_ + QLatin1String(kTemporaryMark) + QStringLiteral("XXXXXX"));
    file_.setAutoRemove(true);
    failed_ = !file_.open();
    if (!failed_) file_.setPermissions(old.exists() ? old.permissions() : defaultPermissions());
    return !failed_;
}

void Replacement::flush() {
    // Each piece reaches the file (or fails) before the next is taken: a
    // full disk shows here, not after the rename.
    if (!failed_ && !buffer_.isEmpty() && (file_.write(buffer_) != buffer_.size() || !file_.flush())) failed_ = true;
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
    if (failed_ || !file_.isOpen()) return false;
    // On the disk before the name changes: a power cut after the rename must
    // find the new version whole, not an empty file.
    if (::fsync(file_.handle()) != 0) return false;
    const QString temporary = file_.fileName();
    file_.close();
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path_).constData()) != 0)
        return false;  // the temporary file is removed with this object
    file_.setAutoRemove(false);
    return true;
}

void removeStaleTemporaries(const QString& path) {
    const QFileInfo target(path);
    const QString prefix = target.fileName() + QLatin1String(kTemporaryMark);
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
