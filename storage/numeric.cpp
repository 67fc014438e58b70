#include "storage/numeric.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {

// Every double this large is already whole.
constexpr double FirstWithoutFraction = 4503599627370496.0; // 2^52

template <typename Int>
std::optional<Int> RoundIntoRange(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = RoundHalfEven(value);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(rounded);
}

std::optional<double> ParseDecimal(const QString& text)
{
    static const QRegularExpression decimal(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString trimmed = text.trimmed();
    if (!decimal.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

// Works on the magnitude with exact steps only, so the result does not
// depend on the current floating-point rounding mode.
double RoundHalfEven(double value)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude < FirstWithoutFraction))
        return value;
    double whole = std::floor(magnitude);
    const double fraction = magnitude - whole;
    const bool wholeIsOdd = std::fmod(whole, 2.0) != 0.0;
    if (fraction > 0.5 || (fraction == 0.5 && wholeIsOdd))
        whole += 1.0;
    return std::copysign(whole, value);
}

std::optional<qint16> ToInteger(double value)
{
    return RoundIntoRange<qint16>(value);
}

std::optional<qint32> ToLong(double value)
{
    return RoundIntoRange<qint32>(value);
}

std::optional<qint16> ParseInteger(const QString& text)
{
    const std::optional<double> value = ParseDecimal(text);
    return value ? ToInteger(*value) : std::nullopt;
}

std::optional<qint32> ParseLong(const QString& text)
{
    const std::optional<double> value = ParseDecimal(text);
    return value ? ToLong(*value) : std::nullopt;
}

QString FormatOneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}
