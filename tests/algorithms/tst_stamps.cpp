// Change for every amount up to 20.00: the stamps the loop gives are the fewest that make it up
// exactly, and the amounts that no stamps make up are the ones refused.
#include "problems/stamps/stamps.h"

#include "tests/algorithms/run.h"

#include <QTest>

using framework::Step;
using namespace problems::stamps_controls;

class TestStamps : public QObject {
    Q_OBJECT

private slots:
    void fewestStamps()
    {
        for (int cents = 1; cents <= 2000; ++cents) {
            // The fewest stamps by trying every count of 5-cent stamps.
            int best3 = -1, best5 = -1;
            for (int c5 = 0; c5 * 5 <= cents; ++c5)
                if ((cents - 5 * c5) % 3 == 0 && (best3 < 0 || (cents - 5 * c5) / 3 + c5 < best3 + best5))
                    best3 = (cents - 5 * c5) / 3, best5 = c5;

            problems::Stamps stamps;
            const QString typed = QString::number(cents / 100) + '.' + QString::number(cents % 100).rightJustified(2, '0');
            const auto steps = testsupport::runToEnd(stamps, Cmd::Solve,
                                                     testsupport::Typed{{Box::X, typed}});
            const QByteArray where = typed.toUtf8();
            if (best3 < 0) {
                QVERIFY2(steps.size() == 1 && steps[0].run == Step::Run::Refused, where);
                continue;
            }
            QVERIFY2(steps.back().run == Step::Run::Done, where);
            QCOMPARE(testsupport::lastCaption(steps, Val::Stamps3), QString::number(best3));
            QCOMPARE(testsupport::lastCaption(steps, Val::Stamps5), QString::number(best5));
            // One click per 3-cent stamp, one for the 5-cent stamps when there are any, one to end.
            QCOMPARE(int(steps.size()), best3 + (best5 > 0 ? 1 : 0) + 1);
            // One desk-check row per click, each as wide as the columns.
            for (const Step& s : steps) {
                QCOMPARE(int(s.trace.size()), 1);
                QCOMPARE(s.trace[0].values.size(), stamps.columns().size());
            }
        }
    }

    // Parts of a cent cannot be changed.
    void fractionsOfACent()
    {
        for (const char* typed : {"0.015", "1.001", "3.3333"}) {
            problems::Stamps stamps;
            const Step s = testsupport::step(stamps, Cmd::Solve,
                                             testsupport::Typed{{Box::X, QString::fromUtf8(typed)}});
            QVERIFY2(s.run == Step::Run::Refused, typed);
        }
    }
};

QTEST_GUILESS_MAIN(TestStamps)
#include "tst_stamps.moc"
