#include "recallfile.h"

#include <QFile>
#include <QFileInfo>

#include <deque>

#include <unistd.h>

#include "filebytes.h"

namespace talvern::store {


void RecallFile::open() {
    lines_ = 0;
    ended_ = true;
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly)) return;
    files::scanLines(f, [&](const files::Line& line) {
        ++lines_;
        ended_ = line.endLength > 0;
    });
}

bool RecallFile::append(const recall::GameRecord& game) {
    QByteArray bytes;
    // A line a killed run left open ends before this one starts, so the two
    // are not read as one damaged line.
    if (!ended_) bytes += '\n';
    bytes += QByteArray::fromStdString(recall::toJsonLine(game));
    bytes += '\n';

    QFile f(path_);
    const bool existed = f.exists();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        failed_ = true;
        return false;
    }
    const qint64 before = f.size();
    const bool written = f.write(bytes) == bytes.size() && ::fsync(f.handle()) == 0;
    if (!written) {
        // Whatever part of the line reached the disk goes again, and a file
        // this append made is not left behind empty.
        f.resize(before);
        f.close();
        if (!existed) QFile::remove(path_);
        failed_ = true;
        return false;
    }
    f.close();
    ended_ = true;
    ++lines_;
    if (lines_ > kRecallKeep + kRecallSlack) dropOldest();
    return true;
}

bool RecallFile::dropOldest() {
    QFile old(path_);
    if (!old.open(QIODevice::ReadOnly)) return false;
    const int drop = lines_ - kRecallKeep;
    qint64 from = -1;
    int seen = 0;
    if (!files::scanLines(old, [&](const files::Line& line) {
            if (seen++ == drop) from = line.offset;
        }))
        return false;
    if (from < 0) return false;
    files::Replacement next(path_);
    if (!next.open()) return false;
    next.copy(old, from, old.size() - from);
    // A file that cannot be rewritten now (a full disk) keeps its lines and
    // is tried again after the next game.
    if (!next.commit()) return false;
    lines_ = seen - drop;
    return true;
}

RecallFile::Contents RecallFile::read(const QString& path, int last) {
    Contents out;
    QFile f(path);
    if (!f.exists()) return out;
    if (!f.open(QIODevice::ReadOnly)) {
        out.readable = false;
        return out;
    }
    std::deque<recall::GameRecord> games;
    while (!f.atEnd()) {
        QByteArray line = f.readLine(kRecallLineMax + 1);
        if (line.isEmpty() && !f.atEnd()) {
            out.readable = false;
            break;
        }
        const bool ended = line.endsWith('\n');
        if (!ended && !f.atEnd()) {
            // Longer than any record: skip to its end.
            ++out.damaged;
            while (!f.atEnd() && !f.readLine(kRecallLineMax + 1).endsWith('\n')) {
            }
            continue;
        }
        while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
        if (line.isEmpty()) continue;
        if (auto game = recall::fromJsonLine(std::string_view(line.constData(), static_cast<std::size_t>(line.size())))) {
            games.push_back(std::move(*game));
            if (static_cast<int>(games.size()) > last) games.pop_front();
        } else {
            ++out.damaged;
        }
    }
    out.games.assign(std::make_move_iterator(games.begin()), std::make_move_iterator(games.end()));
    return out;
}

} // namespace talvern::store
