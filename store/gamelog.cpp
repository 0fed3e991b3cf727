#include "gamelog.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>

#include "filebytes.h"

namespace talvern::store {

namespace {

constexpr char kCodecName[] = "windows-1251";

// Bytes 0x80..0xBF of the code page; 0xC0..0xFF are U+0410..U+044F in order.
// 0x98 has no character; it is kept as the C1 control of the same number.
constexpr std::array<char16_t, 64> kHighHalf{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char16_t tableChar(unsigned char b) {
    if (b < 0x80) return b;
    if (b >= 0xC0) return static_cast<char16_t>(0x0410 + (b - 0xC0));
    return kHighHalf[b - 0x80];
}

QString lineText(const QString& prefix, int value) { return prefix + QString::number(value); }

} // namespace

QByteArray encodeCp1251Table(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        char byte = '?';
        if (c < 0x80) {
            byte = static_cast<char>(c);
        } else if (c >= 0x0410 && c <= 0x044F) {
            byte = static_cast<char>(0xC0 + (c - 0x0410));
        } else {
            for (std::size_t i = 0; i < kHighHalf.size(); ++i)
                if (kHighHalf[i] == c) byte = static_cast<char>(0x80 + i);
        }
        out.append(byte);
    }
    return out;
}

QString decodeCp1251Table(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (const char b : bytes) out.append(QChar(tableChar(static_cast<unsigned char>(b))));
    return out;
}

QByteArray encodeCp1251(const QString& text) {
    QStringEncoder encoder(kCodecName);
    if (!encoder.isValid()) return encodeCp1251Table(text);
    QByteArray out = encoder.encode(text);
    if (encoder.hasError()) return encodeCp1251Table(text);
    return out;
}

QString decodeCp1251(const QByteArray& bytes) {
    QStringDecoder decoder(kCodecName);
    if (!decoder.isValid()) return decodeCp1251Table(bytes);
    return decoder.decode(bytes);
}

bool startsAfresh(int n) {
    return (n >= 50 && n <= 2500 && n % 50 == 0) || (n >= 3000 && n <= 10000 && n % 500 == 0);
}

QString logTimestamp(const QDateTime& t) {
    return t.toLocalTime().toString(QStringLiteral("dd.MM.yyyy, HH:mm:ss"));
}

QStringList openingLines(int runNumber, const QDateTime& switchedOn) {
    return {kLogRule, QStringLiteral("Talvern включен - ") + logTimestamp(switchedOn),
            lineText(QStringLiteral("Игра номер  "), runNumber)};
}

QStringList closingLines(int credits, int loaded, int taken, const QDateTime& switchedOff) {
    const bool ahead = credits - loaded > 0;
    return {lineText(QStringLiteral("Заряжено кредитов "), loaded),
            lineText(QStringLiteral("Снято кредитов "), taken),
            lineText(QStringLiteral("Вы выиграли "), ahead ? credits - loaded : 0),
            lineText(QStringLiteral("Вы проиграли "), ahead ? 0 : loaded - credits),
            QStringLiteral("Talvern выключен - ") + logTimestamp(switchedOff)};
}

void GameLog::open(int runNumber, const QDateTime& now) {
    earlier_.reset();
    earlierSize_ = 0;
    earlierEndsWithLineEnd_ = true;
    viewerTail_.clear();
    added_.clear();
    earlierUnreadable_ = false;
    auto f = std::make_unique<QFile>(path_);
    if (!startsAfresh(runNumber) && f->exists()) {
        if (f->open(QIODevice::ReadOnly)) {
            earlierSize_ = f->size();
            const qint64 from = std::max<qint64>(0, earlierSize_ - kViewerBytes);
            if (!f->seek(from)) earlierUnreadable_ = true;
            viewerTail_ = f->read(earlierSize_ - from);
            if (viewerTail_.size() != earlierSize_ - from) earlierUnreadable_ = true;
            if (from > 0) viewerTail_.remove(0, viewerTail_.indexOf('\n') + 1);
            earlierEndsWithLineEnd_ = earlierSize_ == 0 || viewerTail_.endsWith('\n');
            earlier_ = std::move(f);
        } else {
            earlierUnreadable_ = true;  // never overwrite a log we could not read
        }
    } else {
        added_.append(QString());  // a new log begins with an empty line
    }
    added_ += openingLines(runNumber, now);
    open_ = true;
}

QString GameLog::viewerText() const {
    QString earlier = decodeCp1251(viewerTail_);
    earlier.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!earlier.isEmpty() && !earlier.endsWith(u'\n')) earlier.append(u'\n');
    return earlier + added_.join(u'\n');
}

QByteArray GameLog::addedBytes() const {
    QByteArray out;
    // An earlier log cut off in the middle of a line still gets this run's
    // block on lines of its own.
    if (!earlierEndsWithLineEnd_) out.append("\r\n");
    for (const QString& line : added_) {
        out.append(encodeCp1251(line));
        out.append("\r\n");
    }
    return out;
}

QByteArray GameLog::bytes() const {
    QByteArray out;
    if (earlier_ && earlier_->seek(0)) out = earlier_->read(earlierSize_);
    return out + addedBytes();
}

bool GameLog::close(int credits, int loaded, int taken, const QDateTime& now) {
    if (!open_) return false;
    added_ += closingLines(credits, loaded, taken, now);
    open_ = false;
    const std::unique_ptr<QFile> earlier = std::move(earlier_);
    if (earlierUnreadable_) return false;
    files::Replacement out(path_);
    if (!out.open()) return false;
    if (earlier) out.copy(*earlier, 0, earlierSize_);
    out.append(addedBytes());
    return out.commit();
}

} // namespace talvern::store
