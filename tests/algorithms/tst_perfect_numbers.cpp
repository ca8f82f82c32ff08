// The search for perfect numbers up to 999: the numbers reported are exactly those whose proper
// divisors add up to themselves, in order, one per click; the click that reaches 999 ends the
// search, and a click after it changes nothing. Each number examined shows its divisors from
// the largest down, and their running sums, until the sum passes the number.
#include "framework/text.h"
#include "problems/perfect_numbers/perfect_numbers.h"

#include "tests/algorithms/run.h"

#include <QTest>

using framework::Effect;
using framework::Step;

using namespace problems::perfect_numbers_controls;

namespace {

// The proper divisors of n, from the largest down.
QList<int> properDivisors(int n)
{
    QList<int> divisors;
    for (int d = n - 1; d >= 1; --d)
        if (n % d == 0)
            divisors << d;
    return divisors;
}

int sum(const QList<int>& numbers)
{
    int total = 0;
    for (int n : numbers)
        total += n;
    return total;
}

}  // namespace

class TestPerfectNumbers : public QObject {
    Q_OBJECT

    std::vector<Step> steps_;

private slots:
    void initTestCase()
    {
        problems::PerfectNumbers search;
        steps_ = testsupport::runToEnd(search, Cmd::Calculate, testsupport::Typed{}, 10);
    }

    void perfectNumbersInOrder()
    {
        QStringList expected;
        for (int n = 1; n <= 999; ++n)
            if (sum(properDivisors(n)) == n)
                expected << QString::number(n);
        QCOMPARE(expected, QStringList({"6", "28", "496"}));

        // One click per perfect number, then the click that runs out at 999.
        QCOMPARE(int(steps_.size()), int(expected.size()) + 1);
        for (size_t i = 0; i < steps_.size(); ++i) {
            const Step& s = steps_[i];
            const bool last = i + 1 == steps_.size();
            QCOMPARE(s.run, last ? Step::Run::Done : Step::Run::GoesOn);
            QStringList messages, answers;
            for (const Effect& e : s.effects) {
                if (e.kind == Effect::Message) {
                    messages << e.text;
                    QCOMPARE(int(e.number), int(framework::Information));
                    QCOMPARE(e.title, QStringLiteral("Valor Válido"));
                } else if (e.kind == Effect::Row && e.control == QLatin1String("Resposta")) {
                    answers << e.text;
                }
            }
            if (last) {
                QVERIFY(messages.isEmpty() && answers.isEmpty());
            } else {
                QCOMPARE(answers, QStringList{expected[i]});
                QCOMPARE(messages, QStringList{expected[i] + QStringLiteral(" è um número perfeito")});
            }
            // A click's last row is the number it stopped at.
            QCOMPARE(s.trace.back().values.value(0), testsupport::lastCaption({s}, Val::N));
        }
        QCOMPARE(testsupport::lastCaption(steps_, Val::N), QStringLiteral("999"));

        // Every number examined has a row of its own, in order, with the sum its divisors made,
        // and the last row ends the loop at 999.
        QStringList rows;
        for (const Step& s : steps_)
            for (const framework::TraceRow& row : s.trace)
                rows << row.values.join(QLatin1Char(' '));
        QCOMPARE(int(rows.size()), 1000);
        for (int n = 1; n <= 999; ++n)
            QCOMPARE(rows[n - 1], QStringLiteral("%1 %2").arg(n).arg(
                                      framework::shown(problems::examine(num::Value::integer(int16_t(n))).Soma)));
        QCOMPARE(rows.back(), rows[998]);
    }

    // Once the search has reached 999, a click shows nothing new and the run stays ended.
    void clickAfterTheEnd()
    {
        problems::PerfectNumbers search;
        testsupport::runToEnd(search, Cmd::Calculate, testsupport::Typed{}, 10);
        const Step s = testsupport::step(search, Cmd::Calculate);
        QCOMPARE(s.run, Step::Run::Done);
        QVERIFY(s.effects.empty());
        QCOMPARE(int(s.trace.size()), 1);
        QCOMPARE(s.trace[0].values.value(0), QStringLiteral("999"));
    }

    void everyCandidate_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 999; ++n)
            QTest::addRow("%d", n) << n;
    }

    // The divisors N / Cont from the largest down, each with the sum so far, until the sum
    // passes N.
    void everyCandidate()
    {
        QFETCH(int, n);
        const problems::Examined examined = problems::examine(num::Value::integer(n));
        problems::Examined expected;
        int total = 0;
        for (int d : properDivisors(n)) {
            total += d;
            expected.divisors << QString::number(d);
            expected.sums << QString::number(total);
            if (total > n)
                break;
        }
        QCOMPARE(examined.divisors, expected.divisors);
        QCOMPARE(examined.sums, expected.sums);
    }
};

QTEST_GUILESS_MAIN(TestPerfectNumbers)
#include "tst_perfect_numbers.moc"
