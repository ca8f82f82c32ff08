#include "problems/linear_system/linear_system.h"

#include "framework/text.h"
#include "problems/problems.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace problems {

using namespace framework;
using num::Value;

namespace {

QString name(const char* array, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index); }

// "Det = ( 2 * 3 )  -  (1 * 1 ) = 5": a determinant worked out from its four factors.
QString worked(const char* title, const Value& p, const Value& q, const Value& r, const Value& s,
               const Value& result)
{
    return QString::fromUtf8(title) + QStringLiteral(" = ( ") + shown(p) + QStringLiteral(" * ") + shown(q)
        + QStringLiteral(" )  -  (") + shown(r) + QStringLiteral(" * ") + shown(s) + QStringLiteral(" ) = ")
        + shown(result);
}

// The widest coefficient a box is made to show whole: six significant digits, two of them
// decimals, and a sign.
const QString WidestCoefficient = QStringLiteral("-0000,00");


}  // namespace

Sistema::Sistema() : Form(QStringLiteral("Sistema"), QStringLiteral("Sistema"), 6075, 6825)
{
    // The system, as the student writes it.
    a1_ = addTextBox(QStringLiteral("a1"), QString(), {360, 120, 500, 420}, Pt12Bold);
    addLabel(name("Label1", 0), QStringLiteral("x +"), {960, 120}, Pt135);
    b1_ = addTextBox(QStringLiteral("b1"), QString(), {1440, 120, 500, 420}, Pt12Bold);
    addLabel(name("Label1", 2), QStringLiteral("y ="), {2160, 120}, Pt135);
    c1_ = addTextBox(QStringLiteral("c1"), QString(), {2760, 120, 500, 420}, Pt12Bold);
    a2_ = addTextBox(QStringLiteral("a2"), QString(), {360, 720, 500, 420}, Pt12Bold);
    addLabel(name("Label1", 1), QStringLiteral("x +"), {960, 720}, Pt135);
    b2_ = addTextBox(QStringLiteral("b2"), QStringLiteral(" "), {1440, 720, 500, 420}, Pt12Bold);
    addLabel(name("Label1", 3), QStringLiteral("y ="), {2160, 720}, Pt135);
    c2_ = addTextBox(QStringLiteral("c2"), QString(), {2760, 720, 500, 420}, Pt12Bold);
    for (auto [box, what] : {std::pair{a1_, "Coeficiente a1"}, {b1_, "Coeficiente b1"}, {c1_, "Termo c1"},
                              {a2_, "Coeficiente a2"}, {b2_, "Coeficiente b2"}, {c2_, "Termo c2"}})
        describe(box, QString::fromUtf8(what));
    addLine(QStringLiteral("Line1"), 120, 120, 120, 1080, 2);
    addLine(QStringLiteral("Line3"), 120, 120, 360, 0, 2);
    addLine(QStringLiteral("Line2"), 120, 1080, 360, 1320, 2);
    Cmdcalc_ = addButton(QStringLiteral("Cmdcalc"), QStringLiteral("Cálcule"), {3720, 240, 1215, 735});
    layOutEquations();

    // The determinants, worked out.
    addLabel(QStringLiteral("Label4"), QStringLiteral("Cálculo dos determinantes :"), {360, 1440}, Pt12Bold,
             ole::Blue);
    Label2_[0] = addLabel(name("Label2", 0), QStringLiteral("Det  ="), {360, 1800}, Panel, ole::Red);
    Label2_[1] = addLabel(name("Label2", 1), QStringLiteral("Det_A1 ="), {360, 2160}, Panel, ole::Red);
    Label2_[2] = addLabel(name("Label2", 2), QStringLiteral("Det _A2 ="), {360, 2520}, Panel, ole::Red);

    // The pseudo-code panel.
    addLabels({
        {"Label3(0)", "Se  ( Det =  0 )  então", 480, 2880, 0, 0, Panel},
        {"Label3(1)", "Se  ( Det_A1 = 0 ) e ( Det_A2 = 0 )   então", 1200, 3240, 0, 0, Panel},
        {"Label3(2)", "Sistema possível e indeterminado", 1680, 3600, 0, 0, Panel},
        {"Label3(3)", "Senão-Se  ( Det_A1 <>  0 )  ou  ( Det_A2 <>  0 ) então", 1200, 4080, 0, 0, Panel},
        {"Label3(4)", "Sistema imposssível de determinar", 1680, 4560, 0, 0, Panel},
        {"Label3(5)", "Fim_Se", 1200, 4920, 0, 0, Panel},
        {"Label3(6)", "Senão", 600, 5280, 0, 0, Panel},
        {"Label3(7)", "X  =  Det_A1 / Det   = ", 1080, 5640, 0, 0, Panel},
        {"Label3(9)", "", 3000, 5520, 0, 0, Pt12Bold},
        {"Label3(8)", "Y  =  Det_A2 / Det   =", 1080, 6120, 0, 0, Panel},
        {"Label3(10)", "", 3000, 6120, 0, 0, Pt12Bold},
        {"Label3(11)", "Fim_Se", 480, 6480, 0, 0, Panel},
    });
    for (int i = 0; i < 12; ++i)
        Label3_[i] = label(name("Label3", i));

    // x and y stand after their lines' text, which this face makes wider than their places allow.
    keepClearOf(Label3_[9], Label3_[7], 4);
    keepClearOf(Label3_[10], Label3_[8], 4);

    // Brackets: "Se ( Det = 0 )" to the last "Fim_Se", the inner "Se" to its "Fim_Se".
    addLine(QStringLiteral("Line4"), 120, 3240, 120, 6240);
    addLine(QStringLiteral("Line5"), 120, 3240, 360, 3000);
    addLine(QStringLiteral("Line6"), 120, 6240, 360, 6600);
    addLine(QStringLiteral("Line7"), 960, 3480, 960, 4800);
    addLine(QStringLiteral("Line8"), 960, 3480, 1080, 3360);
    addLine(QStringLiteral("Line9"), 960, 4800, 1080, 5040);

    growToFit();

    setTabOrder({a1_, b1_, a2_, b2_, c1_, c2_, Cmdcalc_});
    onClick(Cmdcalc_, [this] { CmdCalc_Click(); });
    // The worked determinants and the answers may be wider than the window: it grows to show
    // them (also after a run-time error stopped the click half-way).
    onClick(Cmdcalc_, [this] { growToFit(); });
}

void Sistema::layOutEquations()
{
    // Each box is wide enough for the widest coefficient; the words between the boxes, the
    // next box and "Cálcule" follow on from it, never nearer than their places above.
    const int boxWidth = widthToShow(a1_, a1_->width(), WidestCoefficient);
    const int gap = px(60);
    for (QLineEdit* box : {a1_, b1_, c1_, a2_, b2_, c2_})
        box->resize(qMax(box->width(), boxWidth), box->height());
    int end = 0;
    for (int row = 0; row < 2; ++row) {
        QLineEdit* boxes[3] = {row == 0 ? a1_ : a2_, row == 0 ? b1_ : b2_, row == 0 ? c1_ : c2_};
        QLabel* words[2] = {label(name("Label1", row)), label(name("Label1", row + 2))};
        for (int i = 0; i < 2; ++i) {
            words[i]->move(qMax(words[i]->x(), boxes[i]->geometry().right() + 1 + gap), words[i]->y());
            const int wordsEnd = words[i]->x() + QFontMetrics(words[i]->font()).horizontalAdvance(caption(words[i]));
            boxes[i + 1]->move(qMax(boxes[i + 1]->x(), wordsEnd + gap), boxes[i + 1]->y());
        }
        end = qMax(end, boxes[2]->geometry().right() + 1);
    }
    Cmdcalc_->move(qMax(Cmdcalc_->x(), end + px(240)), Cmdcalc_->y());
}

void Sistema::CmdCalc_Click()
{
    for (int i = 0; i <= 10; ++i)
        setForeColor(Label3_[i], ole::ButtonText);
    clear({Label3_[9], Label3_[10]});

    a1 = Value::dbl(valOf(caption(a1_)));
    a2 = Value::dbl(valOf(caption(a2_)));
    b1 = Value::dbl(valOf(caption(b1_)));
    b2 = Value::dbl(valOf(caption(b2_)));
    c1 = Value::dbl(valOf(caption(c1_)));
    c2 = Value::dbl(valOf(caption(c2_)));

    // A product too large for a Double stops here with an overflow.
    Det = a1 * b2 - a2 * b1;
    setCaption(Label2_[0], worked("Det", a1, b2, a2, b1, Det));
    Det_A1 = c1 * b2 - c2 * b1;
    setCaption(Label2_[1], worked("Det_A1", c1, b2, c2, b1, Det_A1));
    Det_A2 = a1 * c2 - a2 * c1;
    setCaption(Label2_[2], worked("Det_A2", a1, c2, a2, c1, Det_A2));

    if (Det != 0.0) {
        light({Label3_[7], Label3_[8]}, ole::Red);
        X = Det_A1 / Det;
        setForeColor(Label3_[9], ole::Red);
        setCaption(Label3_[9], shown(X));
        // y is a Double like x, so that it is shown as computed.
        Y = Det_A2 / Det;
        setForeColor(Label3_[10], ole::Red);
        setCaption(Label3_[10], shown(Y));
    } else {
        setForeColor(Label3_[0], ole::Red);
        if (Det_A1 == 0.0 && Det_A2 == 0.0)
            light({Label3_[1], Label3_[2]}, ole::Red);
        else
            light({Label3_[3], Label3_[4]}, ole::Red);
    }
}

framework::Form* createLinearSystem() { return new Sistema; }

}  // namespace problems
