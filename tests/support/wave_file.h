#pragma once
// WAV files for tests, made byte by byte so that any header, sane or not, can be written.
#include <QByteArray>
#include <QtGlobal>

// The fields of a WAV file's format chunk.
struct WaveFormatChunk {
    quint16 tag = 1, channels = 1;  // tag 1: plain PCM
    quint32 rate = 22050, byteRate = 44100;
    quint16 blockAlign = 2, bits = 16;
};

// Plain PCM, one channel, of that many bits (8 or 16) at that rate.
WaveFormatChunk MonoPcm(quint32 rate, quint16 bits);

// A RIFF/WAVE file: the format chunk, then a data chunk whose size field says `declared` and which
// holds `data`. 0xFFFFFFFF, as tools that stream audio write it, stands in the RIFF size too.
QByteArray WaveBytes(const WaveFormatChunk& format, const QByteArray& data, quint32 declared);
inline QByteArray WaveBytes(const WaveFormatChunk& format, const QByteArray& data) {
    return WaveBytes(format, data, quint32(data.size()));
}
