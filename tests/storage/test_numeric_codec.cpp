#include "storage/numeric.h"
#include "storage/text_codec.h"

#include <QtTest>
#include <cfenv>
#include <cmath>
#include <limits>

namespace {
constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
}

class TestNumericCodec : public QObject {
    Q_OBJECT

private slots:
    void roundsHalfToEven()
    {
        const QList<std::pair<double, double>> cases = {
            {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {252.5, 252}, {0.5, 0}, {1.5, 2},
            {2.4999999999999996, 2}, {2.5000000000000004, 3}, {-0.4, 0}, {1e300, 1e300}};
        const int savedMode = std::fegetround();
        for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
            std::fesetround(mode);
            for (const auto& [value, expected] : cases) {
                const double rounded = RoundHalfEven(value);
                std::fesetround(savedMode);
                QCOMPARE(rounded, expected);
                std::fesetround(mode);
            }
        }
        std::fesetround(savedMode);
    }

    void convertsOnlyWithinRange()
    {
        QCOMPARE(ToInteger(32767.4), std::optional<qint16>(32767));
        QCOMPARE(ToInteger(32767.5), std::nullopt);
        QCOMPARE(ToInteger(-32768.5), std::optional<qint16>(-32768));
        QCOMPARE(ToInteger(-32769), std::nullopt);
        QCOMPARE(ToLong(2147483647.0), std::optional<qint32>(2147483647));
        QCOMPARE(ToLong(2147483647.5), std::nullopt);
        QCOMPARE(ToLong(-2147483648.5), std::optional<qint32>(-2147483647 - 1));
        for (const double bad : {Infinity, -Infinity, NotANumber}) {
            QCOMPARE(ToInteger(bad), std::nullopt);
            QCOMPARE(ToLong(bad), std::nullopt);
        }
    }

    void parsesDecimalText()
    {
        const QList<std::pair<QString, std::optional<qint16>>> integers = {
            {" 12 ", 12}, {"2.5", 2}, {"3.5", 4}, {"-0.5", 0}, {"+7", 7}, {".5", 0}, {"1e2", 100},
            {"32767", 32767}, {"-32768", -32768}, {"32768", std::nullopt}, {"", std::nullopt},
            {"  ", std::nullopt}, {"abc", std::nullopt}, {"12abc", std::nullopt}, {"0x10", std::nullopt},
            {"1 2", std::nullopt}, {"1,000", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt},
            {"1e999", std::nullopt}, {"-", std::nullopt}, {".", std::nullopt}};
        for (const auto& [text, expected] : integers) {
            if (ParseInteger(text) != expected)
                QFAIL(qPrintable("ParseInteger(\"" + text + "\")"));
        }
        QCOMPARE(ParseLong("32768"), std::optional<qint32>(32768));
        QCOMPARE(ParseLong("-2147483648"), std::optional<qint32>(-2147483647 - 1));
        QCOMPARE(ParseLong("2147483648"), std::nullopt);
        QCOMPARE(ParseLong("12abc"), std::nullopt);
    }

    void formatsOneDecimal()
    {
        QCOMPARE(FormatOneDecimal(66.66666), QString("66.7"));
        QCOMPARE(FormatOneDecimal(0), QString("0.0"));
        QCOMPARE(FormatOneDecimal(100), QString("100.0"));
        QCOMPARE(FormatOneDecimal(500.0 / 51.0), QString("9.8"));
        QCOMPARE(FormatOneDecimal(-500.0 / 51.0), QString("-9.8"));
        QCOMPARE(FormatOneDecimal(0.04), QString("0.0"));
    }

    void encodesCp932()
    {
        QCOMPARE(EncodeCp932("ななしの権兵衛"),
                 std::optional<QByteArray>("\x82\xC8\x82\xC8\x82\xB5\x82\xCC\x8C\xA0\x95\xBA\x89\x71"));
        QCOMPARE(EncodeCp932("〜−"), std::optional<QByteArray>("\x81\x60\x81\x7C"));
        QCOMPARE(EncodeCp932("～－Ω"), std::optional<QByteArray>("\x81\x60\x81\x7C\x83\xB6"));
        QCOMPARE(EncodeCp932("a\r\nb\n~\\"), std::optional<QByteArray>("a\r\nb\n~\\"));
        QCOMPARE(EncodeCp932(""), std::optional<QByteArray>(QByteArray()));
        for (const QString& unrepresentable : QStringList{"🐟", "魚🐟", "한글", "€", "¥"})
            QCOMPARE(EncodeCp932(unrepresentable), std::nullopt);
    }

    void decodesCp932()
    {
        const QString texts[] = {"ななしの権兵衛", "～－∥￢", "ｶﾀｶﾅ ⅰ ①", "line\r\nnext"};
        for (const QString& text : texts)
            QCOMPARE(DecodeCp932(EncodeCp932(text).value_or("?")), text);
        QCOMPARE(DecodeCp932("\x81\x60\x81\x7C"), QString("～－"));
        QCOMPARE(DecodeCp932("\x82\xC8\xFF\x41"), QString("な\uFFFDA"));
        QCOMPARE(DecodeCp932("\x81\x20" "b"), QString("\uFFFD b"));
        QCOMPARE(DecodeCp932("A\x82"), QString("A\uFFFD"));
    }

    void exchangeEncodingPicksCp932OrUtf8()
    {
        const QByteArray cp932 = EncodeForExchange("ななしの権兵衛");
        QVERIFY(!HasUtf8Bom(cp932));
        QCOMPARE(cp932, EncodeCp932("ななしの権兵衛").value());
        QCOMPARE(DecodeExchanged(cp932), QString("ななしの権兵衛"));

        const QString wide = "魚🐟한글";
        const QByteArray utf8 = EncodeForExchange(wide);
        QCOMPARE(utf8, Utf8Bom + wide.toUtf8());
        QVERIFY(HasUtf8Bom(utf8));
        QCOMPARE(DecodeExchanged(utf8), wide);

        QCOMPARE(DecodeExchanged(Utf8Bom), QString());
        QVERIFY(!HasUtf8Bom("\xEF\xBB"));
        QVERIFY(!HasUtf8Bom(QByteArray()));
    }
};

QTEST_GUILESS_MAIN(TestNumericCodec)
#include "test_numeric_codec.moc"
