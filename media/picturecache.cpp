#include "picturecache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QRegularExpression>
#include <QSaveFile>
#include <QtGlobal>

#include <cstring>
#include <optional>

#include "artversion.h"  // TALVERN_ART_SOURCES_HASH: the art's sources, hashed at build time

namespace talvern::art {

namespace {

// A kept file: this header, then for each picture its own header, then the
// pixels of all of them, then a hash of everything before it.
constexpr char kMagic[8] = {'T', 'L', 'V', 'P', 'I', 'C', 'S', '1'};
struct FileHeader {
    char magic[8];
    quint32 count;
    quint32 reserved;
};
struct PictureHeader {
    quint32 width, height, bytesPerLine, format;
    double dpr;
};
constexpr quint32 kMaxPictures = 64;
constexpr quint32 kMaxSide = 16384;

QMutex g_guard;
QString g_folder;
bool g_cleared = false;
thread_local PictureSource g_last = PictureSource::Painted;

// FNV-1a over 64-bit words: enough to tell a damaged file, and quick.
class Hash {
public:
    void add(const void* data, qsizetype size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        qsizetype i = 0;
        for (; i + 8 <= size; i += 8) {
            quint64 w;
            std::memcpy(&w, bytes + i, 8);
            mix(w);
        }
        for (; i < size; ++i) mix(bytes[i]);
    }
    quint64 value() const { return h_; }

private:
    void mix(quint64 w) { h_ = (h_ ^ w) * 0x100000001b3ull; }
    quint64 h_ = 0xcbf29ce484222325ull;
};

bool storable(QImage::Format f) {
    return f == QImage::Format_ARGB32_Premultiplied || f == QImage::Format_ARGB32 || f == QImage::Format_RGB32;
}

QString fileName(const QString& name, qreal dpr) {
    return name + QStringLiteral("@") + QString::number(dpr, 'f', 4) + QStringLiteral(".pic");
}

std::optional<QList<QImage>> read(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    Hash hash;
    FileHeader head{};
    if (f.read(reinterpret_cast<char*>(&head), sizeof head) != sizeof head) return std::nullopt;
    if (std::memcmp(head.magic, kMagic, sizeof kMagic) != 0 || head.count == 0 || head.count > kMaxPictures)
        return std::nullopt;
    hash.add(&head, sizeof head);
    QList<PictureHeader> heads;
    qint64 total = 0;
    for (quint32 i = 0; i < head.count; ++i) {
        PictureHeader p{};
        if (f.read(reinterpret_cast<char*>(&p), sizeof p) != sizeof p) return std::nullopt;
        const auto format = static_cast<QImage::Format>(p.format);
        if (p.width == 0 || p.height == 0 || p.width > kMaxSide || p.height > kMaxSide || !storable(format) ||
            p.bytesPerLine != p.width * 4 || !(p.dpr > 0 && p.dpr < 64))
            return std::nullopt;
        hash.add(&p, sizeof p);
        heads << p;
        total += qint64(p.bytesPerLine) * p.height;
    }
    if (f.size() != f.pos() + total + qint64(sizeof(quint64))) return std::nullopt;
    QList<QImage> pictures;
    for (const PictureHeader& p : std::as_const(heads)) {
        QImage img(int(p.width), int(p.height), static_cast<QImage::Format>(p.format));
        if (img.isNull() || img.bytesPerLine() != qsizetype(p.bytesPerLine)) return std::nullopt;
        const qint64 size = img.sizeInBytes();
        if (f.read(reinterpret_cast<char*>(img.bits()), size) != size) return std::nullopt;
        hash.add(img.constBits(), size);
        img.setDevicePixelRatio(p.dpr);
        pictures << img;
    }
    quint64 stored = 0;
    if (f.read(reinterpret_cast<char*>(&stored), sizeof stored) != sizeof stored || stored != hash.value())
        return std::nullopt;
    return pictures;
}

void clearOtherVersions(const QString& folder, const QString& keep) {
    // Folders of this store only: sixteen hexadecimal digits.
    const QRegularExpression ours(QStringLiteral("^[0-9a-f]{16}$"));
    const QStringList dirs = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& d : dirs)
        if (d != keep && ours.match(d).hasMatch()) QDir(folder + u'/' + d).removeRecursively();
}

void write(const QString& path, const QList<QImage>& pictures) {
    Hash hash;
    FileHeader head{};
    std::memcpy(head.magic, kMagic, sizeof kMagic);
    head.count = quint32(pictures.size());
    QByteArray bytes(reinterpret_cast<const char*>(&head), sizeof head);
    for (const QImage& img : pictures) {
        const PictureHeader p{quint32(img.width()), quint32(img.height()), quint32(img.bytesPerLine()),
                              quint32(img.format()), img.devicePixelRatio()};
        bytes.append(reinterpret_cast<const char*>(&p), sizeof p);
    }
    hash.add(bytes.constData(), bytes.size());
    QSaveFile f(path);
    f.setDirectWriteFallback(false);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return;
    for (const QImage& img : pictures) {
        hash.add(img.constBits(), img.sizeInBytes());
        if (f.write(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()) != img.sizeInBytes()) return;
    }
    const quint64 sum = hash.value();
    if (f.write(reinterpret_cast<const char*>(&sum), sizeof sum) != sizeof sum) return;
    f.commit();  // a full disk or a folder that cannot be written: nothing kept
}

} // namespace

QString versionFolder() {
    const QMutexLocker lock(&g_guard);
    if (g_folder.isEmpty()) return {};
    // The sources of the art, and the Qt that rasterises it.
    const QByteArray key = QByteArrayLiteral(TALVERN_ART_SOURCES_HASH) + qVersion();
    const QString version =
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
    return g_folder + u'/' + version;
}

void setPictureFolder(const QString& folder) {
    const QMutexLocker lock(&g_guard);
    g_folder = folder;
    g_cleared = false;
}

QString pictureFolder() {
    const QMutexLocker lock(&g_guard);
    return g_folder;
}

PictureSource lastPictureSource() { return g_last; }

QList<QImage> keptPictures(const QString& name, qreal dpr, const std::function<QList<QImage>()>& paint) {
    const QString folder = versionFolder();
    const QString path = folder.isEmpty() ? QString() : folder + u'/' + fileName(name, dpr);
    if (!path.isEmpty()) {
        if (auto pictures = read(path)) {
            g_last = PictureSource::Read;
            return *pictures;
        }
    }
    g_last = PictureSource::Painted;
    QList<QImage> pictures = paint();
    if (path.isEmpty() || pictures.isEmpty() || qsizetype(pictures.size()) > qsizetype(kMaxPictures)) return pictures;
    for (const QImage& img : std::as_const(pictures))
        if (img.isNull() || !storable(img.format()) || img.bytesPerLine() != qsizetype(img.width()) * 4)
            return pictures;  // not of the kind kept: painted every time
    if (!QDir().mkpath(folder)) return pictures;
    {
        const QMutexLocker lock(&g_guard);
        if (!g_cleared) {
            g_cleared = true;
            clearOtherVersions(g_folder, folder.section(u'/', -1));
        }
    }
    write(path, pictures);
    return pictures;
}

QImage keptPicture(const QString& name, qreal dpr, const std::function<QImage()>& paint) {
    const QList<QImage> pictures = keptPictures(name, dpr, [&] {
        const QImage img = paint();
        return img.isNull() ? QList<QImage>{} : QList<QImage>{img};
    });
    return pictures.isEmpty() ? QImage() : pictures.constFirst();
}

} // namespace talvern::art
