#pragma once
// The main window: the frame of every other window, its menus, its blinking status bar.
#include "framework/form.h"
#include "framework/host.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <cstdint>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QStatusBar;
class QTimer;


namespace shell {

class DeskCheck;
class HelpWindow;
class PlotPanel;

class Zarpa01 : public QMainWindow, public framework::Host {
    Q_OBJECT
public:
    Zarpa01();
    ~Zarpa01() override;

    void setStatusText(const QString& text) override;
    QString statusText() const override;

    QStatusBar* statusBarControl() const { return statusBar_; }
    QTimer* timer() const { return timer_; }
    QMdiArea* workspace() const { return mdi_; }
    QAction* menuItem(const QString& name) const;
    // The child window of that form name, or null when it does not exist.
    framework::Form* form(const QString& name) const;
    QMdiSubWindow* subWindow(const QString& name) const;
    bool ended() const { return ended_; }
    // The help window, or null before "&Ajuda do Programa" is first chosen.
    HelpWindow* helpWindow() const { return help_; }

    // One tick of the blink timer (what the timer does every 600 ms).
    void Temporizador();

    // The menu "E&xibir" (view_menu.cpp): the desk check of the active problem window, going
    // back a step, the run that plays by itself, and export.
    DeskCheck* deskCheck();
    // "Gráfico": the plot of the same run, made the first time it is shown.
    PlotPanel* plotPanel();
    // The problem window shown last, whose desk check the menu shows.
    framework::Form* activeProblem() const { return problem_; }
    QTimer* playTimer() const { return play_; }
    // One step of "Executar sozinho" (what its timer does at each beat).
    void playStep();
    void setPlaying(bool on);
    // Writes the desk check of the active window, with its title, statement and picture, as
    // PDF or as CSV (by the file's ending); false, with the reason in `why`, when the file
    // cannot be written whole (an earlier file is then left as it was).
    bool exportDeskCheck(const QString& file, QString* why = nullptr);
    // The kinds of file the export dialog offers, and a name with the ending of its kind.
    static QStringList exportKinds();
    static QString withKind(const QString& file, const QString& kind);
    // The zoom of every window, in percent (100, 125, 150, 200, 250 or 300).
    int zoom() const { return zoom_; }
    void setZoom(int percent);
    // "Cores de projetor": every text painted legible on a projector, in every window.
    void setProjectorColors(bool on);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildViewMenu();
    void followActiveWindow();
    void showDeskCheck(bool on);
    void fitDeskCheck();
    void showPlot(bool on);
    void fitPlot();
    void stepForward();
    void exportChosen();
    void exportTo(const QString& file);
    QAction* addItem(QWidget* menu, const char* name, const QString& caption, const QKeySequence& key);
    void openProblem(const QString& formName, const QString& statement);
    void Esconder_SubProgramas();
    QMdiSubWindow* ensureWindow(const QString& name);
    void showChild(QMdiSubWindow* window);
    void fitChild(QMdiSubWindow* window);

    void MDIForm_Load();
    void MnuStop_Click();
    void MnuAnimar_Click();
    void Mnu_Esconder_questao_Click();
    void Mnu_Mostrar_Questao_Click();
    void Mnufechar_Click();
    void MnuAbout_Click();
    void MnuHelp_Click();

    QMdiArea* mdi_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QTimer* timer_ = nullptr;
    HelpWindow* help_ = nullptr;
    DeskCheck* desk_ = nullptr;
    PlotPanel* plot_ = nullptr;
    QPointer<framework::Form> problem_;
    QTimer* play_ = nullptr;
    int zoom_ = 100;
    bool zooming_ = false;  // the windows are being made anew at another zoom
    std::int16_t blinkFlag_ = 0;
    bool ended_ = false;
};

// A window of the program by its form name (the About window or a problem window), or null.
framework::Form* createForm(const QString& name);

// The notice the status bar shows at start.
QString startNotice();
// The text "&Sobre" writes.
QString contactMessage();

}  // namespace shell
