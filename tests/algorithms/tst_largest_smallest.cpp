// Every three numbers from -3 to 3 half a unit apart: Maior is the largest and Menor the
// smallest rounded half to even, in the answer and in the last desk-check row, with the lines
// of the branches taken lit; the click has a row for the reading and for each decision and
// assignment. An overflow of Menor keeps the rows before it.
#include "problems/largest_smallest/largest_smallest.h"

#include "framework/text.h"
#include "tests/algorithms/run.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <set>

using framework::Step;

using namespace problems::largest_smallest_controls;

namespace {
testsupport::Typed numbers(const QString& n1, const QString& n2, const QString& n3)
{
    return {{Box::N1, n1}, {Box::N2, n2}, {Box::N3, n3}};
}

std::set<int> litLines(const Step& s)
{
    std::set<int> lit;
    for (const framework::Effect& e : s.effects)
        if (e.kind == framework::Effect::Light)
            lit.insert(e.control.mid(7).chopped(1).toInt());  // "Label1(12)"
    return lit;
}
}  // namespace

class TestLargestSmallest : public QObject {
    Q_OBJECT

private slots:
    void everyHalf()
    {
        for (int i = -6; i <= 6; ++i)
            for (int j = -6; j <= 6; ++j)
                for (int k = -6; k <= 6; ++k) {
                    const double a = i / 2.0, b = j / 2.0, c = k / 2.0;
                    const QByteArray where = QStringLiteral("%1 %2 %3").arg(a).arg(b).arg(c).toUtf8();
                    problems::LargestSmallest algorithm;
                    const Step s = testsupport::step(
                        algorithm, Cmd::Calculate,
                        numbers(QString::number(a), QString::number(b), QString::number(c)));
                    QVERIFY2(s.run == Step::Run::Done, where);
                    const double largest = std::max({a, b, c});
                    const double smallest = std::nearbyint(std::min({a, b, c}));
                    QVERIFY2(algorithm.Maior.toDouble() == largest, where);
                    QVERIFY2(algorithm.Menor == smallest, where);

                    std::set<int> lit = a > b ? std::set<int>{4, 5, 6} : std::set<int>{7, 8, 9};
                    const double firstSmallest = std::nearbyint(std::min(a, b));
                    int rows = 1 + 3 + 1;
                    if (c > std::max(a, b))
                        lit.insert({11, 12}), rows += 1;
                    else if (c < firstSmallest)
                        lit.insert({14, 15}), rows += 2;
                    else
                        rows += 1;
                    QVERIFY2(litLines(s) == lit, where);
                    QVERIFY2(int(s.trace.size()) == rows, where);
                    for (const framework::TraceRow& row : s.trace)
                        QCOMPARE(row.values.size(), algorithm.columns().size());
                    // The reading's row holds only the numbers; the last one the answer.
                    QVERIFY2(s.trace.front().values.mid(3) == QStringList(2, QString()), where);
                    QCOMPARE(QStringLiteral("Maior = ") + s.trace.back().values[3],
                             testsupport::lastCaption({s}, Val::Maior));
                    QCOMPARE(QStringLiteral("Menor = ") + s.trace.back().values[4],
                             testsupport::lastCaption({s}, Val::Menor));
                }
    }

    void menorOverflows_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("lastValues");
        // In the first decision: Maior is taken, Menor is not.
        QTest::newRow("N1") << QStringList{"40000", "50000", "1"} << 4
                            << QStringList{"40000", "50000", "1", "50000", ""};
        QTest::newRow("N2") << QStringList{"7", "-40000", "1"} << 4 << QStringList{"7", "-40000", "1", "7", ""};
        // In the second: Menor keeps the value of the first.
        QTest::newRow("N3") << QStringList{"1", "2", "-32769"} << 7 << QStringList{"1", "2", "-32769", "2", "1"};
    }
    void menorOverflows()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, rows);
        QFETCH(QStringList, lastValues);
        problems::LargestSmallest algorithm;
        const Step s = testsupport::step(algorithm, Cmd::Calculate, numbers(typed[0], typed[1], typed[2]));
        QVERIFY(s.run == Step::Run::Error);
        QCOMPARE(s.error, num::Overflow);
        QCOMPARE(int(s.trace.size()), rows);
        QCOMPARE(s.trace.back().values, lastValues);
        QCOMPARE(testsupport::lastCaption({s}, Val::Menor), QString());
    }
};

QTEST_GUILESS_MAIN(TestLargestSmallest)
#include "tst_largest_smallest.moc"
