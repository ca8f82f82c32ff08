// Every system with whole coefficients from -2 to 2: x and y solve both equations, a zero Det
// lights the lines that tell an undetermined system from an impossible one, and the desk check
// has a row for each determinant, the decision, x and y, each holding the values it speaks of.
// An overflow keeps the rows written before it.
#include "problems/linear_system/linear_system.h"

#include "framework/text.h"
#include "tests/algorithms/run.h"

#include <QTest>
#include <cmath>
#include <set>

using framework::Step;

using namespace problems::linear_system_controls;

namespace {
std::set<QString> litLines(const Step& s)
{
    std::set<QString> lit;
    for (const framework::Effect& e : s.effects)
        if (e.kind == framework::Effect::Light)
            lit.insert(e.control);
    return lit;
}

testsupport::Typed system(const QStringList& c)
{
    return {{Box::A1, c[0]}, {Box::B1, c[1]}, {Box::C1, c[2]},
            {Box::A2, c[3]}, {Box::B2, c[4]}, {Box::C2, c[5]}};
}
}  // namespace

class TestLinearSystem : public QObject {
    Q_OBJECT

private slots:
    void everySmallSystem()
    {
        int k[6];
        for (int n = 0; n < 15625; ++n) {
            for (int i = 0, m = n; i < 6; ++i, m /= 5)
                k[i] = m % 5 - 2;
            const auto [a1, b1, c1, a2, b2, c2] = k;
            QStringList typed;
            for (int v : k)
                typed << QString::number(v);
            const QByteArray where = typed.join(' ').toUtf8();

            problems::LinearSystem ls;
            const Step s = testsupport::step(ls, Cmd::Calculate, system(typed));
            QVERIFY2(s.run == Step::Run::Done, where);
            const int det = a1 * b2 - a2 * b1, detA1 = c1 * b2 - c2 * b1, detA2 = a1 * c2 - a2 * c1;
            const QStringList dets = {QString::number(det), QString::number(detA1), QString::number(detA2)};
            // The three determinants, one row each, each showing only those worked so far.
            QVERIFY2(s.trace.size() >= 4, where);
            for (int row = 0; row < 3; ++row)
                QCOMPARE(s.trace[row].values, (dets.mid(0, row + 1) + QStringList(5 - row - 1, QString())));
            for (const framework::TraceRow& row : s.trace)
                QCOMPARE(row.values.size(), ls.columns().size());

            if (det != 0) {
                const double x = ls.X.toDouble(), y = ls.Y.toDouble();
                QVERIFY2(std::abs(a1 * x + b1 * y - c1) < 1e-12 && std::abs(a2 * x + b2 * y - c2) < 1e-12, where);
                QVERIFY2((litLines(s) == std::set<QString>{"Label3(7)", "Label3(8)", "Label3(9)", "Label3(10)"}), where);
                QCOMPARE(int(s.trace.size()), 6);
                // x's row holds x and not yet y; y's row holds both.
                QVERIFY2(!s.trace[4].values[3].isEmpty() && s.trace[4].values[4].isEmpty(), where);
                QCOMPARE(s.trace[5].values.mid(3), (QStringList{framework::shown(ls.X), framework::shown(ls.Y)}));
                QCOMPARE(testsupport::lastCaption({s}, Val::Y), framework::shown(ls.Y));
            } else {
                const bool undetermined = detA1 == 0 && detA2 == 0;
                const std::set<QString> lit = undetermined ? std::set<QString>{"Label3(0)", "Label3(1)", "Label3(2)"}
                                                           : std::set<QString>{"Label3(0)", "Label3(3)", "Label3(4)"};
                QVERIFY2(litLines(s) == lit, where);
                QCOMPARE(int(s.trace.size()), 5);
                QVERIFY2(s.trace.back().said.contains(undetermined ? "indeterminado" : "impossível"), where);
            }
        }
    }

    // Where the overflow stops the click: the rows up to the formula that overflowed, that one
    // still without its value.
    void overflowKeepsTheRowsSoFar_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("lastValues");
        QTest::newRow("Det") << QStringList{"1E200", "0", "0", "0", "1E200", "0"} << 1 << QStringList(5, QString());
        QTest::newRow("Det_A1") << QStringList{"1", "0", "1E200", "0", "1E200", "0"} << 2
                                << QStringList{"1E+200", "", "", "", ""};
        QTest::newRow("Y") << QStringList{"0", "1E-300", "1E10", "1", "0", "0"} << 6
                           << QStringList{"-1E-300", "0", "-10000000000", "0", ""};
    }
    void overflowKeepsTheRowsSoFar()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, rows);
        QFETCH(QStringList, lastValues);
        problems::LinearSystem ls;
        const Step s = testsupport::step(ls, Cmd::Calculate, system(typed));
        QVERIFY(s.run == Step::Run::Error);
        QCOMPARE(s.error, num::Overflow);
        QCOMPARE(int(s.trace.size()), rows);
        QCOMPARE(s.trace.back().values, lastValues);
    }
};

QTEST_GUILESS_MAIN(TestLinearSystem)
#include "tst_linear_system.moc"
