// Every salary from -10.00 to 1500.00 a cent apart: the band's line is the one lit and the
// adjusted salary is the salary times its factor to the cent (the Double product rounded back
// to four decimals loses nothing), in the answer and in the last desk-check row alike. A
// refused or stopped click keeps the rows it wrote.
#include "problems/salary/salary.h"

#include "framework/text.h"
#include "tests/algorithms/run.h"

#include <QTest>

using framework::Step;

using namespace problems::salary_controls;

namespace {
testsupport::Typed salary(const QString& typed) { return {{Box::Salary, typed}}; }

QString litLine(const Step& s)
{
    QString lit;
    for (const framework::Effect& e : s.effects)
        if (e.kind == framework::Effect::Light)
            lit += e.control;
    return lit;
}
}  // namespace

class TestSalary : public QObject {
    Q_OBJECT

private slots:
    void everyCent()
    {
        for (int cents = -1000; cents <= 150000; ++cents) {
            const QString typed = (cents < 0 ? QStringLiteral("-") : QString()) + QString::number(std::abs(cents) / 100)
                                  + '.' + QString::number(std::abs(cents) % 100).rightJustified(2, '0');
            const QByteArray where = typed.toUtf8();
            const int percent = cents < 20000 ? 140 : cents < 100000 ? 130 : 120;
            const QString line = cents < 20000 ? "sal1" : cents < 100000 ? "Sal2" : "Sal3";

            problems::Salary algorithm;
            const Step s = testsupport::step(algorithm, Cmd::Solve, salary(typed));
            QVERIFY2(s.run == Step::Run::Done, where);
            // A cent is 100 ticks; the factor's tenths make it 10 more.
            QVERIFY2(algorithm.X.ticks == int64_t(cents) * percent, where);
            QVERIFY2(litLine(s) == line, where);
            const QString answer = testsupport::lastCaption({s}, Val::Answer);
            // The reading, one decision in the first band and two in the others, the formula.
            QVERIFY2(int(s.trace.size()) == (cents < 20000 ? 3 : 4), where);
            QVERIFY2(s.trace.back().values == QStringList{answer}, where);
            QVERIFY2(s.trace.front().values == QStringList{framework::qs(num::displayCurrency(
                                                   num::Currency::fromTicks(int64_t(cents) * 100)))},
                     where);
        }
    }

    void refusedOrStopped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("error");  // 0: refused
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("lastValue");
        QTest::newRow("empty") << "" << 0 << 1 << "";
        QTest::newRow("not a number") << "abc" << int(num::TypeMismatch) << 1 << "";
        QTest::newRow("blanks") << "   " << int(num::TypeMismatch) << 1 << "";
        // The adjustment leaves the Currency range: the formula's row keeps the salary as read.
        QTest::newRow("past the range") << "900000000000000" << int(num::Overflow) << 4 << "900000000000000";
        QTest::newRow("below the range") << "-900000000000000" << int(num::Overflow) << 3 << "-900000000000000";
    }
    void refusedOrStopped()
    {
        QFETCH(QString, typed);
        QFETCH(int, error);
        QFETCH(int, rows);
        QFETCH(QString, lastValue);
        problems::Salary algorithm;
        const Step s = testsupport::step(algorithm, Cmd::Solve, salary(typed));
        QVERIFY(s.run == (error ? Step::Run::Error : Step::Run::Refused));
        QCOMPARE(s.error, error);
        QCOMPARE(int(s.trace.size()), rows);
        QCOMPARE(s.trace.back().values, QStringList{lastValue});
        QCOMPARE(testsupport::lastCaption({s}, Val::Answer), QString());
    }
};

QTEST_GUILESS_MAIN(TestSalary)
#include "tst_salary.moc"
