#pragma once
// The game log "stat.log": a block of lines per run, in the Cyrillic 8-bit
// code page with CR LF line ends. What the file held before this run is
// kept as the bytes it was, whether or not they are valid text; only what
// the run adds is encoded. The file is rewritten once, at the end of the run,
// and atomically, so a failed write (or a killed run) leaves the earlier log
// as it was. The earlier log is never held in memory: the file is kept open
// for the run and copied across piece by piece, so a log of any length costs
// the same memory, and the viewer gets only its end.
#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>

#include <memory>

namespace talvern::store {

// Windows-1251, through Qt's codec where it exists and an own table where not.
QByteArray encodeCp1251(const QString& text);
QString decodeCp1251(const QByteArray& bytes);
// Only the table, for checking it against Qt's codec.
QByteArray encodeCp1251Table(const QString& text);
QString decodeCp1251Table(const QByteArray& bytes);

// Run numbers at which the log is started afresh.
bool startsAfresh(int runNumber);

// "dd.mm.yyyy, hh:nn:ss" in local time, 24-hour clock.
QString logTimestamp(const QDateTime& t);

inline const QString kLogRule = QString(38, u'*');

// The three lines a run adds at its start and the five at its end.
QStringList openingLines(int runNumber, const QDateTime& switchedOn);
QStringList closingLines(int countedCredits, int countedLoaded, int countedTaken, const QDateTime& switchedOff);

class GameLog {
public:
    explicit GameLog(QString path) : path_(std::move(path)) {}

    // Start of the run: starts afresh at the stated run numbers, takes the
    // earlier log and adds this run's opening lines (in memory). A fresh
    // start leaves the old file in place until the new one replaces it, so
    // a run that never ends keeps the earlier log.
    void open(int runNumber, const QDateTime& now);
    bool isOpen() const { return open_; }

    // What the history viewer shows: the earlier log's lines (its last
    // kViewerBytes, from the start of a line, when it is longer) and the
    // lines of this run so far.
    QString viewerText() const;
    static constexpr qint64 kViewerBytes = 256 * 1024;
    const QStringList& addedLines() const { return added_; }

    // End of the run: adds the closing lines and writes the whole log. False
    // when it could not be written; the earlier file is then untouched.
    bool close(int countedCredits, int countedLoaded, int countedTaken, const QDateTime& now);

    // The bytes close() writes (the earlier bytes, then this run's lines).
    QByteArray bytes() const;

private:
    QByteArray addedBytes() const;

    QString path_;
    std::unique_ptr<QFile> earlier_;  // open from the start of the run on: its bytes stay what they were
    qint64 earlierSize_ = 0;
    bool earlierEndsWithLineEnd_ = true;
    QByteArray viewerTail_;
    QStringList added_;
    bool open_ = false;
    bool earlierUnreadable_ = false;
};

} // namespace talvern::store
