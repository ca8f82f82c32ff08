// The bouncing ball for heights from 1E-300 to 1E307: the bounces counted, the path, the rows
// of the three lists and the ball's tops follow their closed forms, and a height whose path
// passes the Double range stops on the bounce that passes it.
#include "problems/bouncing_ball/bouncing_ball.h"

#include "framework/text.h"
#include "tests/algorithms/run.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <limits>

using framework::Effect;
using framework::Step;
using framework::shownDouble;

using namespace problems::bouncing_ball_controls;

namespace {

// H + H/2 + ... + H/2^n, in closed form.
long double path(double h, int n) { return static_cast<long double>(h) * (2.0L - std::ldexp(1.0L, -n)); }

// Whether a shown sum is the path of H in n bounces: the loop adds in Doubles, each addition
// rounded by at most half an ulp of the sum (below 2H); only the first 55 or so change the
// sum at all, later heights are below half its ulp. The display rule then rounds to 15
// significant digits.
bool showsPath(const QString& text, double h, int n)
{
    bool ok = false;
    const long double shown = text.toDouble(&ok);
    const long double exact = path(h, n);
    const long double digit = std::pow(10.0L, std::floor(std::log10(std::max(shown, exact))) - 14);
    const long double ulp = std::ldexp(1.0L, std::ilogb(2 * h) - 52);
    return ok && std::fabs(shown - exact) <= digit / 2 + 28 * ulp;
}

// The rows a list got over all the steps.
QStringList rows(const std::vector<Step>& steps, framework::Name list)
{
    QStringList texts;
    for (const Step& s : steps)
        for (const Effect& e : s.effects)
            if (e.kind == Effect::Row && e.control == list.text())
                texts << e.text;
    return texts;
}

// The last top the ball was given in a step.
double lastTop(const Step& s)
{
    double top = -1;
    for (const Effect& e : s.effects)
        if (e.kind == Effect::Top && e.control == QLatin1String("Bola"))
            top = e.number;
    return top;
}

std::vector<Step> play(const QString& typed, problems::BouncingBall& ball)
{
    return testsupport::runToEnd(ball, Cmd::Calculate, testsupport::Typed{{Box::H, typed}}, 2000);
}

}  // namespace

class TestBouncingBall : public QObject {
    Q_OBJECT

private slots:
    void closedForms_data()
    {
        QTest::addColumn<QString>("typed");
        for (const char* typed : {"0.001", "0.0010000000000001", "0.002", "0.0015", "1", "4", "10", "1E307"})
            QTest::newRow(typed) << QString::fromUtf8(typed);
        for (int e = -300; e <= 306; e += 9)
            for (const char* mantissa : {"1", "1.5", "2.718281828459045", "9.99"}) {
                const QString typed = QStringLiteral("%1E%2").arg(QString::fromUtf8(mantissa)).arg(e);
                QTest::newRow(qPrintable(typed)) << typed;
            }
    }

    void closedForms()
    {
        QFETCH(QString, typed);
        const double h = framework::valOf(typed);
        // n halvings bring the height to 0.001 or below, n - 1 did not.
        int n = 0;
        while (std::ldexp(h, -n) > 0.001)
            ++n;
        QVERIFY(n == 0 || std::ldexp(h, -(n - 1)) > 0.001);

        problems::BouncingBall ball;
        const std::vector<Step> steps = play(typed, ball);
        QCOMPARE(steps.back().run, Step::Run::Done);
        // One click per bounce, and one for the answer.
        QCOMPARE(int(steps.size()), n + 1);
        QCOMPARE(testsupport::lastCaption(steps, Val::Touched), QString::number(n));
        const QString answer = testsupport::lastCaption(steps, Val::Path);
        QVERIFY2(showsPath(answer, h, n), qPrintable(answer));

        // Bounce k: the path before it, the path after it, the height it reaches.
        const QStringList som = rows(steps, List::Som);
        const QStringList soma = rows(steps, List::Soma);
        const QStringList heights = rows(steps, List::H);
        QCOMPARE(som.size(), n);
        QCOMPARE(soma.size(), n);
        QCOMPARE(heights.size(), n);
        for (int k = 1; k <= n; ++k) {
            QVERIFY2(showsPath(soma[k - 1], h, k), qPrintable(soma[k - 1]));
            // Each bounce starts from the sum the one before ended with; the first from H.
            QCOMPARE(som[k - 1], k == 1 ? shownDouble(h) : soma[k - 2]);
            // Halving a Double is exact.
            QCOMPARE(heights[k - 1], shownDouble(std::ldexp(h, -k)));
            // The ball rises to half its last height over the floor, rounded half to even.
            QCOMPARE(lastTop(steps[k - 1]), std::nearbyint(problems::BouncingBall::GroundTop - std::ldexp(2280.0, -k)));
        }
        // The answer: the ball lies on the floor (on the drop height when it never bounced).
        QCOMPARE(lastTop(steps.back()),
                 n == 0 ? problems::BouncingBall::DropTop : problems::BouncingBall::FloorTop);

        // One desk-check row per click, the last with the values of the answer.
        for (const Step& s : steps)
            QCOMPARE(int(s.trace.size()), 1);
        const QStringList last = steps.back().trace[0].values;
        QCOMPARE(last, (QStringList{shownDouble(std::ldexp(h, -n)), answer, QString::number(n)}));
        QCOMPARE(answer, n == 0 ? shownDouble(h) : soma.last());
    }

    // The path passes the Double range on the bounce whose sum does: the run stops there with
    // an overflow, counting only the bounces before it.
    void overflow_data()
    {
        QTest::addColumn<QString>("typed");
        for (const char* typed : {"1E308", "1.5E308", "1.7E308", "9.5E307", "9.2E307", "9.01E307"})
            QTest::newRow(typed) << QString::fromUtf8(typed);
    }

    void overflow()
    {
        QFETCH(QString, typed);
        const double h = framework::valOf(typed);
        const long double max = std::numeric_limits<double>::max();
        int k = 1;
        while (static_cast<long double>(h) * (2.0L - std::ldexp(1.0L, -k)) <= max)
            ++k;

        problems::BouncingBall ball;
        const std::vector<Step> steps = play(typed, ball);
        QCOMPARE(int(steps.size()), k);
        QCOMPARE(steps.back().run, Step::Run::Error);
        QCOMPARE(steps.back().error, num::Overflow);
        QCOMPARE(rows(steps, List::Soma).size(), k - 1);
        QCOMPARE(rows(steps, List::Som).size(), k);
        QCOMPARE(testsupport::lastCaption(steps, Val::Cont), k > 1 ? QString::number(k - 1) : QString());
        // The row of the stopped click keeps the count before it.
        QCOMPARE(steps.back().trace.size(), size_t(1));
        QCOMPARE(steps.back().trace[0].values.last(), QString::number(k - 1));
    }

    // A height read as 0 or below starts nothing, and the next click reads the box again.
    void refused_data()
    {
        QTest::addColumn<QString>("typed");
        for (const char* typed : {"", "0", "-1", "abc", "-1E-300", "0E5"})
            QTest::newRow(typed) << QString::fromUtf8(typed);
    }

    void refused()
    {
        QFETCH(QString, typed);
        problems::BouncingBall ball;
        const Step s = testsupport::step(ball, Cmd::Calculate, testsupport::Typed{{Box::H, typed}});
        QCOMPARE(s.run, Step::Run::Refused);
        QCOMPARE(lastTop(s), problems::BouncingBall::DropTop);
        QCOMPARE(s.trace.size(), size_t(1));
        QCOMPARE(s.trace[0].values, (QStringList{QString(), QString(), QString()}));
        const std::vector<Step> again = play(QStringLiteral("2"), ball);
        QCOMPARE(rows(again, List::Som).first(), QStringLiteral("2"));
    }
};

QTEST_GUILESS_MAIN(TestBouncingBall)
#include "tst_bouncing_ball.moc"
