#include "support/wave_file.h"

#include <QtEndian>

WaveFormatChunk MonoPcm(quint32 rate, quint16 bits) {
    const quint16 frame = bits / 8;
    return {1, 1, rate, rate * frame, frame, bits};
}

QByteArray WaveBytes(const WaveFormatChunk& format, const QByteArray& data, quint32 declared) {
    QByteArray bytes;
    const auto put32 = [&bytes](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        bytes.append(b, 4);
    };
    const auto put16 = [&bytes](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        bytes.append(b, 2);
    };
    bytes.append("RIFF");
    put32(declared == 0xFFFFFFFF ? declared : 36 + declared);
    bytes.append("WAVEfmt ");
    put32(16);
    put16(format.tag);
    put16(format.channels);
    put32(format.rate);
    put32(format.byteRate);
    put16(format.blockAlign);
    put16(format.bits);
    bytes.append("data");
    put32(declared);
    return bytes + data;
}
