// Tables of f(x) over several intervals: every f follows its branch of the piecewise rule for
// the x the table shows, and every click leaves one desk-check row that agrees with the rows
// it wrote.
#include "problems/function_table/function_table.h"

#include "tests/algorithms/run.h"

#include <QTest>
#include <cmath>

using framework::Step;

using namespace problems::function_table_controls;

namespace {

// The rows one step added to a list.
QStringList rowsOf(const Step& s, framework::Name list)
{
    QStringList rows;
    for (const framework::Effect& e : s.effects)
        if (e.kind == framework::Effect::Row && e.control == list.text())
            rows << e.text;
    return rows;
}

double f(double x) { return x < -3 ? 2 * x - 3 : x > 3 ? 2 * x - 9 : -x * x / 3; }
}  // namespace

class TestFunctionTable : public QObject {
    Q_OBJECT

private slots:
    void table_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("n");
        QTest::addColumn<int>("points");  // -1: the run never ends
        QTest::newRow("worked example") << "2" << "8" << "2" << 3;
        QTest::newRow("eleven points") << "0" << "1" << "10" << 11;
        QTest::newRow("every branch") << "-10" << "10" << "8" << 9;
        QTest::newRow("fractional n") << "0" << "3" << "1.5" << 2;
        QTest::newRow("decimals") << "-1234.56" << "1234.56" << "7" << 8;
        QTest::newRow("far points") << "1E14" << "1.5E14" << "1" << 2;
        QTest::newRow("a > b") << "8" << "2" << "2" << 0;
        QTest::newRow("a = b") << "4" << "4" << "3" << -1;
        QTest::newRow("negative n") << "0" << "1" << "-1" << -1;
    }
    void table()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, n);
        QFETCH(int, points);
        problems::FunctionTable algorithm;
        const testsupport::Typed typed{{Box::A, a}, {Box::B, b}, {Box::N, n}};
        const auto steps = testsupport::runToEnd(algorithm, Cmd::Calculate, typed, 40);
        QCOMPARE(int(steps.size()), points < 0 ? 40 : points + 1);
        QVERIFY(steps.back().run == (points < 0 ? Step::Run::GoesOn : Step::Run::Done));
        for (size_t i = 0; i < steps.size(); ++i) {
            const Step& s = steps[i];
            QCOMPARE(int(s.trace.size()), 1);
            const QStringList row = s.trace[0].values;  // Intervalo, X, Fx, Cont
            QCOMPARE(row.size(), algorithm.columns().size());
            if (s.run == Step::Run::Done) {
                QVERIFY(rowsOf(s, List::X).isEmpty());
                // The row that ends the loop tabulates nothing: no f beside the X past b.
                QVERIFY(row[2].isEmpty());
                continue;
            }
            const QStringList x = rowsOf(s, List::X), fx = rowsOf(s, List::Fx);
            QCOMPARE(x.size(), 1);
            QCOMPARE(fx.size(), 1);
            const double expected = f(x[0].toDouble());
            QVERIFY2(std::abs(fx[0].toDouble() - expected) <= 0.00005 + std::abs(expected) * 1e-15,
                     qPrintable(x[0] + " -> " + fx[0]));
            // The desk check: the point written, its f, the count after it.
            QCOMPARE(row[1], x[0]);
            QCOMPARE(row[2], fx[0]);
            QCOMPARE(QStringList{row[3]}, rowsOf(s, List::Cont3));
            QCOMPARE(row[3].toInt(), int(i) + 1);
        }
    }

    // n = 0 ends the run at once, and a run-time error stops it: one row each all the same.
    void noTable_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("n");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("error");
        QTest::newRow("n = 0") << "2" << "8" << "0" << 1 << 0;
        QTest::newRow("empty n") << "1" << "2" << "" << 1 << 0;
        QTest::newRow("b - a too large") << "-1E308" << "1E308" << "2" << 1 << num::Overflow;
        QTest::newRow("f past a Currency") << "1E15" << "2E15" << "1" << 1 << num::Overflow;
        QTest::newRow("x walks past a Currency f") << "0" << "1" << "-1E-14" << 6 << num::Overflow;
    }
    void noTable()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, n);
        QFETCH(int, clicks);
        QFETCH(int, error);
        problems::FunctionTable algorithm;
        const testsupport::Typed typed{{Box::A, a}, {Box::B, b}, {Box::N, n}};
        const auto steps = testsupport::runToEnd(algorithm, Cmd::Calculate, typed, 40);
        QCOMPARE(int(steps.size()), clicks);
        QVERIFY(steps.back().run == (error ? Step::Run::Error : Step::Run::Done));
        QCOMPARE(steps.back().error, error);
        QCOMPARE(int(steps.back().trace.size()), 1);
        QCOMPARE(steps.back().trace[0].values.size(), algorithm.columns().size());
        QVERIFY(rowsOf(steps.back(), List::Fx).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFunctionTable)
#include "tst_function_table.moc"
