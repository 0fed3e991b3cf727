#pragma once
// Small pixel measurements the cabinet tests share.
#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <functional>

namespace cabinet_test {

inline QImage argb(const QImage& img) { return img.convertToFormat(QImage::Format_ARGB32); }

// Pixels of `img` (device pixels) inside `area` for which `pick` holds.
inline int countIf(const QImage& source, const QRect& area, const std::function<bool(QRgb)>& pick)
{
    const QImage img = argb(source);
    const QRect r = area.intersected(img.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            n += pick(row[x]) ? 1 : 0;
    }
    return n;
}

inline int countIf(const QImage& img, const std::function<bool(QRgb)>& pick)
{
    return countIf(img, img.rect(), pick);
}

inline bool bright(QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}) > 200 && qAlpha(c) > 128; }

inline double meanSaturation(const QImage& source)
{
    const QImage img = argb(source);
    double sum = 0;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) < 250)
                continue;
            sum += QColor(c).hsvSaturationF();
            ++n;
        }
    return n ? sum / n : 0.0;
}

inline double meanLightness(const QImage& source)
{
    const QImage img = argb(source);
    double sum = 0;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) < 250)
                continue;
            sum += qGray(c);
            ++n;
        }
    return n ? sum / n : 0.0;
}

// Logical rect scaled to device pixels.
inline QRect device(const QRect& logical, qreal dpr)
{
    return QRect(qRound(logical.x() * dpr), qRound(logical.y() * dpr), qRound(logical.width() * dpr),
                 qRound(logical.height() * dpr));
}

} // namespace cabinet_test
