#pragma once
// Number conversions shared by the store, the model and the move file.

#include <QString>
#include <QtGlobal>
#include <optional>

// Nearest whole number, a half going to the even neighbour.
double RoundHalfEven(double value);

// Rounds half to even into 16 or 32 bits; out of range gives no value.
std::optional<qint16> ToInteger(double value);
std::optional<qint32> ToLong(double value);

// Decimal text (blanks around it allowed, a fraction rounds half to even)
// converted to 16 or 32 bits. Anything else, or a number out of range,
// gives no value.
std::optional<qint16> ParseInteger(const QString& text);
std::optional<qint32> ParseLong(const QString& text);

// "##0.0": at least one digit before the point, exactly one after it.
QString FormatOneDecimal(double value);
