#pragma once
// Problem 04: the table of a piecewise f(x) on a closed interval [a, b], one point per click.
#include "framework/form.h"
#include "framework/numbers/value.h"

#include <QPoint>
#include <QString>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
namespace framework { class LineControl; }

namespace problems {

class Intervalo : public framework::Form {
    Q_OBJECT
public:
    Intervalo();

protected:

private:
    // A horizontal rule of the tables, designed from x1 to x2 at the height y (twips).
    struct Rule {
        framework::LineControl* line;
        int x1, y, x2;
        // Makes the rule reach `right` (pixels), or only its designed end when that is enough.
        void reach(int right);
    };

    void Form_Load();
    void Pausa();
    void Command1_Click();
    void CmdNovo_Click();
    // Makes room for what the boxes, values and lists hold now: the boxes as wide as their
    // texts, the values pushing what follows them, the lists side by side with the box and
    // rules around them, the window around it all.
    void arrange() override;
    QPoint designedPos(const QWidget* w) const;

    // Inputs.
    QLineEdit *a_, *b_, *n_;
    QPushButton *Command1_, *CmdNovo_;
    // Value labels.
    QLabel *Interv_, *X_, *bb_;
    // The branches of the "Se" chain.
    QLabel *Xmenor3_, *Xmaior3_, *Xintervalo_, *fxMenor_, *fxMaior_, *fxIntervalo_;
    // The result columns and the loop's bookkeeping.
    QListWidget *Xfinal_, *fx_, *Cont1_, *Cont2_, *X1_, *a1_, *cont3_, *int1_;

    // Working values, named as the panel names them.
    num::Value a, b, n;
    num::Value Intervalo_;
    num::Value X;
    num::Currency Cont;
    num::Currency Fx;
    QString inicio;  // the start flag: "S" while the next click starts a new run

    // What arrange() moves, with where it was designed.
    std::vector<std::pair<QWidget*, QPoint>> designed_;
    QWidget *Line12_, *Line13_, *Line14_, *Line15_, *Line16_, *boxRight_;
    std::vector<Rule> boxRules_, contRules_, stepRules_;
};

}  // namespace problems
