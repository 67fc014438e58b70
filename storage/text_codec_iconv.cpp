// Code page 932 through the C library's iconv.
#include <cerrno>
#include <iconv.h>

#include "storage/text_codec_platform.h"

namespace {

constexpr char16_t ReplacementCharacter = 0xFFFD;

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

}  // namespace

namespace cp932 {

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


}  // namespace cp932
