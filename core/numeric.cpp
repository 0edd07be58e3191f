#include "core/numeric.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

double hexValue(const QString& text, qsizetype pos) {
    constexpr quint64 max = 0xFFFFFFFFu;
    quint64 value = 0;
    for (int digit; pos < text.size() && (digit = hexDigit(text[pos])) >= 0; ++pos)
        value = qMin(max, value * 16 + quint64(digit));
    return double(value);
}

// Reads digits, an optional point and an optional exponent from pos; the digits go to `number`.
// Returns the decimal position of the leading significant digit, for telling overflow from underflow.
qint64 scanDecimal(const QString& text, qsizetype pos, std::string& number) {
    qint64 leadDigits = 0, leadZeros = 0;
    bool significant = false, afterPoint = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c == u'.' && !afterPoint) {
            afterPoint = true;
        } else if (isDigit(c)) {
            significant = significant || c != u'0';
            if (!afterPoint && significant) ++leadDigits;
            if (afterPoint && !significant) ++leadZeros;
        } else {
            break;
        }
        number += char(c.unicode());
    }
    if (number.find_first_of("0123456789") == std::string::npos) {
        number.clear();
        return 0;
    }
    qint64 exponent = 0;
    if (pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
        qsizetype p = pos + 1;
        const bool negative = p < text.size() && text[p] == u'-';
        if (p < text.size() && (text[p] == u'-' || text[p] == u'+')) ++p;
        if (p < text.size() && isDigit(text[p])) {
            number += negative ? "e-" : "e";
            for (; p < text.size() && isDigit(text[p]); ++p) {
                number += char(text[p].unicode());
                exponent = qMin<qint64>(exponent * 10 + text[p].digitValue(), 1'000'000'000);
            }
            if (negative) exponent = -exponent;
        }
    }
    return (leadDigits > 0 ? leadDigits - 1 : -(leadZeros + 1)) + exponent;
}

}  // namespace

double Val(const QString& text) {
    qsizetype pos = 0;
    while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t')) ++pos;
    if (pos + 1 < text.size() && text[pos] == u'&' && (text[pos + 1] == u'h' || text[pos + 1] == u'H'))
        return hexValue(text, pos + 2);

    double sign = 1.0;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        if (text[pos] == u'-') sign = -1.0;
        ++pos;
    }
    std::string number;
    const qint64 magnitude = scanDecimal(text, pos, number);
    if (number.empty()) return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = magnitude > 0 ? std::numeric_limits<double>::max() : 0.0;
    else if (result.ec != std::errc())
        value = 0.0;
    return sign * value;
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) return below;
    if (fraction > 0.5) return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

namespace {
template <typename T>
T roundedInto(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = RoundHalfEven(value);
    if (rounded <= double(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    if (rounded >= double(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    return T(rounded);
}
}  // namespace

Integer ToInteger(double value) { return roundedInto<Integer>(value); }
Byte ToByte(double value) { return roundedInto<Byte>(value); }

QColor ColorFromNumber(quint32 bgr) {
    if (bgr & 0x80000000u) {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return QGuiApplication::palette().color(QPalette::Button);
        return QColor(Qt::lightGray);
    }
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QColor ColorFromText(const QString& text) {
    const double number = std::clamp(RoundHalfEven(Val(text)), -2147483648.0, 4294967295.0);
    const quint32 bits = number < 0 ? quint32(qint32(number)) : quint32(number);
    return ColorFromNumber(bits);
}
