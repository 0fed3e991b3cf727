#pragma once
// Files of any size, a piece at a time: the line scan the settings store
// reads with, and the checked, atomic replacement both of the machine's files
// are written with. Nothing here holds a whole file in memory.
#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QTemporaryFile>

#include <functional>

class QIODevice;

namespace talvern::store::files {

// A line sees at most this many of its bytes; no line the machine writes is
// longer.
inline constexpr qsizetype kHeadBytes = 256;

struct Line {
    qint64 offset = 0;   // where it starts in the file
    qint64 length = 0;   // its bytes, without the line end
    int endLength = 0;   // 1 (LF or a lone CR), 2 (CR LF) or 0 (the last line, unended)
    QByteArray head;     // its first kHeadBytes bytes
    bool whole() const { return head.size() == length; }
    qint64 end() const { return offset + length + endLength; }
};

// Calls onLine for every line from where the device stands to its end. False
// when a read fails.
bool scanLines(QIODevice& in, const std::function<void(const Line&)>& onLine);

// The mark in the name of every temporary file the machine writes beside one
// of its files: "stat.log.~talvern-Ab3xYz". Nobody names a file of their own
// like that, so a start-up may clear what a killed run left of them.
inline constexpr char kTemporaryMark[] = ".~talvern-";

// A new version of a file, written beside it under a marked temporary name
// and put in its place only once all of it is on disk (written, synced,
// then renamed over the old one). Writes are buffered here and each one's
// result is checked: a full disk or a size limit fails the commit and leaves
// the old file as it was.
class Replacement {
public:
    explicit Replacement(const QString& path) : path_(path) {}
    ~Replacement();
    // False when the temporary file cannot be made (no folder, no rights).
    bool open();
    void append(QByteArrayView bytes);
    // Bytes [offset, offset + length) of another file; it must have them all.
    void copy(QIODevice& from, qint64 offset, qint64 length);
    // False when anything failed; the old file is then untouched.
    bool commit();

private:
    void flush();
    QString path_;
    QTemporaryFile file_;
    QByteArray buffer_;
    bool failed_ = false;
};

// Removes what a run killed in the instant between naming its new version
// and renaming it left beside the file: "NAME.~talvern-XXXXXX" (six letters
// or digits) last written over ten minutes ago. A run that is writing holds
// such a name for microseconds only. Nothing else is touched: a player's own
// "stat.log.backup" stays.
void removeStaleTemporaries(const QString& path);

} // namespace talvern::store::files
