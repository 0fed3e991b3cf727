#pragma once
// Writes a valid one-second Standard MIDI File: a piano playing C, E, G.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace talvern::media::test {

inline QByteArray tinyMidi()
{
    const QByteArray track = QByteArray::fromHex(
        "00ff510307a120"   // tempo: 120 beats a minute
        "00c000"           // piano
        "00903c64" "60803c40"
        "00904064" "60804040"
        "00904364" "8140804340"
        "00ff2f00");       // end of track
    QByteArray smf = QByteArray::fromHex("4d546864" "00000006" "0000" "0001" "0060"); // format 0, 1 track, 96 ticks
    smf += "MTrk";
    const auto n = static_cast<quint32>(track.size());
    smf += static_cast<char>(n >> 24);
    smf += static_cast<char>(n >> 16);
    smf += static_cast<char>(n >> 8);
    smf += static_cast<char>(n);
    smf += track;
    return smf;
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace talvern::media::test
