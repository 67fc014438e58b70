#pragma once
// Text files shared with Windows machines are in code page 932 (Japanese
// Windows). Text that code page cannot hold is kept as UTF-8 with a BOM.

#include <QByteArray>
#include <QString>
#include <optional>

// Windows code page 932 bytes, or no value when the text cannot be
// represented exactly.
std::optional<QByteArray> EncodeCp932(const QString& text);
QString DecodeCp932(const QByteArray& bytes);
// Code page 932, each character it cannot hold written as "？".
QByteArray EncodeCp932Replacing(const QString& text);
// True when the bytes are code page 932 that decodes and encodes back unchanged.
bool IsCleanCp932(const QByteArray& bytes);

extern const QByteArray Utf8Bom;

// CP932 when every character fits, otherwise UTF-8 with a BOM.
QByteArray EncodeForExchange(const QString& text);
// UTF-8 when the bytes start with a BOM (which is dropped), otherwise CP932.
QString DecodeExchanged(const QByteArray& bytes);
bool HasUtf8Bom(const QByteArray& bytes);
