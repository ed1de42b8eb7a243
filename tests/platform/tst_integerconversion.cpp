#include "platform/integerconversion.h"
#include "platform/runtimeerror.h"

#include <QTest>

#include <limits>

using namespace sorvex;

// The runtime's conversions to a 16-bit integer: nearest value with halves
// to even, error 13 for text that is no number and error 6 out of range.
class TestIntegerConversion : public QObject
{
    Q_OBJECT

private slots:
    void textToInt16_data();
    void textToInt16();
    void floatToInt16_data();
    void floatToInt16();
};

namespace {
constexpr int noError = 0;

template<typename Convert>
void checkConversion(Convert convert, int expectedValue, int expectedError)
{
    try {
        const qint16 value = convert();
        QCOMPARE(noError, expectedError);
        QCOMPARE(int(value), expectedValue);
    } catch (const RuntimeError &error) {
        QCOMPARE(int(error.number()), expectedError);
    }
}
} // namespace

void TestIntegerConversion::textToInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("error");
    const int typeMismatch = int(ErrorNumber::TypeMismatch);
    const int overflow = int(ErrorNumber::Overflow);
    QTest::newRow("plain") << QStringLiteral("100") << 100 << noError;
    QTest::newRow("blanks around") << QStringLiteral("  35 ") << 35 << noError;
    QTest::newRow("leading zeros") << QStringLiteral("00") << 0 << noError;
    QTest::newRow("sign") << QStringLiteral("-12") << -12 << noError;
    QTest::newRow("plus sign") << QStringLiteral("+7") << 7 << noError;
    QTest::newRow("half down to even") << QStringLiteral("2.5") << 2 << noError;
    QTest::newRow("half up to even") << QStringLiteral("3.5") << 4 << noError;
    QTest::newRow("negative half to even") << QStringLiteral("-0.5") << 0 << noError;
    QTest::newRow("below half") << QStringLiteral("0.4") << 0 << noError;
    QTest::newRow("above half") << QStringLiteral("1074.6") << 1075 << noError;
    QTest::newRow("fraction without integer part") << QStringLiteral(".5") << 0 << noError;
    QTest::newRow("exponent") << QStringLiteral("1e3") << 1000 << noError;
    QTest::newRow("full-width digits") << QStringLiteral("１０７５") << 1075 << noError;
    QTest::newRow("largest") << QStringLiteral("32767") << 32767 << noError;
    QTest::newRow("smallest") << QStringLiteral("-32768") << -32768 << noError;
    QTest::newRow("half below the top rounds to even top") << QStringLiteral("32766.5") << 32766 << noError;
    QTest::newRow("rounds past the top") << QStringLiteral("32767.5") << 0 << overflow;
    QTest::newRow("one past the top") << QStringLiteral("32768") << 0 << overflow;
    QTest::newRow("one past the bottom") << QStringLiteral("-32769") << 0 << overflow;
    QTest::newRow("beyond double") << QStringLiteral("1e400") << 0 << overflow;
    QTest::newRow("empty") << QString() << 0 << typeMismatch;
    QTest::newRow("blanks only") << QStringLiteral("   ") << 0 << typeMismatch;
    QTest::newRow("letters") << QStringLiteral("abc") << 0 << typeMismatch;
    QTest::newRow("number then letters") << QStringLiteral("12ms") << 0 << typeMismatch;
    QTest::newRow("two points") << QStringLiteral("1.2.3") << 0 << typeMismatch;
    QTest::newRow("sign alone") << QStringLiteral("-") << 0 << typeMismatch;
    QTest::newRow("inner blank") << QStringLiteral("1 0") << 0 << typeMismatch;
}

void TestIntegerConversion::textToInt16()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(int, error);
    checkConversion([&] { return sorvex::textToInt16(text); }, value, error);
}

void TestIntegerConversion::floatToInt16_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("error");
    const int overflow = int(ErrorNumber::Overflow);
    // Offsets the reels read back: (Top + 20280) / 975.
    QTest::newRow("reel position 0") << 0.0 << 0 << noError;
    QTest::newRow("reel position 21") << (195.0 + 20280.0) / 975.0 << 21 << noError;
    QTest::newRow("half to even down") << 0.5 << 0 << noError;
    QTest::newRow("half to even up") << 1.5 << 2 << noError;
    QTest::newRow("negative half") << -2.5 << -2 << noError;
    QTest::newRow("just below half") << 20.499999 << 20 << noError;
    QTest::newRow("top") << 32767.0 << 32767 << noError;
    QTest::newRow("bottom") << -32768.0 << -32768 << noError;
    QTest::newRow("bottom half rounds to even bottom") << -32768.5 << -32768 << noError;
    QTest::newRow("past the top") << 32767.5 << 0 << overflow;
    QTest::newRow("past the bottom") << -32769.0 << 0 << overflow;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 0 << overflow;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0 << overflow;
}

void TestIntegerConversion::floatToInt16()
{
    QFETCH(double, number);
    QFETCH(int, value);
    QFETCH(int, error);
    checkConversion([&] { return sorvex::floatToInt16(number); }, value, error);
}

QTEST_APPLESS_MAIN(TestIntegerConversion)
#include "tst_integerconversion.moc"
