// Window behaviour that scenario files cannot reach: the end of a run by a run-time error on
// a window of its own, closing the main window itself, and the time the plot of the longest
// run takes to draw.
#include "framework/application.h"
#include "framework/form.h"
#include "framework/host.h"
#include "problems/problems.h"
#include "shell/main_window.h"
#include "shell/plot_view.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

struct Box {
    QString text;
    int buttons;
    QString title;
};

constexpr framework::Name Out{"Out"}, Go{"Go"}, Again{"Again"}, Line{"Line_1"}, Missing{"Missing(1)"};

// An algorithm whose command writes a caption, then fails with the given error.
class FailingAlgorithm : public framework::AlgorithmOf<FailingAlgorithm> {
public:
    explicit FailingAlgorithm(int error) : error_(error) {}
    QStringList columns() const override { return {QStringLiteral("X")}; }
    void command(framework::Name, const framework::Inputs&, framework::Step& step) override
    {
        step.caption(Out, QStringLiteral("before"));
        throw num::RuntimeError(error_);
        step.caption(Out, QStringLiteral("after"));  // never reached
    }
    void reset(framework::Step&) override {}

private:
    int error_;
};

// A window whose calculate command runs that algorithm, with a new calculation.
class Failing : public framework::Form {
public:
    explicit Failing(int error) : Form(QStringLiteral("Failing"), QStringLiteral("Failing"), 3000, 3000)
    {
        out = addValueLabel(Out.text(), 0, 0);
        go = addButton(Go.text(), QStringLiteral("Go"), {0, 600, 900, 400});
        again = addButton(Again.text(), QStringLiteral("Again"), {0, 1200, 900, 400});
        again->setVisible(false);
        setRun(std::make_unique<FailingAlgorithm>(error), {.calculate = Go, .newCalculation = Again});
    }
    QLabel* out;
    QPushButton* go;
    QPushButton* again;
};

}  // namespace

class FrameworkTest : public QObject {
    Q_OBJECT
    std::vector<Box> boxes;

private slots:
    void init()
    {
        boxes.clear();
        framework::setMessageHook([this](const QString& t, int b, const QString& title) { boxes.push_back({t, b, title}); });
    }
    void cleanup() { framework::setMessageHook({}); }

    void runtimeErrorIsReportedAndTheWindowGoesOn_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("text");
        QTest::newRow("overflow") << 6 << QStringLiteral("Erro de execução 6: Estouro");
        QTest::newRow("division by zero") << 11 << QStringLiteral("Erro de execução 11: Divisão por zero");
        QTest::newRow("type mismatch") << 13 << QStringLiteral("Erro de execução 13: Tipos incompatíveis");
    }
    void runtimeErrorIsReportedAndTheWindowGoesOn()
    {
        QFETCH(int, error);
        QFETCH(QString, text);
        Failing form(error);
        form.show();
        form.go->click();
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].text, text);
        QCOMPARE(boxes[0].buttons, 48);
        QCOMPARE(boxes[0].title, QStringLiteral("Matravel"));
        // What the handler wrote before the error stays; nothing after it ran.
        QCOMPARE(form.out->text(), QStringLiteral("before"));
        // The run ends there: the student can only start over, and the new calculation puts
        // the panel back at rest.
        QVERIFY(!form.go->isEnabled());
        QVERIFY(form.again->isEnabled());
        QVERIFY(!form.again->isHidden());
        form.again->click();
        QCOMPARE(form.out->text(), QString());
        QVERIFY(form.go->isEnabled());
        QVERIFY(!form.again->isEnabled());
        // The window still answers.
        form.go->click();
        QCOMPARE(boxes.size(), size_t(2));
    }

    // A window that names a control it does not have is not made: the fault names the window
    // and the control, whichever way the name reached it.
    void anUnknownControlIsReportedWithItsWindow_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("a lookup") << 0;
        QTest::newRow("a lookup of another kind") << 1;
        QTest::newRow("the frame a row stands in") << 2;
        QTest::newRow("a bracket's closing line") << 3;
        QTest::newRow("a command of the run") << 4;
        QTest::newRow("a box the run locks") << 5;
    }
    void anUnknownControlIsReportedWithItsWindow()
    {
        QFETCH(int, how);
        class Faulty : public framework::Form {
        public:
            explicit Faulty(int how) : Form(QStringLiteral("Faulty"), QStringLiteral("Faulty"), 3000, 3000)
            {
                using C = framework::ControlSpec;
                addControls({{C::Label, Line, "Se", {0, 0}}, {C::Button, Go, "Go", {0, 600, 900, 400}}});
                switch (how) {
                case 0: label(Missing); break;
                case 1: button(Line); break;
                case 2: addControls({{C::Label, "Inside", "", {0, 0}, framework::Default, 0, Missing}}); break;
                case 3: addBrackets(1, {{Line, Missing}}); break;
                case 4: setRun(std::make_unique<FailingAlgorithm>(6), {.calculate = Missing}); break;
                case 5:
                    setRun(std::make_unique<FailingAlgorithm>(6), {.calculate = Go, .lockedWhileRunning = {Missing}});
                    break;
                }
            }
        };
        const QString missing = how == 1 ? QStringLiteral("Line_1") : QStringLiteral("Missing(1)");
        try {
            Faulty form(how);
            QFAIL("the window was made");
        } catch (const framework::UnknownControl& fault) {
            QCOMPARE(QString::fromUtf8(fault.what()), QStringLiteral("Faulty: no control named ") + missing);
        }
    }

    // A screen reader can follow every window: each box says what it holds, each button and
    // window has a name.
    void everyControlHasAnAccessibleName()
    {
        shell::Zarpa01 main;
        main.menuItem(QStringLiteral("Mnu08"))->trigger();
        main.menuItem(QStringLiteral("Mnu_Método2"))->trigger();
        int windows = 0;
        for (QMdiSubWindow* sub : main.workspace()->subWindowList()) {
            auto form = qobject_cast<framework::Form*>(sub->widget());
            QVERIFY(form);
            ++windows;
            QVERIFY2(!form->accessibleName().isEmpty(), qPrintable(form->objectName()));
            for (QWidget* c : form->controls()) {
                const QString where = form->objectName() + QLatin1Char('.') + c->objectName();
                if (qobject_cast<QLineEdit*>(c))
                    QVERIFY2(!c->accessibleName().startsWith(QStringLiteral("Caixa ")), qPrintable(where));
                if (qobject_cast<QPushButton*>(c))
                    QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(where));
            }
        }
        // Every window of the table of problems, and the About window.
        QCOMPARE(windows, int(problems::all().size()) + 1);
    }

    // The table of problems and the windows it makes say the same: the help and the menus read
    // the window's name and title from the table, the window carries them itself. Every window
    // runs its clicks through the run cycle, whose desk check names a column for each value.
    void everyProblemWindowIsTheOneItsRowNames()
    {
        for (const problems::Problem& p : problems::all()) {
            std::unique_ptr<framework::Form> form;
            try {
                form.reset(p.create());
            } catch (const framework::UnknownControl& fault) {
                QFAIL(fault.what());
            }
            QCOMPARE(form->objectName(), QString::fromUtf8(p.form));
            QCOMPARE(form->windowTitle(), QString::fromUtf8(p.title));
            QVERIFY2(form->run(), p.form);
            QVERIFY2(!form->run()->columns().isEmpty(), p.form);
        }
    }

    // The plot is drawn anew after every step: for the longest run (the ball dropped from
    // 1E307 bounces 1030 times) each drawing, the plot made anew from the desk check with it,
    // fits in a frame of a 60 Hz screen.
    void theLongestRunIsPlottedWithinAFrame()
    {
        shell::Zarpa01 main;
        main.show();
        // Closed as the program closes it, its windows first, also when a check fails.
        const auto closed = qScopeGuard([&main] {
            main.close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });
        main.menuItem(QStringLiteral("Mnu07"))->trigger();
        framework::Form* form = main.form(QStringLiteral("Altura_Bola"));
        form->findChild<QLineEdit*>(QStringLiteral("H"))->setText(QStringLiteral("1E307"));
        main.menuItem(QStringLiteral("MnuGrafico"))->trigger();
        QWidget* canvas = main.plotPanel()->canvas();
        auto calculate = form->findChild<QPushButton*>(QStringLiteral("Cmd_Calc"));
        std::vector<qint64> drawings;
        QElapsedTimer clock;
        while (calculate->isEnabled() && drawings.size() < 2000) {
            calculate->click();
            clock.start();
            main.plotPanel()->follow(form);  // the plot made anew, as a new step makes it
            (void)canvas->grab();
            drawings.push_back(clock.nsecsElapsed() / 1000);
        }
        QCOMPARE(main.plotPanel()->plot().main().size(), size_t(1030));
        std::sort(drawings.begin(), drawings.end());
        const qint64 median = drawings[drawings.size() / 2], slowest = drawings.back();
        qInfo("plot of %zu steps: median %.2f ms, 99th percentile %.2f ms, slowest %.2f ms", drawings.size(), median / 1000.0,
              drawings[drawings.size() * 99 / 100] / 1000.0, slowest / 1000.0);
#ifndef MATRAVEL_SANITIZED
        QVERIFY2(median < 16000, "the median drawing takes longer than a frame");
#endif
    }

    // The help is put together from the problems' folders: every row of the table has its
    // section, with the place its heading is filled in, and no section is without its row.
    void everyProblemHasItsSectionOfTheHelp()
    {
        Q_INIT_RESOURCE(help);
        QFile file(QStringLiteral(":/help/ajuda.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(file.readAll());
        for (const problems::Problem& p : problems::all()) {
            const QString anchor = QString::fromUtf8(p.help);
            QVERIFY2(page.contains(QStringLiteral("<li><a href=\"#%1\">").arg(anchor)), p.help);
            QVERIFY2(page.contains(QStringLiteral("<h2><a name=\"%1\"></a>").arg(anchor)), p.help);
            QVERIFY2(page.contains(QStringLiteral("<!--problem %1-->").arg(anchor)), p.help);
        }
        QCOMPARE(page.count(QStringLiteral("<!--problem ")), qsizetype(problems::all().size()));
    }

    void closingTheMainWindowClosesEveryChildFirst()
    {
        shell::Zarpa01 main;
        main.show();
        main.menuItem(QStringLiteral("Mnu08"))->trigger();
        main.menuItem(QStringLiteral("MnuAbout"))->trigger();
        QVERIFY(main.form(QStringLiteral("Trocas_selos")));
        main.close();
        // The last window to close is a problem window (the hide list's order), whose closing
        // handler writes the credit line.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main.workspace()->subWindowList().isEmpty());
        QCOMPARE(main.statusText(), framework::creditLine());
    }
};

int main(int argc, char** argv)
{
    framework::Application app(argc, argv);
    FrameworkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_framework.moc"
