// The digit sum of many numbers, pass by pass, against a plain sum of their digits; one
// desk-check row for every click, the refused and the failing texts included.
#include "problems/digit_sum/digit_sum.h"

#include "tests/algorithms/run.h"

#include <QTest>

using framework::Step;

using namespace problems::digit_sum_controls;

namespace {

// The rows a run added to one list, in order.
QStringList rowsOf(const std::vector<Step>& steps, framework::Name list)
{
    QStringList rows;
    for (const Step& s : steps)
        for (const framework::Effect& e : s.effects)
            if (e.kind == framework::Effect::Row && e.control == list.text())
                rows << e.text;
    return rows;
}
}  // namespace

class TestDigitSum : public QObject {
    Q_OBJECT

private slots:
    void plainSum_data()
    {
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("to");
        QTest::newRow("around zero") << qint64(-1200) << qint64(1200);
        QTest::newRow("six digits") << qint64(99990) << qint64(100010);
        QTest::newRow("largest Long") << qint64(2147483600) << qint64(2147483647);
        QTest::newRow("smallest Long") << qint64(-2147483648LL) << qint64(-2147483600);
    }
    void plainSum()
    {
        QFETCH(qint64, from);
        QFETCH(qint64, to);
        for (qint64 number = from; number <= to; ++number) {
            // The digits from the last one, each with the number's sign.
            QStringList digits;
            int sum = 0;
            for (qint64 rest = number; rest != 0; rest /= 10) {
                digits << QString::number(rest % 10);
                sum += int(rest % 10);
            }
            problems::DigitSum algorithm;
            const QString typed = QString::number(number);
            const auto steps =
                testsupport::runToEnd(algorithm, Cmd::Read, testsupport::Typed{{Box::Number, typed}});
            const QByteArray where = typed.toUtf8();
            QVERIFY2(steps.back().run == Step::Run::Done, where);
            QCOMPARE(testsupport::lastCaption(steps, Val::Answer), QString::number(sum));
            QCOMPARE(rowsOf(steps, List::Resto), digits);
            // One click per digit, one to give the answer.
            QCOMPARE(int(steps.size()), int(digits.size()) + 1);
            for (const Step& s : steps) {
                QCOMPARE(int(s.trace.size()), 1);
                QCOMPARE(s.trace[0].values.size(), algorithm.columns().size());
            }
            QCOMPARE(steps.back().trace[0].values.last(), QString::number(sum));
        }
    }

    // Texts that start no run or stop it: still one desk-check row for the click.
    void notANumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("run");
        QTest::addColumn<int>("error");
        QTest::newRow("empty") << QString() << int(Step::Run::Refused) << 0;
        QTest::newRow("letters") << QStringLiteral("abc") << int(Step::Run::Error) << num::TypeMismatch;
        QTest::newRow("blanks") << QStringLiteral("   ") << int(Step::Run::Error) << num::TypeMismatch;
        QTest::newRow("past a Long") << QStringLiteral("2147483648") << int(Step::Run::Error) << num::Overflow;
    }
    void notANumber()
    {
        QFETCH(QString, typed);
        QFETCH(int, run);
        QFETCH(int, error);
        problems::DigitSum algorithm;
        const Step s = testsupport::step(algorithm, Cmd::Read, testsupport::Typed{{Box::Number, typed}});
        QCOMPARE(int(s.run), run);
        QCOMPARE(s.error, error);
        QCOMPARE(int(s.trace.size()), 1);
        QCOMPARE(s.trace[0].values.size(), algorithm.columns().size());
    }
};

QTEST_GUILESS_MAIN(TestDigitSum)
#include "tst_digit_sum.moc"
