// Code page 932 through Windows's own conversions.
#include <qt_windows.h>

#include "storage/text_codec_platform.h"

namespace {

constexpr UINT CodePage932 = 932;
constexpr char16_t ReplacementCharacter = 0xFFFD;

// Empty when the bytes hold an invalid sequence.
std::optional<QString> DecodeValid(const char* bytes, int length)
{
    const int size = MultiByteToWideChar(CodePage932, MB_ERR_INVALID_CHARS, bytes, length, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(CodePage932, MB_ERR_INVALID_CHARS, bytes, length,
                        reinterpret_cast<wchar_t*>(text.data()), size);
    return text;
}

// Windows would turn a bad byte into a katakana middle dot; go character by
// character so that each bad byte becomes U+FFFD instead.
QString DecodeLeniently(const QByteArray& bytes)
{
    QString text;
    int position = 0;
    while (position < bytes.size()) {
        const bool lead = IsDBCSLeadByteEx(CodePage932, BYTE(bytes[position]));
        const int width = (lead && position + 1 < bytes.size()) ? 2 : 1;
        const std::optional<QString> character = DecodeValid(bytes.constData() + position, width);
        if (character) {
            text += *character;
            position += width;
        } else {
            text += QChar(ReplacementCharacter);
            position += 1;
        }
    }
    return text;
}

}  // namespace

namespace cp932 {

std::optional<QByteArray> EncodeStrictly(const QString& text)
{
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = int(text.size());
    BOOL usedDefaultChar = FALSE;
    const int size = WideCharToMultiByte(CodePage932, WC_NO_BEST_FIT_CHARS, wide, length,
                                         nullptr, 0, nullptr, &usedDefaultChar);
    if (size <= 0 || usedDefaultChar)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(CodePage932, WC_NO_BEST_FIT_CHARS, wide, length, bytes.data(), size,
                        nullptr, &usedDefaultChar);
    if (usedDefaultChar)
        return std::nullopt;
    return bytes;
}

QString DecodeAll(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    const std::optional<QString> text = DecodeValid(bytes.constData(), int(bytes.size()));
    return text ? *text : DecodeLeniently(bytes);
}


}  // namespace cp932
