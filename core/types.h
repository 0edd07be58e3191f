#pragma once
#include <QtGlobal>

// The value types of the shared state: Byte (8-bit unsigned), Integer
// (16-bit signed) and Boolean, a 16-bit truth value stored as -1 (True) or 0.
using Byte = quint8;
using Integer = qint16;

struct Boolean {
    qint16 value = 0;
    constexpr Boolean() = default;
    constexpr Boolean(bool truth) : value(truth ? -1 : 0) {}
    constexpr operator bool() const { return value == -1; }
};
static_assert(sizeof(Boolean) == 2);

// Scores are 16-bit. A sum that would leave the range stops at its end
// instead of wrapping round to the other sign.
constexpr Integer AddScores(int a, int b) {
    const int sum = a + b;
    return Integer(sum > 32767 ? 32767 : (sum < -32768 ? -32768 : sum));
}
