#include "storage/text_codec.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

const QByteArray Utf8Bom("\xEF\xBB\xBF", 3);

namespace {

constexpr char16_t ReplacementCharacter = 0xFFFD;

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

#ifdef Q_OS_WIN

constexpr UINT CodePage932 = 932;

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

QString DecodeAll(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    const std::optional<QString> text = DecodeValid(bytes.constData(), int(bytes.size()));
    return text ? *text : DecodeLeniently(bytes);
}

#else

class IconvConverter {
public:
    IconvConverter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~IconvConverter()
    {
        if (IsOpen())
            iconv_close(handle_);
    }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; returns errno of the stop (0 when done).
    int Convert(const char*& input, size_t& inputLeft, QByteArray& output)
    {
        char buffer[4096];
        while (inputLeft > 0) {
            char* out = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(handle_, const_cast<char**>(&input), &inputLeft, &out, &outLeft);
            const int error = errno;
            output.append(buffer, out - buffer);
            if (result == size_t(-1) && error != E2BIG)
                return error;
        }
        return 0;
    }

private:
    iconv_t handle_;
};

std::optional<QByteArray> EncodeStrictly(const QString& text)
{
    IconvConverter converter("CP932", "UTF-8");
    if (!converter.IsOpen())
        return std::nullopt;
    const QByteArray utf8 = text.toUtf8();
    const char* input = utf8.constData();
    size_t inputLeft = size_t(utf8.size());
    QByteArray bytes;
    if (converter.Convert(input, inputLeft, bytes) != 0)
        return std::nullopt;
    return bytes;
}

QString DecodeAll(const QByteArray& bytes)
{
    IconvConverter converter("UTF-8", "CP932");
    if (!converter.IsOpen())
        return QString(bytes.size(), QChar(ReplacementCharacter));
    const char* input = bytes.constData();
    size_t inputLeft = size_t(bytes.size());
    QByteArray utf8;
    while (inputLeft > 0) {
        if (converter.Convert(input, inputLeft, utf8) == 0)
            break;
        // An invalid or cut-off sequence: mark it and go on after its first byte.
        utf8.append("\xEF\xBF\xBD");
        ++input;
        --inputLeft;
    }
    return QString::fromUtf8(utf8);
}

#endif

} // namespace

std::optional<QByteArray> EncodeCp932(const QString& text)
{
    const QString wanted = ToMicrosoftForms(text);
    const std::optional<QByteArray> bytes = EncodeStrictly(wanted);
    // A converter may still substitute a look-alike (a yen sign as a
    // backslash); only an exact way back counts.
    if (!bytes || DecodeCp932(*bytes) != wanted)
        return std::nullopt;
    return bytes;
}

QString DecodeCp932(const QByteArray& bytes)
{
    return DecodeAll(bytes);
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
