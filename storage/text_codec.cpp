#include "storage/text_codec.h"

#include "storage/text_codec_platform.h"

const QByteArray Utf8Bom("\xEF\xBB\xBF", 3);

namespace {

// Characters that the JIS tables and Microsoft's code page 932 map to
// different code points for the same glyph. Text typed with the JIS form
// (common outside Windows) is stored with the Microsoft form.
QString ToMicrosoftForms(QString text)
{
    static constexpr char16_t pairs[][2] = {
        {0x301C, 0xFF5E}, // wave dash
        {0x2016, 0x2225}, // double vertical line
        {0x2212, 0xFF0D}, // minus sign
        {0x00A2, 0xFFE0}, // cent sign
        {0x00A3, 0xFFE1}, // pound sign
        {0x00AC, 0xFFE2}, // not sign
        {0x2014, 0x2015}, // em dash
    };
    for (const auto& pair : pairs)
        text.replace(QChar(pair[0]), QChar(pair[1]));
    return text;
}

} // namespace

std::optional<QByteArray> EncodeCp932(const QString& text)
{
    const QString wanted = ToMicrosoftForms(text);
    const std::optional<QByteArray> bytes = cp932::EncodeStrictly(wanted);
    // A converter may still substitute a look-alike (a yen sign as a
    // backslash); only an exact way back counts.
    if (!bytes || DecodeCp932(*bytes) != wanted)
        return std::nullopt;
    return bytes;
}

QString DecodeCp932(const QByteArray& bytes)
{
    return cp932::DecodeAll(bytes);
}

QByteArray EncodeCp932Replacing(const QString& text)
{
    if (const std::optional<QByteArray> whole = EncodeCp932(text))
        return *whole;
    static const QByteArray question = *EncodeCp932(QStringLiteral("？"));
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const std::optional<QByteArray> character = EncodeCp932(text.mid(i, width));
        bytes += character ? *character : question;
        i += width - 1;
    }
    return bytes;
}

bool IsCleanCp932(const QByteArray& bytes)
{
    const std::optional<QByteArray> again = EncodeCp932(DecodeCp932(bytes));
    return again && *again == bytes;
}

bool HasUtf8Bom(const QByteArray& bytes)
{
    return bytes.startsWith(Utf8Bom);
}

QByteArray EncodeForExchange(const QString& text)
{
    const std::optional<QByteArray> cp932 = EncodeCp932(text);
    return cp932 ? *cp932 : Utf8Bom + text.toUtf8();
}

QString DecodeExchanged(const QByteArray& bytes)
{
    return HasUtf8Bom(bytes) ? QString::fromUtf8(bytes.mid(Utf8Bom.size())) : DecodeCp932(bytes);
}
