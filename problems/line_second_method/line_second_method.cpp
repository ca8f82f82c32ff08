#include "problems/line_second_method/line_second_method.h"

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
// The widest coordinate a box is made to show whole: six significant digits, two of them
// decimals, and a sign.
const QString WidestCoordinate = QStringLiteral("-0000,00");
// The widest answer two such points give: both coefficients of nine characters and the constant
// with fifteen significant digits and an exponent, as a sum that is nearly 0 leaves it. The
// window holds it from the start.
const QString WidestAnswer = QStringLiteral("-19999,98Y = -19999,98X -1,42108547152020E-14");
// The place of the answer, and how far left it may go for a long one: under the start
// of its "Escreva" line, clear of the brackets that run below that line's column.
constexpr int AnswerLeft = 7200, AnswerLeftmost = 6120;
}  // namespace

LineSecondMethodForm::LineSecondMethodForm()
    : Form(QStringLiteral("EquaçãoReta"), QStringLiteral("Equação Da reta ( versão 2 )"), 7710, 7110)
{
    // Each point reads "A = ( x , y )", the boxes between the parentheses: the words around
    // them are labels of their own, so that a wide box never hides one.
    addLabel(QStringLiteral("Label1(0)"), QStringLiteral("A = ("), {360, 480}, Pt135Bold);
    X_[0] = addTextBox(QStringLiteral("X(0)"), QStringLiteral("-1"), {1080, 510, 490, 375}, PanelBold);
    addLabel(QStringLiteral("Vírgula(0)"), QStringLiteral(","), {1560, 480}, Pt135Bold);
    Y_[0] = addTextBox(QStringLiteral("Y(0)"), QStringLiteral("2"), {1800, 510, 490, 375}, PanelBold);
    addLabel(QStringLiteral("Parêntese(0)"), QStringLiteral(")"), {2280, 480}, Pt135Bold);
    addLabel(QStringLiteral("Label1(1)"), QStringLiteral("B = ("), {3120, 480}, Pt135Bold);
    X_[1] = addTextBox(QStringLiteral("X(1)"), QStringLiteral("1"), {3840, 480, 490, 375}, PanelBold);
    addLabel(QStringLiteral("Vírgula(1)"), QStringLiteral(","), {4320, 480}, Pt135Bold);
    Y_[1] = addTextBox(QStringLiteral("Y(1)"), QStringLiteral("3"), {4560, 480, 490, 375}, PanelBold);
    addLabel(QStringLiteral("Parêntese(1)"), QStringLiteral(")"), {5040, 480}, Pt135Bold);
    describe(X_[0], QStringLiteral("Abscissa do ponto A"));
    describe(Y_[0], QStringLiteral("Ordenada do ponto A"));
    describe(X_[1], QStringLiteral("Abscissa do ponto B"));
    describe(Y_[1], QStringLiteral("Ordenada do ponto B"));
    Cmd_Calculo_ = addButton(QStringLiteral("Cmd_Calculo"), QStringLiteral("Calcular"), {6720, 360, 1455, 855});
    layOutPoints();
    buildPanel();
    buildBrackets();
    Wa_ = addValueLabel(QStringLiteral("Wa"), 2640, 3600);
    Wb_ = addValueLabel(QStringLiteral("Wb"), 2640, 3960);
    Wc_ = addValueLabel(QStringLiteral("Wc"), 3600, 4320);
    Resp_ = addValueLabel(QStringLiteral("Resp"), 7200, 6840, Pt12Bold);
    keepClearOf(Wa_, label(QStringLiteral("Label2(3)")), px(30));
    keepClearOf(Wb_, label(QStringLiteral("Label2(4)")), px(30));
    keepClearOf(Wc_, label(QStringLiteral("Label2(5)")), px(30));
    growToFit();
    const int widestAnswer = px(AnswerLeftmost) + QFontMetrics(Resp_->font()).horizontalAdvance(WidestAnswer) + px(120);
    if (widestAnswer > width())
        setFixedSize(widestAnswer, height());

    setTabOrder({Cmd_Calculo_, Y_[1], Y_[0], X_[1], X_[0]});
    onClick(Cmd_Calculo_, [this] { Cmd_Calculo_Click(); });
    // Also after a run-time error stopped the click half-way.
    onClick(Cmd_Calculo_, [this] { placeAnswer(); });
}

void LineSecondMethodForm::layOutPoints()
{
    // Each box is wide enough for the widest coordinate; what follows it on the row follows on
    // from it, never nearer than its place above.
    const int boxWidth = widthToShow(X_[0], X_[0]->width(), WidestCoordinate);
    const int gap = 3;
    int end = 0;
    for (int i = 0; i < 2; ++i) {
        QWidget* row[5] = {label(QStringLiteral("Label1(%1)").arg(i)), X_[i], label(QStringLiteral("Vírgula(%1)").arg(i)),
                           Y_[i], label(QStringLiteral("Parêntese(%1)").arg(i))};
        row[0]->move(qMax(row[0]->x(), end + (i ? px(360) : 0)), row[0]->y());
        X_[i]->resize(qMax(X_[i]->width(), boxWidth), X_[i]->height());
        Y_[i]->resize(qMax(Y_[i]->width(), boxWidth), Y_[i]->height());
        for (int k = 1; k < 5; ++k)
            row[k]->move(qMax(row[k]->x(), row[k - 1]->geometry().right() + 1 + gap), row[k]->y());
        end = row[4]->geometry().right() + 1;
    }
    Cmd_Calculo_->move(qMax(Cmd_Calculo_->x(), end + px(240)), Cmd_Calculo_->y());
}

void LineSecondMethodForm::placeAnswer()
{
    // The answer stands in its place while it fits the window; a longer one moves
    // left, as far as the start of its "Escreva" line, and beyond that the window grows.
    const int room = width() - px(120) - Resp_->width();
    Resp_->move(qBound(px(AnswerLeftmost), room, px(AnswerLeft)), Resp_->y());
    growToFit();
}

void LineSecondMethodForm::buildPanel()
{
    addLabels({
        {"Label3(0)", "Algorítmo Equação_Reta", 360, 960, 0, 0, Panel, ole::Blue},
        {"Label3(1)", "Inteiro : X0, X1, Y0, Y1 , a, b, c", 600, 1320, 0, 0, Panel},
        {"Label3(2)", "Literal : Sinal1*1 , Sinal2*1,  Sinal3 *1", 600, 1680, 0, 0, Panel},
        {"Label3(3)", "Início", 600, 2040, 0, 0, Panel},
        {"Label2(0)", "Se  ( X1 - X0 = 0 )  então", 840, 2400, 0, 0, Panel},
        {"Label2(1)", "Escreva ( \"Impossível Calcular !!!)", 1440, 2880, 0, 0, Panel},
        {"Label2(2)", "Senão", 960, 3240, 0, 0, Panel},
        {"Label2(3)", "a = X1 - X0 =", 1440, 3600, 0, 0, Panel},
        {"Label2(4)", "b = Y1 - Y0 =", 1440, 3960, 0, 0, Panel},
        {"Label2(5)", "c = - b * X0  +  a *  Y0   =", 1440, 4320, 0, 0, Panel},
        {"Label2(6)", "Se a > 0 então", 1440, 4800, 0, 0, Panel},
        {"Label2(7)", "Sinal1 = \" \"", 1800, 5160, 0, 0, Panel},
        {"Label2(8)", "Senão", 1560, 5520, 0, 0, Panel},
        {"Label2(9)", "Sinal1 = \" - \"", 1800, 5880, 0, 0, Panel},
        {"Label2(10)", "a = - 1 * a", 1800, 6240, 0, 0, Panel},
        {"Label2(11)", "Fim_Se", 1440, 6600, 0, 0, Panel},
        {"Label2(12)", "Se b> 0 então", 6120, 2160, 0, 0, Panel},
        {"Label2(13)", "Sinal2 = \" \"", 6480, 2520, 0, 0, Panel},
        {"Label2(14)", "Senão", 6240, 2880, 0, 0, Panel},
        {"Label2(15)", "Sinal2 = \" - \"", 6480, 3240, 0, 0, Panel},
        {"Label2(16)", "b = - 1 * b", 6480, 3600, 0, 0, Panel},
        {"Label2(17)", "Fim_Se", 6120, 3960, 0, 0, Panel},
        {"Label2(23)", "Se c > 0 então", 6120, 4320, 0, 0, Panel},
        {"Label2(22)", "Sinal3 = \" + \"", 6480, 4680, 0, 0, Panel},
        {"Label2(21)", "Senão", 6240, 5040, 0, 0, Panel},
        {"Label2(20)", "Sinal3 = \" - \"", 6480, 5400, 0, 0, Panel},
        {"Label2(19)", "c = - 1 * c", 6480, 5760, 0, 0, Panel},
        {"Label2(18)", "Fim_Se", 6120, 6120, 0, 0, Panel},
        {"Label3(5)", "Escreva ( Sinal1 / a / \"Y = \" / Sinal2/ b / \"X \" / Sinal3  / c )", 6120, 6480, 0, 0, Panel},
        {"Label2(24)", "Fim_Se", 5760, 7320, 0, 0, Panel},
        {"Label3(4)", "Fim", 5520, 7680, 0, 0, Panel},
    });
    impossible_ = label(QStringLiteral("Label2(1)"));
}

void LineSecondMethodForm::buildBrackets()
{
    // A bracket down the left of each "Se" block: a stroke beside the opening line, the
    // vertical, and a stroke to the closing line.
    struct Bracket {
        int x, top, bottom, textLeft;
    };
    const Bracket blocks[3] = {
        {1320, 4800, 6600, 1440},  // Se a > 0
        {6000, 2160, 3960, 6120},  // Se b> 0
        {6000, 4320, 6120, 6120},  // Se c > 0
    };
    constexpr int toMiddle = 120;  // from a line's top to the middle of its text
    for (int i = 0; i < 3; ++i) {
        const Bracket& b = blocks[i];
        addLine(QStringLiteral("Line1(%1)").arg(i), b.textLeft - 30, b.top + toMiddle, b.x, b.top + toMiddle + 120);
        addLine(QStringLiteral("Line2(%1)").arg(i), b.x, b.top + toMiddle + 120, b.x, b.bottom + toMiddle - 120);
        addLine(QStringLiteral("Line3(%1)").arg(i), b.x, b.bottom + toMiddle - 120, b.textLeft - 30, b.bottom + toMiddle);
    }
    // The outer "Se" runs from the left column into the right one, to its "Fim_Se".
    addLine(QStringLiteral("Line4"), 810, 2400 + toMiddle, 720, 2400 + toMiddle + 120);
    addLine(QStringLiteral("Line5"), 720, 2400 + toMiddle + 120, 720, 6960);
    addLine(QStringLiteral("Line6"), 720, 6960, 5640, 6960);
    addLine(QStringLiteral("Line7"), 5640, 6960, 5730, 7320 + toMiddle);
    // "Início" to "Fim", in blue like the algorithm's heading.
    addLine(QStringLiteral("Line8"), 570, 2040 + toMiddle, 480, 2040 + toMiddle + 120, 1, ole::Blue);
    addLine(QStringLiteral("Line9"), 480, 2040 + toMiddle + 120, 480, 7080, 1, ole::Blue);
    addLine(QStringLiteral("Line10"), 480, 7080, 5400, 7080, 1, ole::Blue);
    addLine(QStringLiteral("Line11"), 5400, 7080, 5490, 7680 + toMiddle, 1, ole::Blue);
}

void LineSecondMethodForm::Cmd_Calculo_Click()
{
    const Value X0 = Value::text(ss(caption(X_[0])));
    const Value X1 = Value::text(ss(caption(X_[1])));
    const Value Y0 = Value::text(ss(caption(Y_[0])));
    const Value Y1 = Value::text(ss(caption(Y_[1])));

    if (X1 - X0 == 0.0) {
        messageBox(QStringLiteral("Impossível Calcular !!!"), Information, QStringLiteral("Equação da Reta"));
        setForeColor(impossible_, ole::Red);
        return;
    }

    Value a = X1 - X0;
    Value b = Y1 - Y0;
    double c = ((-b) * X0 + a * Y0).toDouble();
    setCaption(Wa_, shown(a));
    setCaption(Wb_, shown(b));
    setCaption(Wc_, shownDouble(c));

    const Value minusOne = Value::integer(-1);
    Value Sinal1, Sinal2;
    QString Sinal3;
    if (a > 0.0) {
        Sinal1 = Value::text("");
    } else {
        Sinal1 = Value::text("-");
        a = minusOne * a;
    }
    if (b > 0.0) {
        Sinal2 = Value::text("");
    } else {
        Sinal2 = Value::text("-");
        b = minusOne * b;
    }
    if (c > 0) {
        Sinal3 = QStringLiteral("+");
    } else {
        Sinal3 = QStringLiteral("-");
        c = -1 * c;
    }

    const QString answer = shown(Sinal1) + shown(a) + QStringLiteral("Y = ") + shown(Sinal2) + shown(b) +
                           QStringLiteral("X ") + Sinal3 + shownDouble(c);
    setCaption(Resp_, answer);
    messageBox(answer, Exclamation, QStringLiteral("Resposta Final"));
}

Form* createLineSecondMethod() { return new LineSecondMethodForm; }

}  // namespace problems
