// The number rules on plain values: Val, display and Str, text conversion,
// rounding to whole numbers and the limits of arithmetic.
#include "framework/numbers/rules.h"

#include "tests/numbers/support.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace num;

namespace {

using testsupport::errorOf;
using testsupport::useLocale;

std::string_view view(const QByteArray& bytes) { return {bytes.constData(), size_t(bytes.size())}; }

QByteArray repeated(const char* piece, int times) { return QByteArray(piece).repeated(times); }

const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setLocale('.', ','); }

    void val_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("digits then letters") << QByteArray("12abc") << 12.0;
        QTest::newRow("no number") << QByteArray("abc") << 0.0;
        QTest::newRow("empty") << QByteArray("") << 0.0;
        QTest::newRow("blanks around sign") << QByteArray(" - 3") << -3.0;
        QTest::newRow("blank inside digits") << QByteArray("1 2") << 12.0;
        QTest::newRow("tab and line feed") << QByteArray("\t\n7\n.\t5") << 7.5;
        QTest::newRow("comma ends") << QByteArray("2,5") << 2.0;
        QTest::newRow("second point ends") << QByteArray("3.4.5") << 3.4;
        QTest::newRow("point first") << QByteArray(".5") << 0.5;
        QTest::newRow("exponent E") << QByteArray("1.5e3") << 1500.0;
        QTest::newRow("exponent D") << QByteArray("1D2") << 100.0;
        QTest::newRow("exponent without digits") << QByteArray("4E+x") << 4.0;
        QTest::newRow("double sign") << QByteArray("--3") << 0.0;
        QTest::newRow("hex") << QByteArray("&H10") << 16.0;
        QTest::newRow("hex FFFF is 16-bit") << QByteArray("&HFFFF") << -1.0;
        QTest::newRow("hex 10000 is 32-bit") << QByteArray("&h10000") << 65536.0;
        QTest::newRow("hex FFFFFFFF is 32-bit") << QByteArray("&HFFFFFFFF") << -1.0;
        QTest::newRow("hex beyond 32 bits saturates") << QByteArray("&H123456789") << 2147483647.0;
        QTest::newRow("octal") << QByteArray("&O17") << 15.0;
        QTest::newRow("octal stops at 8") << QByteArray("&O78") << 7.0;
        QTest::newRow("ampersand alone") << QByteArray("&X1") << 0.0;
        QTest::newRow("too large") << QByteArray("1e999") << DBL_MAX;
        QTest::newRow("too large negative") << QByteArray("-1e999") << -DBL_MAX;
        QTest::newRow("too small") << QByteArray("1e-999") << 0.0;
        QTest::newRow("negative zero") << QByteArray("-0") << 0.0;
        QTest::newRow("twenty nines") << QByteArray("99999999999999999999") << 1e20;
        QTest::newRow("10000 nines") << repeated("9", 10000) << DBL_MAX;
        QTest::newRow("long digits, exponent back") << "1" + repeated("0", 10000) + "e-10000" << 1.0;
        QTest::newRow("long fraction") << "0." + repeated("0", 10000) + "5e10001" << 5.0;
        QTest::newRow("huge exponent digits") << "1e" + repeated("9", 5000) << DBL_MAX;
        QTest::newRow("utf-8 first") << QByteArray("\xe2\x82\xac" "5") << 0.0;
        QTest::newRow("invalid byte after") << QByteArray("5\xff") << 5.0;
        QTest::newRow("NUL is not a blank") << QByteArray("\0" "5", 2) << 0.0;
    }
    void val()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, expected);
        double result = num::val(view(text));
        QCOMPARE(result, expected);
        QVERIFY(!std::signbit(result) || result != 0.0);
    }

    void displayDouble_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("third") << "pt_BR" << 1.0 / 3 << "0,333333333333333";
        QTest::newRow("third C") << "C" << 1.0 / 3 << "0.333333333333333";
        QTest::newRow("whole") << "pt_BR" << 100.0 << "100";
        QTest::newRow("half keeps zero") << "pt_BR" << 0.5 << "0,5";
        QTest::newRow("negative half") << "C" << -0.5 << "-0.5";
        QTest::newRow("negative zero") << "C" << -0.0 << "0";
        QTest::newRow("15 digits plain") << "C" << 123456789012345.0 << "123456789012345";
        QTest::newRow("1E+15") << "C" << 1e15 << "1E+15";
        QTest::newRow("1E+16") << "C" << 1e16 << "1E+16";
        QTest::newRow("rounds up into E+15") << "C" << 999999999999999.9 << "1E+15";
        QTest::newRow("tiny with comma") << "pt_BR" << 5.551115123125783e-17 << "5,55111512312578E-17";
        QTest::newRow("1E-05") << "C" << 1e-5 << "1E-05";
        QTest::newRow("0.0001 C") << "C" << 0.0001 << "0.0001";
        QTest::newRow("0.0001 pt_BR") << "pt_BR" << 0.0001 << "0,0001";
        QTest::newRow("sum shows rounded") << "C" << 0.1 + 0.2 << "0.3";
        QTest::newRow("three exponent digits") << "pt_BR" << -1.5e300 << "-1,5E+300";
        QTest::newRow("largest") << "C" << DBL_MAX << "1.79769313486232E+308";
        QTest::newRow("denormal") << "C" << 4.9406564584124654e-324 << "4.94065645841247E-324";
    }
    void displayDouble()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, expected);
        useLocale(locale);
        QCOMPARE(QString::fromStdString(num::displayDouble(value)), expected);
    }

    void displaySingle_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("7 digits") << "C" << 1234567.0f << "1234567";
        QTest::newRow("1E+07") << "C" << 1e7f << "1E+07";
        QTest::newRow("pi") << "pt_BR" << 3.14159265f << "3,141593";
        QTest::newRow("tenth not 0.100000001") << "pt_BR" << 0.1f << "0,1";
        QTest::newRow("1E-05") << "C" << 1e-5f << "1E-05";
        QTest::newRow("negative zero") << "C" << -0.0f << "0";
    }
    void displaySingle()
    {
        QFETCH(QString, locale);
        QFETCH(float, value);
        QFETCH(QString, expected);
        useLocale(locale);
        QCOMPARE(QString::fromStdString(num::displaySingle(value)), expected);
    }

    void displayCurrency_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<qint64>("ticks");
        QTest::addColumn<QString>("expected");
        QTest::newRow("largest") << "pt_BR" << qint64(INT64_MAX) << "922337203685477,5807";
        QTest::newRow("smallest") << "C" << qint64(INT64_MIN) << "-922337203685477.5808";
        QTest::newRow("trailing zeros dropped") << "pt_BR" << qint64(15000) << "1,5";
        QTest::newRow("below one") << "C" << qint64(-1) << "-0.0001";
        QTest::newRow("whole") << "C" << qint64(1000000) << "100";
        QTest::newRow("never scientific") << "C" << qint64(10000000000000000) << "1000000000000";
    }
    void displayCurrency()
    {
        QFETCH(QString, locale);
        QFETCH(qint64, ticks);
        QFETCH(QString, expected);
        useLocale(locale);
        QCOMPARE(QString::fromStdString(num::displayCurrency(Currency::fromTicks(ticks))), expected);
    }

    void strRule_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("positive") << 7.0 << " 7";
        QTest::newRow("negative") << -7.0 << "-7";
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("negative zero") << -0.0 << " 0";
        QTest::newRow("half") << 0.5 << " .5";
        QTest::newRow("negative half") << -0.5 << "-.5";
        QTest::newRow("point even in pt_BR") << 1.5 << " 1.5";
        QTest::newRow("scientific") << 1e-5 << " 1E-05";
    }
    void strRule()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        useLocale("pt_BR");
        QCOMPARE(QString::fromStdString(num::strDouble(value)), expected);
    }

    void textToDouble_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("exponent") << "C" << QByteArray("1e3") << 1000.0 << 0;
        QTest::newRow("exponent signed") << "C" << QByteArray("1E+03") << 1000.0 << 0;
        QTest::newRow("exponent D") << "C" << QByteArray("1D2") << 100.0 << 0;
        QTest::newRow("blanks around") << "C" << QByteArray("  -2.5\t ") << -2.5 << 0;
        QTest::newRow("C thousands") << "C" << QByteArray("1,234") << 1234.0 << 0;
        QTest::newRow("C thousands and point") << "C" << QByteArray("1,234,567.5") << 1234567.5 << 0;
        QTest::newRow("C short group") << "C" << QByteArray("1,23") << 0.0 << 13;
        QTest::newRow("C comma decimal") << "C" << QByteArray("2,5") << 0.0 << 13;
        QTest::newRow("C group after point") << "C" << QByteArray("1.5,000") << 0.0 << 13;
        QTest::newRow("point first") << "C" << QByteArray(".5") << 0.5 << 0;
        QTest::newRow("hex is not a number") << "C" << QByteArray("&H10") << 0.0 << 13;
        QTest::newRow("octal is not a number") << "C" << QByteArray("&O10") << 0.0 << 13;
        QTest::newRow("signed hex is not a number") << "C" << QByteArray("-&H7FFF") << 0.0 << 13;
        QTest::newRow("empty") << "C" << QByteArray("") << 0.0 << 13;
        QTest::newRow("blanks only") << "C" << QByteArray("   ") << 0.0 << 13;
        QTest::newRow("sign only") << "C" << QByteArray("-") << 0.0 << 13;
        QTest::newRow("letters") << "C" << QByteArray("abc") << 0.0 << 13;
        QTest::newRow("trailing letters") << "C" << QByteArray("12abc") << 0.0 << 13;
        QTest::newRow("blank inside") << "C" << QByteArray("1 2") << 0.0 << 13;
        QTest::newRow("exponent without digits") << "C" << QByteArray("1e") << 0.0 << 13;
        QTest::newRow("too large") << "C" << QByteArray("1e999") << 0.0 << 6;
        QTest::newRow("too small is zero") << "C" << QByteArray("1e-999") << 0.0 << 0;
        QTest::newRow("pt_BR comma decimal") << "pt_BR" << QByteArray("2,5") << 2.5 << 0;
        QTest::newRow("pt_BR stray point is decimal") << "pt_BR" << QByteArray("-2.5") << -2.5 << 0;
        QTest::newRow("pt_BR group") << "pt_BR" << QByteArray("1.234") << 1234.0 << 0;
        QTest::newRow("pt_BR group and comma") << "pt_BR" << QByteArray("1.234,5") << 1234.5 << 0;
        QTest::newRow("pt_BR two groups") << "pt_BR" << QByteArray("1.234.567,25") << 1234567.25 << 0;
        QTest::newRow("pt_BR four digits is decimal") << "pt_BR" << QByteArray("1.2345") << 1.2345 << 0;
        QTest::newRow("pt_BR leading point") << "pt_BR" << QByteArray(".234") << 0.234 << 0;
        QTest::newRow("pt_BR group then exponent") << "pt_BR" << QByteArray("1.000e3") << 1e6 << 0;
        QTest::newRow("pt_BR two decimals") << "pt_BR" << QByteArray("1.5,3") << 0.0 << 13;
        QTest::newRow("pt_BR two commas") << "pt_BR" << QByteArray("1,5,3") << 0.0 << 13;
        QTest::newRow("10000 digits") << "C" << repeated("9", 10000) << 0.0 << 6;
        QTest::newRow("10000 digits back down")
            << "C" << "1" + repeated("0", 10000) + "e-10000" << 1.0 << 0;
        QTest::newRow("many groups") << "pt_BR" << "1" + repeated(".234", 100000) << 0.0 << 6;
        QTest::newRow("non-ascii digits") << "C" << QByteArray("\xd9\xa3") << 0.0 << 13;
        QTest::newRow("control char") << "C" << QByteArray("\x01" "1") << 0.0 << 13;
        QTest::newRow("embedded NUL") << "C" << QByteArray("1\0" "2", 3) << 0.0 << 13;
    }
    void textToDouble()
    {
        QFETCH(QString, locale);
        QFETCH(QByteArray, text);
        QFETCH(double, expected);
        QFETCH(int, error);
        useLocale(locale);
        double result = 0;
        QCOMPARE(errorOf([&] { result = num::textToDouble(view(text)); }), error);
        if (error == 0)
            QCOMPARE(result, expected);
    }

    // Integer (I), Long (L) and Currency (C, in ticks) are rounded from the
    // exact decimal digits of the text.
    void textToWhole_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("I 2.5 even down") << "C" << "I" << QByteArray("2.5") << qint64(2) << 0;
        QTest::newRow("I 3.5 even up") << "C" << "I" << QByteArray("3.5") << qint64(4) << 0;
        QTest::newRow("I -2.5") << "C" << "I" << QByteArray("-2.5") << qint64(-2) << 0;
        QTest::newRow("I just above half") << "C" << "I" << QByteArray("2.5000000000000001") << qint64(3) << 0;
        QTest::newRow("I top rounds over") << "C" << "I" << QByteArray("32767.5") << qint64(0) << 6;
        QTest::newRow("I top") << "C" << "I" << QByteArray("32767.49") << qint64(32767) << 0;
        QTest::newRow("I bottom") << "C" << "I" << QByteArray("-32768.5") << qint64(-32768) << 0;
        QTest::newRow("I below bottom") << "C" << "I" << QByteArray("-32768.51") << qint64(0) << 6;
        QTest::newRow("I hex") << "C" << "I" << QByteArray("&HFFFF") << qint64(0) << 13;
        QTest::newRow("I pt_BR group") << "pt_BR" << "I" << QByteArray("1.234") << qint64(1234) << 0;
        QTest::newRow("I not a number") << "C" << "I" << QByteArray("x") << qint64(0) << 13;
        QTest::newRow("L top rounds over") << "C" << "L" << QByteArray("2147483647.5") << qint64(0) << 6;
        QTest::newRow("L even below top") << "C" << "L" << QByteArray("2147483646.5") << qint64(2147483646) << 0;
        QTest::newRow("L bottom") << "C" << "L" << QByteArray("-2147483648.5") << qint64(INT32_MIN) << 0;
        QTest::newRow("L hex") << "C" << "L" << QByteArray("&H100000000") << qint64(0) << 13;
        QTest::newRow("L 10000 digits") << "C" << "L" << repeated("1", 10000) << qint64(0) << 6;
        QTest::newRow("C largest") << "C" << "C" << QByteArray("922337203685477.5807") << qint64(INT64_MAX) << 0;
        QTest::newRow("C over largest") << "C" << "C" << QByteArray("922337203685477.5808") << qint64(0) << 6;
        QTest::newRow("C smallest") << "C" << "C" << QByteArray("-922337203685477.5808") << qint64(INT64_MIN) << 0;
        QTest::newRow("C smallest by even rounding") << "C" << "C" << QByteArray("-922337203685477.58085") << qint64(INT64_MIN) << 0;
        QTest::newRow("C under smallest") << "C" << "C" << QByteArray("-922337203685477.580851") << qint64(0) << 6;
        QTest::newRow("C half tick even down") << "C" << "C" << QByteArray("0.00005") << qint64(0) << 0;
        QTest::newRow("C half tick even up") << "C" << "C" << QByteArray("0.00015") << qint64(2) << 0;
        QTest::newRow("C above half tick") << "C" << "C" << QByteArray("0.000051") << qint64(1) << 0;
        QTest::newRow("C exponent") << "C" << "C" << QByteArray("1.5E2") << qint64(1500000) << 0;
        QTest::newRow("C pt_BR") << "pt_BR" << "C" << QByteArray("1.234,5") << qint64(12345000) << 0;
    }
    void textToWhole()
    {
        QFETCH(QString, locale);
        QFETCH(QString, kind);
        QFETCH(QByteArray, text);
        QFETCH(qint64, expected);
        QFETCH(int, error);
        useLocale(locale);
        qint64 result = 0;
        QCOMPARE(errorOf([&] {
                     if (kind == QLatin1String("I"))
                         result = num::textToInteger(view(text));
                     else if (kind == QLatin1String("L"))
                         result = num::textToLong(view(text));
                     else
                         result = num::textToCurrency(view(text)).ticks;
                 }),
                 error);
        if (error == 0)
            QCOMPARE(result, expected);
    }

    void textToSingle_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<float>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("largest") << QByteArray("3.4028235e38") << FLT_MAX << 0;
        QTest::newRow("too large") << QByteArray("1e39") << 0.0f << 6;
        QTest::newRow("tenth") << QByteArray("0.1") << 0.1f << 0;
    }
    void textToSingle()
    {
        QFETCH(QByteArray, text);
        QFETCH(float, expected);
        QFETCH(int, error);
        float result = 0;
        QCOMPARE(errorOf([&] { result = num::textToSingle(view(text)); }), error);
        if (error == 0)
            QCOMPARE(result, expected);
    }

    void roundToWhole_data()
    {
        QTest::addColumn<bool>("toLong");
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("2.5") << false << 2.5 << qint64(2) << 0;
        QTest::newRow("3.5") << false << 3.5 << qint64(4) << 0;
        QTest::newRow("-2.5") << false << -2.5 << qint64(-2) << 0;
        QTest::newRow("-3.5") << false << -3.5 << qint64(-4) << 0;
        QTest::newRow("0.5") << false << 0.5 << qint64(0) << 0;
        QTest::newRow("1.5") << false << 1.5 << qint64(2) << 0;
        QTest::newRow("2.5000001") << false << 2.5000001 << qint64(3) << 0;
        QTest::newRow("Integer top rounds over") << false << 32767.5 << qint64(0) << 6;
        QTest::newRow("Integer top") << false << 32767.49 << qint64(32767) << 0;
        QTest::newRow("Integer bottom") << false << -32768.5 << qint64(-32768) << 0;
        QTest::newRow("Integer below bottom") << false << -32768.51 << qint64(0) << 6;
        QTest::newRow("NaN") << false << NaN << qint64(0) << 6;
        QTest::newRow("infinity") << true << -Inf << qint64(0) << 6;
        QTest::newRow("Long top rounds over") << true << 2147483647.5 << qint64(0) << 6;
        QTest::newRow("Long bottom") << true << -2147483648.5 << qint64(INT32_MIN) << 0;
        QTest::newRow("Long huge") << true << 1e300 << qint64(0) << 6;
    }
    void roundToWhole()
    {
        QFETCH(bool, toLong);
        QFETCH(double, value);
        QFETCH(qint64, expected);
        QFETCH(int, error);
        qint64 result = 0;
        QCOMPARE(errorOf([&] { result = toLong ? num::toLong(value) : num::toInteger(value); }), error);
        if (error == 0)
            QCOMPARE(result, expected);
    }

    void currencyToWhole_data()
    {
        QTest::addColumn<qint64>("ticks");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("2.5") << qint64(25000) << qint64(2) << 0;
        QTest::newRow("-3.5") << qint64(-35000) << qint64(-4) << 0;
        QTest::newRow("2.5001") << qint64(25001) << qint64(3) << 0;
        QTest::newRow("Integer top rounds over") << qint64(327675000) << qint64(0) << 6;
        QTest::newRow("Integer bottom") << qint64(-327685000) << qint64(-32768) << 0;
    }
    void currencyToWhole()
    {
        QFETCH(qint64, ticks);
        QFETCH(qint64, expected);
        QFETCH(int, error);
        qint64 result = 0;
        QCOMPARE(errorOf([&] { result = num::toInteger(Currency::fromTicks(ticks)); }), error);
        if (error == 0)
            QCOMPARE(result, expected);
    }

    void wholeArithmetic_data()
    {
        QTest::addColumn<bool>("isLong");
        QTest::addColumn<char>("op");
        QTest::addColumn<qint64>("a");
        QTest::addColumn<qint64>("b");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("Integer + at top") << false << '+' << qint64(32766) << qint64(1) << qint64(32767) << 0;
        QTest::newRow("Integer + over") << false << '+' << qint64(32767) << qint64(1) << qint64(0) << 6;
        QTest::newRow("Integer - to bottom") << false << '-' << qint64(-32767) << qint64(1) << qint64(-32768) << 0;
        QTest::newRow("Integer - under") << false << '-' << qint64(-32768) << qint64(1) << qint64(0) << 6;
        QTest::newRow("Integer * over") << false << '*' << qint64(200) << qint64(200) << qint64(0) << 6;
        QTest::newRow("Integer * bottom by -1") << false << '*' << qint64(-32768) << qint64(-1) << qint64(0) << 6;
        QTest::newRow("Long + over") << true << '+' << qint64(INT32_MAX) << qint64(1) << qint64(0) << 6;
        QTest::newRow("Long - to bottom") << true << '-' << qint64(-2147483647) << qint64(1) << qint64(INT32_MIN) << 0;
        QTest::newRow("Long * over") << true << '*' << qint64(65536) << qint64(32768) << qint64(0) << 6;
        QTest::newRow("Long * to bottom") << true << '*' << qint64(-65536) << qint64(32768) << qint64(INT32_MIN) << 0;
    }
    void wholeArithmetic()
    {
        QFETCH(bool, isLong);
        QFETCH(char, op);
        QFETCH(qint64, a);
        QFETCH(qint64, b);
        QFETCH(qint64, expected);
        QFETCH(int, error);
        qint64 result = 0;
        QCOMPARE(errorOf([&] {
                     if (isLong) {
                         int32_t x = int32_t(a), y = int32_t(b);
                         result = op == '+' ? addLong(x, y) : op == '-' ? subLong(x, y) : mulLong(x, y);
                     } else {
                         int16_t x = int16_t(a), y = int16_t(b);
                         result = op == '+' ? addInteger(x, y) : op == '-' ? subInteger(x, y) : mulInteger(x, y);
                     }
                 }),
                 error);
        if (error == 0)
            QCOMPARE(result, expected);
    }

    void floatingLimits_data()
    {
        QTest::addColumn<char>("op");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("x / 0") << '/' << 1.0 << 0.0 << 0.0 << 11;
        QTest::newRow("-x / 0") << '/' << -1.0 << 0.0 << 0.0 << 11;
        QTest::newRow("0 / 0") << '/' << 0.0 << 0.0 << 0.0 << 6;
        QTest::newRow("quotient too large") << '/' << 1e308 << 1e-308 << 0.0 << 6;
        QTest::newRow("plain quotient") << '/' << 1.0 << 4.0 << 0.25 << 0;
        QTest::newRow("product too large") << '*' << 1e308 << 10.0 << 0.0 << 6;
        QTest::newRow("sum too large") << '+' << DBL_MAX << DBL_MAX << 0.0 << 6;
        QTest::newRow("product underflows to 0") << '*' << 1e-300 << 1e-300 << 0.0 << 0;
    }
    void floatingLimits()
    {
        QFETCH(char, op);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, expected);
        QFETCH(int, error);
        double result = 0;
        QCOMPARE(errorOf([&] {
                     result = op == '/' ? divide(a, b) : checked(op == '*' ? a * b : a + b);
                 }),
                 error);
        if (error == 0)
            QCOMPARE(result, expected);
    }

    void currencyArithmetic_data()
    {
        QTest::addColumn<char>("op");
        QTest::addColumn<qint64>("a");
        QTest::addColumn<qint64>("b");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("+ to largest") << '+' << qint64(INT64_MAX - 1) << qint64(1) << qint64(INT64_MAX) << 0;
        QTest::newRow("+ over largest") << '+' << qint64(INT64_MAX) << qint64(1) << qint64(0) << 6;
        QTest::newRow("- under smallest") << '-' << qint64(INT64_MIN) << qint64(1) << qint64(0) << 6;
        QTest::newRow("* keeps four decimals") << '*' << qint64(15000) << qint64(15000) << qint64(22500) << 0;
        QTest::newRow("* half tick to even") << '*' << qint64(5) << qint64(1000) << qint64(0) << 0;
        QTest::newRow("* 1.5 ticks to even") << '*' << qint64(15) << qint64(1000) << qint64(2) << 0;
        QTest::newRow("* over") << '*' << qint64(INT64_MAX) << qint64(20000) << qint64(0) << 6;
        QTest::newRow("* smallest by one") << '*' << qint64(INT64_MIN) << qint64(10000) << qint64(INT64_MIN) << 0;
    }
    void currencyArithmetic()
    {
        QFETCH(char, op);
        QFETCH(qint64, a);
        QFETCH(qint64, b);
        QFETCH(qint64, expected);
        QFETCH(int, error);
        Currency x = Currency::fromTicks(a), y = Currency::fromTicks(b), result;
        QCOMPARE(errorOf([&] { result = op == '+' ? x + y : op == '-' ? x - y : x * y; }), error);
        if (error == 0)
            QCOMPARE(result.ticks, expected);
    }

    void currencyFromDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("as written, half to even up") << 0.00015 << qint64(2) << 0;
        QTest::newRow("as written, half to even down") << 2.00005 << qint64(20000) << 0;
        QTest::newRow("negative") << -1.23456 << qint64(-12346) << 0;
        QTest::newRow("too large") << 1e15 << qint64(0) << 6;
        QTest::newRow("NaN") << NaN << qint64(0) << 6;
    }
    void currencyFromDouble()
    {
        QFETCH(double, value);
        QFETCH(qint64, expected);
        QFETCH(int, error);
        qint64 result = 0;
        QCOMPARE(errorOf([&] { result = Currency::fromDouble(value).ticks; }), error);
        if (error == 0)
            QCOMPARE(result, expected);
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
