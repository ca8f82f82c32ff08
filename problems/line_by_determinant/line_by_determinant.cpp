#include "problems/line_by_determinant/line_by_determinant.h"

#include "framework/text.h"
#include "problems/problems.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace problems {

using namespace framework;

namespace {
QString indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

// The magnitude of a coordinate as text: a negative one goes through the text-to-number
// conversion, is negated and written back (so it follows the user's locale); any other is
// kept as typed.
QString magnitude(const QString& typed)
{
    if (valOf(typed) < 0) {
        const double positive = num::checked(num::textToDouble(ss(typed)) * -1);
        return shownDouble(valOf(shownDouble(positive)));
    }
    return typed;
}

QString sign(bool plus) { return plus ? QStringLiteral("+") : QStringLiteral("-"); }

// Whether two factors are both above 0 or both below 0, or one above and the other below; with
// a zero factor neither holds.
bool sameSign(double p, double q) { return (p > 0 && q > 0) || (p < 0 && q < 0); }
bool oppositeSigns(double p, double q) { return (p > 0 && q < 0) || (p < 0 && q > 0); }

// One coefficient of the answer: its sign, then its magnitude by the Str rule.
QString term(double coefficient) { return sign(coefficient > 0) + qs(num::strDouble(std::fabs(coefficient))); }
}  // namespace

LineByDeterminantForm::LineByDeterminantForm()
    : Form(QStringLiteral("Equação_Reta"), QStringLiteral("Equação da reta"), 6855, 6690)
{
    addLabel(QStringLiteral("Label4"), QStringLiteral("Digite as coordenadas  A e B"), {240, 120}, Pt12);
    addLabel(QStringLiteral("Label1(0)"), QStringLiteral("A = (       ,       )"), {240, 600}, Pt135Bold);
    X_[0] = addTextBox(QStringLiteral("X(0)"), QStringLiteral("-1"), {960, 600, 490, 375}, PanelBold);
    Y_[0] = addTextBox(QStringLiteral("Y(0)"), QStringLiteral("2"), {1680, 630, 490, 375}, PanelBold);
    addLabel(QStringLiteral("Label1(1)"), QStringLiteral("B = (       ,       )"), {240, 1200}, Pt135Bold);
    X_[1] = addTextBox(QStringLiteral("X(1)"), QStringLiteral("1"), {960, 1200, 490, 375}, PanelBold);
    Y_[1] = addTextBox(QStringLiteral("Y(1)"), QStringLiteral("3"), {1680, 1200, 490, 375}, PanelBold);
    describe(X_[0], QStringLiteral("Abscissa do ponto A"));
    describe(Y_[0], QStringLiteral("Ordenada do ponto A"));
    describe(X_[1], QStringLiteral("Abscissa do ponto B"));
    describe(Y_[1], QStringLiteral("Ordenada do ponto B"));
    CmdSolve_ = addButton(QStringLiteral("CmdSolve"), QStringLiteral("Resolver"), {3000, 600, 1935, 615});
    for (int i = 0; i < 2; ++i) {
        WX_[i] = addLabel(indexed("WX", i), QStringLiteral("Label4"), {3240, 600 + 360 * i});
        WY_[i] = addLabel(indexed("WY", i), QStringLiteral("Label4"), {3840, 600 + 360 * i});
        WX_[i]->hide();
        WY_[i]->hide();
    }
    buildDeterminant();

    Calc_[0] = addValueLabel(QStringLiteral("Calc(0)"), 360, 3480, Pt12Bold, ole::ButtonText);
    Calc_[1] = addValueLabel(QStringLiteral("Calc(1)"), 360, 3960, Pt12Bold, ole::ButtonText);
    const int termLeft[12] = {360, 600, 1080, 1320, 1800, 2040, 2760, 3000, 3480, 3720, 4320, 4560};
    for (int i = 0; i < 12; ++i)
        Calc1_[i] = addValueLabel(indexed("Calc1", i), termLeft[i], 4440, Pt135Bold, ole::ButtonText);
    setCaption(Calc1_[11], QStringLiteral(" "));
    addLabel(QStringLiteral("Label3(1)"), QStringLiteral("="), {5280, 4440}, Pt135Bold);
    addLabel(QStringLiteral("Label3(2)"), QStringLiteral("="), {360, 5040}, Pt135Bold);
    Resposta_ = addValueLabel(QStringLiteral("Resposta"), 600, 5040, Pt135Bold, ole::ButtonText);

    setTabOrder({X_[0], X_[1], Y_[0], Y_[1], CmdSolve_});
    onClick(CmdSolve_, [this] { CmdSolve_Click(); });
    // The products written out may be wider than the window: it then grows to show them (also
    // after a run-time error stopped the click half-way).
    onClick(CmdSolve_, [this] { growToFit(); });
}

void LineByDeterminantForm::buildDeterminant()
{
    addLabel(QStringLiteral("Label1(2)"), QStringLiteral(" X      Y     1     X      Y"), {480, 1800}, Pt135Bold);
    const int rowTop[2] = {2280, 2760};
    for (int i = 0; i < 2; ++i) {
        const QString x = QStringLiteral("X%1").arg(i);
        const QString y = QStringLiteral("Y%1").arg(i);
        X0_[i] = addLabel(indexed("X0", i), x, {480, rowTop[i]}, Pt135Bold);
        Y0_[i] = addLabel(indexed("Y0", i), y, {1200, rowTop[i]}, Pt135Bold);
        addLabel(indexed("Label2", i), QStringLiteral("1"), {1920, rowTop[i]}, Pt135Bold);
        X1_[i] = addLabel(indexed("X1", i), x, {2520, rowTop[i]}, Pt135Bold);
        Y1_[i] = addLabel(indexed("Y1", i), y, {3240, rowTop[i]}, Pt135Bold);
    }
    addLabel(QStringLiteral("Label3(0)"), QStringLiteral("="), {3960, 2400}, Pt135Bold);

    // The bars of the determinant.
    addLine(QStringLiteral("Line1(0)"), 360, 1800, 360, 3240, 3);
    addLine(QStringLiteral("Line1(1)"), 3720, 1800, 3720, 3240, 3);
    // The diagonals of the extended determinant, from a column's entry in one outer row to the
    // entry two columns on in the other: falling ones (added products) black, rising ones
    // (subtracted products) red.
    const int column[5] = {480, 1200, 1920, 2520, 3240};
    constexpr int firstRow = 1920, lastRow = 2940, inset = 60;
    for (int k = 0; k < 3; ++k) {
        const int from = column[k] + inset, to = column[k + 2] + 3 * inset;
        addLine(QStringLiteral("Line%1").arg(2 + k), from, firstRow, to, lastRow, 1, ole::Black);
        addLine(QStringLiteral("Line%1").arg(5 + k), from, lastRow, to, firstRow, 1, ole::Red);
    }
}

void LineByDeterminantForm::CmdSolve_Click()
{
    auto text = [](QLineEdit* box) { return caption(box); };
    auto value = [](QLineEdit* box) { return valOf(caption(box)); };

    // The determinant shows the coordinates exactly as typed; the hidden labels keep their
    // magnitudes.
    for (int i = 0; i < 2; ++i) {
        setCaption(X0_[i], text(X_[i]));
        setCaption(X1_[i], text(X_[i]));
        setCaption(Y0_[i], text(Y_[i]));
        setCaption(Y1_[i], text(Y_[i]));
        setCaption(WX_[i], magnitude(text(X_[i])));
        setCaption(WY_[i], magnitude(text(Y_[i])));
    }

    // Signs of the six terms +X.y0, +Y.x1, +x0.y1, -x0.Y, -y1.X, -x1.y0.
    setCaption(Calc1_[0], sign(value(Y_[0]) > 0));
    setCaption(Calc1_[2], sign(value(X_[1]) > 0));
    // A zero product term is written with "+".
    setCaption(Calc1_[4], sign(!oppositeSigns(value(X_[0]), value(Y_[1]))));
    setCaption(Calc1_[6], sign(!(value(X_[0]) > 0)));
    setCaption(Calc1_[8], sign(!(value(Y_[1]) > 0)));
    setCaption(Calc1_[10], sign(!sameSign(value(Y_[0]), value(X_[1]))));

    const QString x0 = text(X_[0]), y0 = text(Y_[0]), x1 = text(X_[1]), y1 = text(Y_[1]);
    setCaption(Calc_[0], QStringLiteral("[ (X * ") + y0 + QStringLiteral(" * 1 ) + ( Y * 1 * ") + x1 +
                             QStringLiteral(" ) + ( 1 * ") + x0 + QStringLiteral(" * ") + y1 +
                             QStringLiteral(" )] - [( ") + x1 + QStringLiteral(" * ") + y0 +
                             QStringLiteral(" * 1 ) + ( ") + y1 + QStringLiteral(" * 1 * X ) + (  1 * ") + x0 +
                             QStringLiteral(" * Y )] = "));
    setCaption(Calc_[1], QStringLiteral(" = [ (") + y0 + QStringLiteral("X ) + ( ") + x1 + QStringLiteral("Y ) + ( ") +
                             x0 + QStringLiteral(" * ") + y1 + QStringLiteral(" )] - [( ") + x1 +
                             QStringLiteral(" * ") + y0 + QStringLiteral("  ) + ( ") + y1 +
                             QStringLiteral("X ) + ( ") + x0 + QStringLiteral(" * Y )]"));

    setCaption(Calc1_[1], caption(WY_[0]) + QStringLiteral("X "));
    setCaption(Calc1_[3], caption(WX_[1]) + QStringLiteral("Y"));
    setCaption(Calc1_[5], caption(WX_[0]) + QStringLiteral(" * ") + caption(WY_[1]));
    setCaption(Calc1_[7], caption(WX_[0]) + QStringLiteral("Y"));
    setCaption(Calc1_[9], caption(WY_[1]) + QStringLiteral("X"));
    setCaption(Calc1_[11], caption(WY_[0]) + QStringLiteral(" * ") + caption(WX_[1]));

    // The coefficients of the negated determinant: a X + b Y + c = 0.
    const double c = num::checked(num::checked(value(X_[1]) * value(Y_[0])) +
                                  num::checked(-1 * num::checked(value(Y_[1]) * value(X_[0]))));
    const double a = num::checked(value(Y_[1]) - value(Y_[0]));
    const double b = num::checked(value(X_[0]) - value(X_[1]));

    setCaption(Resposta_, term(a) + QStringLiteral("X") + term(b) + QStringLiteral("Y") + term(c) +
                              QStringLiteral(" = 0"));
}

Form* createLineByDeterminant() { return new LineByDeterminantForm; }

}  // namespace problems
