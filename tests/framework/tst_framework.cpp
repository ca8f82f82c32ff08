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

// An algorithm whose command writes a caption, then fails with the given error.
class FailingAlgorithm : public framework::AlgorithmOf<FailingAlgorithm> {
public:
    explicit FailingAlgorithm(int error) : error_(error) {}
    QStringList columns() const override { return {QStringLiteral("X")}; }
    void command(const QString&, const framework::Inputs&, framework::Step& step) override
    {
        step.caption(QStringLiteral("Out"), QStringLiteral("before"));
        throw num::RuntimeError(error_);
        step.caption(QStringLiteral("Out"), QStringLiteral("after"));  // never reached
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
        out = addValueLabel(QStringLiteral("Out"), 0, 0);
        go = addButton(QStringLiteral("Go"), QStringLiteral("Go"), {0, 600, 900, 400});
        again = addButton(QStringLiteral("Again"), QStringLiteral("Again"), {0, 1200, 900, 400});
        again->setVisible(false);
        setRun(std::make_unique<FailingAlgorithm>(error),
               {.calculate = QStringLiteral("Go"), .newCalculation = QStringLiteral("Again")});
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
        QCOMPARE(windows, 14);
    }

    // The table of problems and the windows it makes say the same: the help and the menus read
    // the window's name and title from the table, the window carries them itself. Every window
    // runs its clicks through the run cycle, whose desk check names a column for each value.
    void everyProblemWindowIsTheOneItsRowNames()
    {
        for (const problems::Problem& p : problems::all()) {
            std::unique_ptr<framework::Form> form(p.create());
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
        QVERIFY2(median < 16000, "the median drawing takes longer than a frame");
        // Closed as the program closes it, its windows first.
        main.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
