// The tagged value: kinds of results, widening, texts beside numbers and
// comparisons.
#include "framework/numbers/value.h"

#include "tests/numbers/support.h"

#include <QTest>

#include <cfloat>

using namespace num;

Q_DECLARE_METATYPE(num::Value)

namespace {

using testsupport::errorOf;
using testsupport::useLocale;

Value E() { return Value(); }
Value I(int v) { return Value::integer(int16_t(v)); }
Value L(qint64 v) { return Value::lng(int32_t(v)); }
Value S(float v) { return Value::single(v); }
Value D(double v) { return Value::dbl(v); }
Value C(const char* text) { return Value::currency(textToCurrency(text)); } // read in the C locale
Value T(const char* text) { return Value::text(text); }

int kindOf(Kind k) { return static_cast<int>(k); }
const int Text = kindOf(Kind::Text), Integer = kindOf(Kind::Integer),
          Long = kindOf(Kind::Long), Single = kindOf(Kind::Single), Double = kindOf(Kind::Double),
          Money = kindOf(Kind::Currency);

Value apply(const QString& op, const Value& a, const Value& b)
{
    if (op == "+") return a + b;
    if (op == "-") return a - b;
    if (op == "*") return a * b;
    if (op == "/") return a / b;
    if (op == "^") return power(a, b);
    if (op == "\\") return intDiv(a, b);
    if (op == "mod") return mod(a, b);
    if (op == "&") return concat(a, b);
    if (op == "neg") return -a;
    qFatal("unknown operator");
}

} // namespace

class TestValue : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setLocale('.', ','); }

    void operators_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Value>("a");
        QTest::addColumn<QString>("op");
        QTest::addColumn<Value>("b");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("error");
        // whole results that overflow widen instead of failing
        QTest::newRow("Integer + widens") << "C" << I(32767) << "+" << I(1) << Long << "32768" << 0;
        QTest::newRow("Integer - widens") << "C" << I(-32768) << "-" << I(1) << Long << "-32769" << 0;
        QTest::newRow("Integer * widens") << "C" << I(200) << "*" << I(200) << Long << "40000" << 0;
        QTest::newRow("Long + widens") << "C" << L(INT32_MAX) << "+" << I(1) << Double << "2147483648" << 0;
        QTest::newRow("Long * widens") << "C" << L(65536) << "*" << L(65536) << Double << "4294967296" << 0;
        QTest::newRow("Integer negation widens") << "C" << I(-32768) << "neg" << E() << Long << "32768" << 0;
        QTest::newRow("Long negation widens") << "C" << L(INT32_MIN) << "neg" << E() << Double << "2147483648" << 0;
        // the wider kind wins: Integer < Long < Single < Double < Currency
        QTest::newRow("Integer + Long") << "C" << I(1) << "+" << L(2) << Long << "3" << 0;
        QTest::newRow("Long + Single") << "C" << L(1) << "+" << S(0.5f) << Single << "1.5" << 0;
        QTest::newRow("Single * Double") << "C" << S(0.5f) << "*" << D(0.1) << Double << "0.05" << 0;
        QTest::newRow("Double + Currency") << "C" << D(0.5) << "+" << C("1.25") << Money << "1.75" << 0;
        QTest::newRow("Currency * Double rounds") << "C" << C("10000") << "*" << D(0.00001) << Money << "0.1" << 0;
        QTest::newRow("Currency - Long exact") << "C" << C("922337203685477.5807") << "-" << L(1) << Money << "922337203685476.5807" << 0;
        QTest::newRow("Currency + Integer over") << "C" << C("922337203685477") << "+" << I(1) << Money << "" << 6;
        QTest::newRow("Currency * Double over") << "C" << C("1") << "*" << D(1e300) << Money << "" << 6;
        QTest::newRow("Single over") << "C" << S(FLT_MAX) << "*" << I(2) << Single << "" << 6;
        QTest::newRow("Double over") << "C" << D(1e308) << "*" << I(10) << Double << "" << 6;
        // texts and Empty
        QTest::newRow("text + text joins") << "C" << T("2") << "+" << T("3") << Text << "23" << 0;
        QTest::newRow("text + number adds") << "C" << T("2") << "+" << I(3) << Double << "5" << 0;
        QTest::newRow("number + text adds") << "C" << I(3) << "+" << T(" 2 ") << Double << "5" << 0;
        QTest::newRow("Empty + number") << "C" << E() << "+" << I(5) << Integer << "5" << 0;
        QTest::newRow("Empty + text") << "C" << E() << "+" << T("a") << Text << "a" << 0;
        QTest::newRow("text + Empty") << "C" << T("a") << "+" << E() << Text << "a" << 0;
        QTest::newRow("Empty + Empty") << "C" << E() << "+" << E() << Integer << "0" << 0;
        QTest::newRow("Empty - Currency") << "C" << E() << "-" << C("1.5") << Money << "-1.5" << 0;
        QTest::newRow("bad text + number") << "C" << T("abc") << "+" << I(1) << Double << "" << 13;
        QTest::newRow("empty text + number") << "C" << T("") << "+" << I(1) << Double << "" << 13;
        QTest::newRow("text - text") << "C" << T("2") << "-" << T("3") << Double << "-1" << 0;
        QTest::newRow("text * number") << "C" << T("2") << "*" << I(3) << Double << "6" << 0;
        QTest::newRow("pt_BR text + number") << "pt_BR" << T("2,5") << "+" << I(1) << Double << "3,5" << 0;
        QTest::newRow("C comma text + number") << "C" << T("2,5") << "+" << I(1) << Double << "" << 13;
        // division and power are always Double
        QTest::newRow("Integer / Integer") << "C" << I(7) << "/" << I(2) << Double << "3.5" << 0;
        QTest::newRow("Currency / Currency") << "C" << C("1") << "/" << C("4") << Double << "0.25" << 0;
        QTest::newRow("x / 0") << "C" << I(1) << "/" << I(0) << Double << "" << 11;
        QTest::newRow("0 / Empty") << "C" << I(0) << "/" << E() << Double << "" << 6;
        QTest::newRow("power") << "C" << I(2) << "^" << I(10) << Double << "1024" << 0;
        QTest::newRow("power over") << "C" << I(10) << "^" << I(400) << Double << "" << 6;
        QTest::newRow("power undefined") << "C" << D(-8) << "^" << D(1.0 / 3) << Double << "" << 6;
        // whole division and remainder round both operands to Long first
        QTest::newRow("\\ Integer") << "C" << I(7) << "\\" << I(2) << Integer << "3" << 0;
        QTest::newRow("\\ truncates") << "C" << I(-7) << "\\" << I(2) << Integer << "-3" << 0;
        QTest::newRow("\\ rounds 7.5 up") << "C" << D(7.5) << "\\" << I(2) << Long << "4" << 0;
        QTest::newRow("\\ rounds 6.5 down") << "C" << D(6.5) << "\\" << I(2) << Long << "3" << 0;
        QTest::newRow("\\ Integer bottom by -1") << "C" << I(-32768) << "\\" << I(-1) << Long << "32768" << 0;
        QTest::newRow("\\ Long bottom by -1") << "C" << L(INT32_MIN) << "\\" << I(-1) << Long << "" << 6;
        QTest::newRow("\\ by 0") << "C" << I(5) << "\\" << I(0) << Integer << "" << 11;
        QTest::newRow("\\ by 0.4 rounds to 0") << "C" << I(5) << "\\" << D(0.4) << Long << "" << 11;
        QTest::newRow("\\ text") << "C" << T("10") << "\\" << I(3) << Long << "3" << 0;
        QTest::newRow("\\ too large") << "C" << D(3e9) << "\\" << I(3) << Long << "" << 6;
        QTest::newRow("mod sign of left") << "C" << I(-7) << "mod" << I(3) << Integer << "-1" << 0;
        QTest::newRow("mod right negative") << "C" << I(7) << "mod" << I(-3) << Integer << "1" << 0;
        QTest::newRow("mod Long bottom by -1") << "C" << L(INT32_MIN) << "mod" << I(-1) << Long << "0" << 0;
        QTest::newRow("mod rounds 2.5 down") << "C" << D(2.5) << "mod" << I(2) << Long << "0" << 0;
        QTest::newRow("mod by 0") << "C" << I(5) << "mod" << E() << Integer << "" << 11;
        // joining
        QTest::newRow("& numbers by display") << "pt_BR" << I(1) << "&" << D(2.5) << Text << "12,5" << 0;
        QTest::newRow("& Empty") << "C" << E() << "&" << T("x") << Text << "x" << 0;
        QTest::newRow("& Currency and Single") << "C" << C("1.5") << "&" << S(0.1f) << Text << "1.50.1" << 0;
    }
    void operators()
    {
        QFETCH(QString, locale);
        QFETCH(Value, a);
        QFETCH(QString, op);
        QFETCH(Value, b);
        QFETCH(int, kind);
        QFETCH(QString, shown);
        QFETCH(int, error);
        useLocale(locale);
        Value result;
        QCOMPARE(errorOf([&] { result = apply(op, a, b); }), error);
        if (error == 0) {
            QCOMPARE(kindOf(result.kind()), kind);
            QCOMPARE(QString::fromStdString(display(result)), shown);
        }
    }

    void compareTagged_data()
    {
        QTest::addColumn<Value>("a");
        QTest::addColumn<Value>("b");
        QTest::addColumn<int>("expected");
        QTest::newRow("texts in text order") << T("10") << T("9") << -1;
        QTest::newRow("texts by byte, case counts") << T("a") << T("B") << 1;
        QTest::newRow("utf-8 after ascii") << T("\xc3\xa9") << T("z") << 1;
        QTest::newRow("number below text") << I(5) << T("3") << -1;
        QTest::newRow("text above number") << T("3") << D(5) << 1;
        QTest::newRow("Empty is 0 beside number") << E() << I(0) << 0;
        QTest::newRow("Empty above negative") << E() << D(-1) << 1;
        QTest::newRow("Empty is empty text") << E() << T("") << 0;
        QTest::newRow("Empty below text") << E() << T("a") << -1;
        QTest::newRow("Empty and Empty") << E() << E() << 0;
        QTest::newRow("Integer and Double") << I(2) << D(2.0) << 0;
        QTest::newRow("Currency and Integer") << C("1") << I(1) << 0;
        QTest::newRow("Long above Currency") << L(3) << C("2.9999") << 1;
        QTest::newRow("Currency largest exact") << C("922337203685477.5807") << C("922337203685477.5806") << 1;
    }
    void compareTagged()
    {
        QFETCH(Value, a);
        QFETCH(Value, b);
        QFETCH(int, expected);
        QCOMPARE(compare(a, b), expected);
        QCOMPARE(compare(b, a), -expected);
    }

    void comparePlainNumber_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Value>("a");
        QTest::addColumn<double>("plain");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("text zero equals 0") << "C" << T("0") << 0.0 << 0 << 0;
        QTest::newRow("text compares numerically") << "C" << T("10") << 9.0 << 1 << 0;
        QTest::newRow("text with blanks") << "C" << T(" 7 ") << 7.0 << 0 << 0;
        QTest::newRow("bad text") << "C" << T("abc") << 0.0 << 0 << 13;
        QTest::newRow("empty text") << "C" << T("") << 0.0 << 0 << 13;
        QTest::newRow("pt_BR text") << "pt_BR" << T("2,5") << 2.5 << 0 << 0;
        QTest::newRow("Empty is 0") << "C" << E() << 0.0 << 0 << 0;
        QTest::newRow("Empty below 1") << "C" << E() << 1.0 << -1 << 0;
        QTest::newRow("Currency") << "C" << C("0.5") << 0.5 << 0 << 0;
    }
    void comparePlainNumber()
    {
        QFETCH(QString, locale);
        QFETCH(Value, a);
        QFETCH(double, plain);
        QFETCH(int, expected);
        QFETCH(int, error);
        useLocale(locale);
        int result = 0;
        QCOMPARE(errorOf([&] { result = comparePlain(a, plain); }), error);
        if (error == 0)
            QCOMPARE(result, expected);
    }

    void operatorsBothWays()
    {
        QVERIFY(T("0") == 0);
        QVERIFY(1.0 < T("2"));
        QVERIFY(!(1.0 > T("2")));
        QVERIFY(I(3) >= 3.0 && 3.0 >= I(3));
        QVERIFY(T("10") < T("9"));
        QVERIFY(I(9) < T("1"));
        QCOMPARE(errorOf([] { return T("abc") == 0; }), TypeMismatch);
    }

    void conversions_data()
    {
        QTest::addColumn<Value>("value");
        QTest::addColumn<QString>("target");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("text to Integer, half to even") << T("2.5") << "I" << qint64(2) << 0;
        QTest::newRow("Currency to Integer") << C("2.5") << "I" << qint64(2) << 0;
        QTest::newRow("Single to Integer") << S(3.5f) << "I" << qint64(4) << 0;
        QTest::newRow("Long to Integer over") << L(40000) << "I" << qint64(0) << 6;
        QTest::newRow("Currency to Integer over") << C("32767.5") << "I" << qint64(0) << 6;
        QTest::newRow("bad text to Integer") << T("x") << "I" << qint64(0) << 13;
        QTest::newRow("Empty to Integer") << E() << "I" << qint64(0) << 0;
        QTest::newRow("Double to Long over") << D(2147483648.0) << "L" << qint64(0) << 6;
        QTest::newRow("Integer to Currency") << I(3) << "C" << qint64(30000) << 0;
        QTest::newRow("Double to Currency as written") << D(0.00015) << "C" << qint64(2) << 0;
        QTest::newRow("text to Currency over") << T("1e20") << "C" << qint64(0) << 6;
    }
    void conversions()
    {
        QFETCH(Value, value);
        QFETCH(QString, target);
        QFETCH(qint64, expected);
        QFETCH(int, error);
        qint64 result = 0;
        QCOMPARE(errorOf([&] {
                     if (target == QLatin1String("I"))
                         result = value.toInteger();
                     else if (target == QLatin1String("L"))
                         result = value.toLong();
                     else
                         result = value.toCurrency().ticks;
                 }),
                 error);
        if (error == 0)
            QCOMPARE(result, expected);
    }

    void displayAndStr_data()
    {
        QTest::addColumn<Value>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("strText");
        QTest::addColumn<int>("strError");
        QTest::newRow("Empty") << E() << "" << " 0" << 0;
        QTest::newRow("text as itself") << T(" a b ") << " a b " << "" << 13;
        QTest::newRow("numeric text") << T("-0,5") << "-0,5" << "-.5" << 0;
        QTest::newRow("Integer") << I(7) << "7" << " 7" << 0;
        QTest::newRow("negative Long") << L(-7) << "-7" << "-7" << 0;
        QTest::newRow("Single") << S(0.5f) << "0,5" << " .5" << 0;
        QTest::newRow("Currency") << C("-0.25") << "-0,25" << "-.25" << 0;
    }
    void displayAndStr()
    {
        QFETCH(Value, value);
        QFETCH(QString, shown);
        QFETCH(QString, strText);
        QFETCH(int, strError);
        useLocale("pt_BR");
        QCOMPARE(QString::fromStdString(display(value)), shown);
        std::string result;
        QCOMPARE(errorOf([&] { result = str(value); }), strError);
        if (strError == 0)
            QCOMPARE(QString::fromStdString(result), strText);
    }

    void nonFiniteRefused()
    {
        QCOMPARE(errorOf([] { Value::dbl(std::numeric_limits<double>::infinity()); }), Overflow);
        QCOMPARE(errorOf([] { Value::single(std::numeric_limits<float>::quiet_NaN()); }), Overflow);
    }
};

QTEST_APPLESS_MAIN(TestValue)
#include "tst_value.moc"
