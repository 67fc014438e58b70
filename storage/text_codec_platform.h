#pragma once
// The conversions each platform makes with its own tables.

#include <QByteArray>
#include <QString>
#include <optional>

namespace cp932 {

// No value when the text cannot be written in code page 932.
std::optional<QByteArray> EncodeStrictly(const QString& text);
// Each invalid or cut-off sequence becomes U+FFFD.
QString DecodeAll(const QByteArray& bytes);

}  // namespace cp932
