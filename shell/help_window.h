#pragma once
// The program's help: a window of its own beside the main window (not one of its child
// windows), showing the help text with links between its sections.
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace shell {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Owned by the main window; the first show places it beside it.
    explicit HelpWindow(QWidget* mainWindow);

    // Shows the window, or brings it to the front, at the contents of the help.
    void showContents();

    QTextBrowser* browser() const { return browser_; }

    // Letters and size follow the program's zoom; placed again beside the main window.
    void setScale(double scale);

private:
    void placeBesideMainWindow();

    QWidget* mainWindow_;
    QTextBrowser* browser_;
    QPushButton* back_;
    bool placed_ = false;
    double scale_ = 1;
};

}  // namespace shell
