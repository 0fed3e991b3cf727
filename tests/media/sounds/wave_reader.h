#pragma once
// A strict little reader for RIFF/WAVE PCM files, independent of the
// generator's writer so that a fault in one is not mirrored in the other.
#include <QByteArray>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace talvern::media::test {

struct Wave {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bits = 0;
    std::vector<std::int16_t> samples; // 16-bit data only
    double seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0.0; }
};

inline std::uint32_t le32(const QByteArray& b, qsizetype at)
{
    auto u = [&](qsizetype i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])); };
    return u(0) | (u(1) << 8) | (u(2) << 16) | (u(3) << 24);
}
inline std::uint16_t le16(const QByteArray& b, qsizetype at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8));
}

// Returns nothing, and says why in `error`, if the file is not a well-formed
// 16-bit PCM WAVE file whose sizes all agree.
inline std::optional<Wave> readWave(const QByteArray& b, std::string& error)
{
    if (b.size() < 44 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") return error = "no RIFF/WAVE header", std::nullopt;
    if (le32(b, 4) + 8 != static_cast<std::uint32_t>(b.size())) return error = "RIFF size does not match the file", std::nullopt;
    Wave w;
    bool haveFmt = false, haveData = false;
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const std::uint32_t size = le32(b, at + 4);
        const qsizetype body = at + 8;
        if (body + static_cast<qsizetype>(size) > b.size()) return error = "chunk runs past the end", std::nullopt;
        if (id == "fmt ") {
            if (size < 16) return error = "short fmt chunk", std::nullopt;
            w.format = le16(b, body);
            w.channels = le16(b, body + 2);
            w.rate = static_cast<int>(le32(b, body + 4));
            w.byteRate = static_cast<int>(le32(b, body + 8));
            w.blockAlign = le16(b, body + 12);
            w.bits = le16(b, body + 14);
            haveFmt = true;
        } else if (id == "data") {
            if (!haveFmt || w.bits != 16) return error = "data before fmt or not 16-bit", std::nullopt;
            if (size % 2) return error = "odd data size", std::nullopt;
            w.samples.resize(size / 2);
            for (std::uint32_t i = 0; i < size / 2; ++i)
                w.samples[i] = static_cast<std::int16_t>(le16(b, body + 2 * static_cast<qsizetype>(i)));
            haveData = true;
        }
        at = body + static_cast<qsizetype>(size) + (size & 1);
    }
    if (!haveFmt || !haveData) return error = "missing fmt or data chunk", std::nullopt;
    return w;
}

} // namespace talvern::media::test
