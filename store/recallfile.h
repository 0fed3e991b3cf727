#pragma once
// "recall.jsonl" in the data folder: the last games, one JSON record a line
// (engine/recall.h), oldest first. A game is appended and synced the moment
// it is over, so a killed run loses at most the game it was playing; a line
// cut short by a kill, or damaged otherwise, is skipped when read and kept
// until it ages out. The file keeps the last kRecallKeep games: once it
// holds kRecallSlack lines more, the oldest are dropped by writing the rest
// to a new file that replaces the old one whole, never by cutting it in
// place.
#include <QString>

#include <vector>

#include "recall.h"

namespace talvern::store {

inline constexpr int kRecallKeep = 1000;
inline constexpr int kRecallSlack = 100;
inline constexpr qint64 kRecallLineMax = 64 * 1024;  // a longer line is not a record


class RecallFile {
public:
    explicit RecallFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // Start of the run: counts the lines and notes whether the last one was
    // ended (a kill inside an append leaves it open).
    void open();
    // One game at the end of the file, on the disk when this returns true.
    // False when it could not be written: the file then holds what it held.
    bool append(const recall::GameRecord& game);
    // An append has failed in this run.
    bool failed() const { return failed_; }
    int lines() const { return lines_; }

    struct Contents {
        std::vector<recall::GameRecord> games;  // oldest first
        int damaged = 0;                        // lines that are no record
        bool readable = true;                   // false: the file is there but cannot be read
    };
    // The last `last` records of a recall file (a missing file has none).
    static Contents read(const QString& path, int last = kRecallKeep);

private:
    bool dropOldest();
    QString path_;
    int lines_ = 0;
    bool ended_ = true;   // the file ends with a line end (or is empty)
    bool failed_ = false;
};

} // namespace talvern::store
