// Problem 09 by both methods against a brute-force search: the smallest positive X that leaves
// the remainders r_i when divided by the moduli m_i. The first method (X_Mod123) is played
// through its three stages for every ordered triple of small moduli, with positive, zero and
// negative remainders; the second (XMOD123) searches its one fixed triple step by step and at
// once, from any point of a search.
#include "problems/congruences_search/congruences_search.h"
#include "problems/congruences_steps/congruences_steps.h"

#include "tests/algorithms/run.h"

#include <QTest>

#include <array>
#include <numeric>
#include <optional>

using framework::Effect;
using framework::Step;

namespace byStages = problems::congruences_steps_controls;
namespace bySearch = problems::congruences_search_controls;

namespace {

// Whether the step reaches a stage of the run (whose button the window then offers).
bool reaches(const Step& s, const char* stage)
{
    for (const Effect& e : s.effects)
        if (e.kind == Effect::Stage && e.text == QLatin1String(stage))
            return true;
    return false;
}

// The message boxes of a step, as "text | title".
QStringList messages(const Step& s)
{
    QStringList boxes;
    for (const Effect& e : s.effects)
        if (e.kind == Effect::Message)
            boxes << e.text + QStringLiteral(" | ") + e.title;
    return boxes;
}

// The smallest k >= 1 with (n * k) mod m = 1, by trying every k up to m.
std::optional<int> inverse(long long n, int m)
{
    for (int k = 1; k <= m; ++k)
        if (n * k % m == 1)
            return k;
    return std::nullopt;
}

// The remainders as the program's MOD leaves them: with the sign of the number divided.
// Searched from 1 up for remainders of zero or more, from -1 down for remainders of zero or
// less; none when no X up to the product of the moduli has them.
std::optional<long long> bruteForce(const int m[3], const int r[3], bool downwards)
{
    const long long product = 1LL * m[0] * m[1] * m[2];
    for (long long x = 1; x <= product; ++x) {
        const long long X = downwards ? -x : x;
        if (X % m[0] == r[0] && X % m[1] == r[1] && X % m[2] == r[2])
            return X;
    }
    return std::nullopt;
}

const QString Impossible = QStringLiteral("Impossível calcular !!! | ");
// An inverse search gives up after its 81st pause.
constexpr int GivesUpAfter = 80;

// One desk-check row for each of `rows`, each as wide as the columns.
bool rowsAre(const Step& s, int rows, int columns)
{
    if (int(s.trace.size()) != rows)
        return false;
    for (const framework::TraceRow& row : s.trace)
        if (int(row.values.size()) != columns || row.said.isEmpty())
            return false;
    return true;
}

}  // namespace

class TestCongruences : public QObject {
    Q_OBJECT

private slots:
    // X_Mod123, every stage as the window offers it.
    void threeStages_data()
    {
        QTest::addColumn<int>("m1");
        QTest::addColumn<int>("m2");
        QTest::addColumn<int>("m3");
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<int>("r3");
        const auto add = [](const int m[3], const int r[3]) {
            QTest::addRow("m %d %d %d, r %d %d %d", m[0], m[1], m[2], r[0], r[1], r[2])
                << m[0] << m[1] << m[2] << r[0] << r[1] << r[2];
        };
        const int moduli[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 13, 15, 21};
        for (int a : moduli)
            for (int b : moduli)
                for (int c : moduli) {
                    const int m[3] = {a, b, c};
                    const int spread[3] = {(5 + a + 2 * b + 3 * c) % a, (1 + 3 * a + b) % b, (2 + a * b + c) % c};
                    add(m, spread);
                    // Zero and negative remainders matter only where the window gets to the answer.
                    const int zeros[3] = {0, 0, 0};
                    const int negative[3] = {-((1 + b) % a), -((2 + c) % b), -((3 + a) % c)};
                    add(m, zeros);
                    add(m, negative);
                }
        // Inverses of exactly 80 and 81 (the search gives up after its 81st pause, found or not),
        // and a product above 32767.
        for (const auto& m : {std::array{83, 5, 11}, std::array{82, 5, 49}, std::array{31, 37, 41}}) {
            const int r[3] = {m[0] - 1, m[1] - 1, m[2] - 1};
            add(m.data(), r);
        }
    }

    void threeStages()
    {
        QFETCH(int, m1);
        QFETCH(int, m2);
        QFETCH(int, m3);
        QFETCH(int, r1);
        QFETCH(int, r2);
        QFETCH(int, r3);
        const int m[3] = {m1, m2, m3}, r[3] = {r1, r2, r3};
        const auto text = [](int n) { return QString::number(n); };
        const testsupport::Typed in{{byStages::Box::Modulus[0], text(m1)},   {byStages::Box::Modulus[1], text(m2)},
                                    {byStages::Box::Modulus[2], text(m3)},   {byStages::Box::Remainder[0], text(r1)},
                                    {byStages::Box::Remainder[1], text(r2)}, {byStages::Box::Remainder[2], text(r3)}};
        problems::CongruencesSteps steps;
        const int columns = int(steps.columns().size());

        // Stage (i): one click per remainder step until the MDC is said.
        const int evens = (m1 % 2 == 0) + (m2 % 2 == 0) + (m3 % 2 == 0);
        const QString parity = QStringLiteral("Impossível calcular, pois MDC ( %1 , %2 , %3 ) # 1 | ").arg(m1).arg(m2).arg(m3);
        const int mdc = std::gcd(std::gcd(m1, m2), m3);
        Step last;
        for (int click = 1;; ++click) {
            QVERIFY2(click <= 20, "the MDC stage does not end");
            last = testsupport::step(steps, byStages::Cmd::Mdc, in);
            QCOMPARE(last.run, Step::Run::GoesOn);
            QVERIFY(rowsAre(last, 1, columns));
            // Two even moduli: every click says so first, and the stage steps on regardless.
            QCOMPARE(!messages(last).isEmpty() && messages(last).first() == parity, evens >= 2);
            if (messages(last).size() > (evens >= 2 ? 1 : 0))
                break;
        }
        QStringList said = messages(last);
        if (evens >= 2)
            said.removeFirst();
        if (evens < 2)
            QCOMPARE(said.first(), QStringLiteral("O MDC de ( %1 , %2 , %3 ) = %4 | ").arg(m1).arg(m2).arg(m3).arg(mdc));
        if (evens < 2)
            QCOMPARE(reaches(last, "mod"), mdc == 1);
        if (!reaches(last, "mod")) {
            // An MDC other than 1: refused, and every further click says so again.
            QCOMPARE(said.size(), 2);
            QCOMPARE(said.last(), Impossible);
            QVERIFY(evens >= 2 || mdc != 1);
            QCOMPARE(messages(testsupport::step(steps, byStages::Cmd::Mdc, in)), messages(last));
            return;
        }
        QCOMPARE(said.size(), 1);

        // Stage (ii): a pause after every pass of each inverse search.
        const Step mod = testsupport::step(steps, byStages::Cmd::Mod, in);
        QCOMPARE(mod.run, Step::Run::GoesOn);
        const long long product = 1LL * m1 * m2 * m3;
        QStringList pauses;
        bool found = true;
        for (int i = 0; i < 3 && found; ++i) {
            const std::optional<int> k = inverse(product / m[i], m[i]);
            found = k && *k <= GivesUpAfter;
            for (int pass = 1; pass <= (found ? *k : GivesUpAfter + 1); ++pass)
                pauses << QStringLiteral("Próximo | Cálculo de X%1").arg(i + 1);
        }
        if (!found)
            pauses << Impossible;
        QCOMPARE(messages(mod), pauses);
        // A row for each pause, and one for what follows the last.
        QVERIFY(rowsAre(mod, int(pauses.size()) + (found ? 1 : 0), columns));
        QCOMPARE(reaches(mod, "next"), found);
        // Moduli sharing a factor never get to an answer.
        if (std::gcd(m1, m2) != 1 || std::gcd(m1, m3) != 1 || std::gcd(m2, m3) != 1)
            QVERIFY(!found);
        if (!found)
            return;

        // Stage (iii): X reduced modulo the product.
        const Step next = testsupport::step(steps, byStages::Cmd::Next, in);
        QVERIFY(reaches(next, "final"));
        QVERIFY(rowsAre(next, 1, columns));
        const Step answerStep = testsupport::step(steps, byStages::Cmd::Final, in);
        QCOMPARE(answerStep.run, Step::Run::Done);
        QVERIFY(rowsAre(answerStep, 1, columns));
        const bool downwards = r1 < 0 || r2 < 0 || r3 < 0;
        const std::optional<long long> x = bruteForce(m, r, downwards);
        QVERIFY(x);
        // The remainder of a multiple of the product is 0: all-zero remainders answer 0.
        const long long expected = *x % product;
        QCOMPARE(testsupport::lastCaption({answerStep}, byStages::Val::Final[4]),
                 QStringLiteral(" conclusão (iii): O menor número inteiro é : %1").arg(expected));
        QCOMPARE(answerStep.trace.back().values.last(), QString::number(expected));
    }

    // XMOD123 from any point of a step-by-step search: "Calcular" searches from 0, the next
    // step click starts again from 1.
    void wholeSearch_data()
    {
        QTest::addColumn<int>("stepsBefore");
        QTest::newRow("at rest") << 0;
        QTest::newRow("in the middle of a search") << 10;
        QTest::newRow("at the last pass") << 53;
        QTest::newRow("after the answer") << 54;
    }

    void wholeSearch()
    {
        QFETCH(int, stepsBefore);
        const int m[3] = {3, 5, 7}, r[3] = {2, 3, 4};
        const long long answer = *bruteForce(m, r, false);
        const QString said = QStringLiteral(" O menor número inteiro é : %1").arg(answer);
        problems::CongruencesSearch search;
        const int columns = int(search.columns().size());

        // Step by step: a pass per click, X = 1, 2, ... up to the answer, then the answer.
        for (int click = 1; click <= stepsBefore; ++click) {
            const Step s = testsupport::step(search, bySearch::Cmd::StepByStep);
            QCOMPARE(int(s.trace.size()), 1);
            QCOMPARE(int(s.trace[0].values.size()), columns);
            if (click <= answer) {
                QCOMPARE(s.run, Step::Run::GoesOn);
                QCOMPARE(testsupport::lastCaption({s}, bySearch::Val::X), QString::number(click));
                QCOMPARE(testsupport::lastCaption({s}, bySearch::Val::Answer), QString());
            } else {
                QCOMPARE(s.run, Step::Run::Done);
                QCOMPARE(testsupport::lastCaption({s}, bySearch::Val::Answer), said);
            }
        }

        const Step whole = testsupport::step(search, bySearch::Cmd::Calculate);
        QCOMPARE(whole.run, Step::Run::Done);
        QCOMPARE(testsupport::lastCaption({whole}, bySearch::Val::Answer), said);
        QCOMPARE(testsupport::lastCaption({whole}, bySearch::Val::X), QString::number(answer));
        // A row for each pass and one for the answer.
        QCOMPARE(int(whole.trace.size()), int(answer) + 1);

        const Step again = testsupport::step(search, bySearch::Cmd::StepByStep);
        QCOMPARE(again.run, Step::Run::GoesOn);
        QCOMPARE(testsupport::lastCaption({again}, bySearch::Val::X), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(TestCongruences)
#include "tst_congruences.moc"
