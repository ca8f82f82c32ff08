#include "problems/line_by_determinant/line_by_determinant.h"

#include "framework/text.h"

#include <cmath>

namespace problems {

using namespace line_by_determinant_controls;

using namespace framework;

namespace {

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

// How the signs of two coordinates compare: "X0 e Y1 têm sinais opostos", "... têm o mesmo
// sinal", or, with a 0 among them, which one is 0.
QString signs(const char* p, const QString& typedP, double vp, const char* q, const QString& typedQ, double vq)
{
    const QString P = QLatin1String(p), Q = QLatin1String(q);
    if (vp == 0 && vq == 0)
        return QStringLiteral("%1 = %2 e %3 = %4 valem 0").arg(P, typedP, Q, typedQ);
    if (vp == 0 || vq == 0)
        return QStringLiteral("%1 = %2 vale 0").arg(vp == 0 ? P : Q, vp == 0 ? typedP : typedQ);
    return QStringLiteral("%1 = %2 e %3 = %4 ").arg(P, typedP, Q, typedQ) +
           (oppositeSigns(vp, vq) ? QStringLiteral("têm sinais opostos") : QStringLiteral("têm o mesmo sinal"));
}

// A coefficient by the Str rule, as the answer writes its magnitude.
QString strOf(double v) { return qs(num::strDouble(v)); }

// One coefficient of the answer: its sign, then its magnitude by the Str rule.
QString term(double coefficient) { return sign(coefficient > 0) + strOf(std::fabs(coefficient)); }
}  // namespace

QStringList LineByDeterminant::columns() const
{
    return {QStringLiteral("X0"), QStringLiteral("Y0"), QStringLiteral("X1"), QStringLiteral("Y1"),
            QStringLiteral("a"),  QStringLiteral("b"),  QStringLiteral("c")};
}

QStringList LineByDeterminant::values() const
{
    const auto coefficient = [](const std::optional<double>& v) { return v ? strOf(*v) : QString(); };
    return {X0, Y0, X1, Y1, coefficient(a), coefficient(b), coefficient(c)};
}

void LineByDeterminant::command(framework::Name, const Inputs& in, Step& s)
{
    // Every click is a whole run, from the points as typed now.
    *this = LineByDeterminant();
    s.anew();
    X0 = in.text(Box::X[0]);
    Y0 = in.text(Box::Y[0]);
    X1 = in.text(Box::X[1]);
    Y1 = in.text(Box::Y[1]);
    const double x0 = valOf(X0), y0 = valOf(Y0), x1 = valOf(X1), y1 = valOf(Y1);

    // What is being worked, for the row that reports a run-time error.
    QString working;
    try {
        // The determinant shows the coordinates exactly as typed, its first two columns
        // repeated; the hidden labels keep their magnitudes.
        const QString xs[2] = {X0, X1}, ys[2] = {Y0, Y1};
        for (int i = 0; i < 2; ++i) {
            s.caption(Cell::X0[i], xs[i]);
            s.caption(Cell::X1[i], xs[i]);
            s.caption(Cell::Y0[i], ys[i]);
            s.caption(Cell::Y1[i], ys[i]);
            working = QStringLiteral("O módulo de X%1 = %2").arg(i).arg(xs[i]);
            WX[i] = magnitude(xs[i]);
            s.caption(Val::WX[i], WX[i]);
            working = QStringLiteral("O módulo de Y%1 = %2").arg(i).arg(ys[i]);
            WY[i] = magnitude(ys[i]);
            s.caption(Val::WY[i], WY[i]);
        }
        s.sayDone(values(), QStringLiteral("A = (%1 , %2) e B = (%3 , %4) entram nas linhas do determinante, "
                                       "com X e Y repetidos nas colunas 4 e 5")
                            .arg(X0, Y0, X1, Y1));

        // Signs of the six terms +X.y0, +Y.x1, +x0.y1, -x0.Y, -y1.X, -x1.y0.
        const auto above = [](const char* name, const QString& typed, bool positive) {
            return positive ? QStringLiteral("%1 = %2 > 0").arg(QLatin1String(name), typed)
                            : QStringLiteral("%1 = %2 não é maior que 0").arg(QLatin1String(name), typed);
        };
        s.caption(Val::Term[0], sign(y0 > 0));
        s.sayDone(values(), above("Y0", Y0, y0 > 0) + QStringLiteral(": o termo X * Y0 leva ") + sign(y0 > 0));
        s.caption(Val::Term[2], sign(x1 > 0));
        s.sayDone(values(), above("X1", X1, x1 > 0) + QStringLiteral(": o termo Y * X1 leva ") + sign(x1 > 0));
        // A zero product term is written with "+".
        const bool opposite = oppositeSigns(x0, y1);
        s.caption(Val::Term[4], sign(!opposite));
        s.sayDone(values(), signs("X0", X0, x0, "Y1", Y1, y1) + QStringLiteral(": o termo X0 * Y1 leva ") +
                                sign(!opposite));
        s.caption(Val::Term[6], sign(!(x0 > 0)));
        s.sayDone(values(), above("X0", X0, x0 > 0) + QStringLiteral(": o termo - X0 * Y leva ") + sign(!(x0 > 0)));
        s.caption(Val::Term[8], sign(!(y1 > 0)));
        s.sayDone(values(), above("Y1", Y1, y1 > 0) + QStringLiteral(": o termo - Y1 * X leva ") + sign(!(y1 > 0)));
        const bool same = sameSign(y0, x1);
        s.caption(Val::Term[10], sign(!same));
        s.sayDone(values(), signs("Y0", Y0, y0, "X1", X1, x1) + QStringLiteral(": o termo - X1 * Y0 leva ") +
                                sign(!same));

        s.caption(Val::Calc[0],
                  QStringLiteral("[ (X * ") + Y0 + QStringLiteral(" * 1 ) + ( Y * 1 * ") + X1 +
                      QStringLiteral(" ) + ( 1 * ") + X0 + QStringLiteral(" * ") + Y1 + QStringLiteral(" )] - [( ") +
                      X1 + QStringLiteral(" * ") + Y0 + QStringLiteral(" * 1 ) + ( ") + Y1 +
                      QStringLiteral(" * 1 * X ) + (  1 * ") + X0 + QStringLiteral(" * Y )] = "));
        s.sayDone(values(), QStringLiteral("Regra de Sarrus: os produtos das diagonais que descem somam, os das "
                                       "que sobem subtraem"));
        s.caption(Val::Calc[1],
                  QStringLiteral(" = [ (") + Y0 + QStringLiteral("X ) + ( ") + X1 + QStringLiteral("Y ) + ( ") + X0 +
                      QStringLiteral(" * ") + Y1 + QStringLiteral(" )] - [( ") + X1 + QStringLiteral(" * ") + Y0 +
                      QStringLiteral("  ) + ( ") + Y1 + QStringLiteral("X ) + ( ") + X0 + QStringLiteral(" * Y )]"));
        s.sayDone(values(), QStringLiteral("Os produtos escritos sem os fatores 1"));

        s.caption(Val::Term[1], WY[0] + QStringLiteral("X "));
        s.caption(Val::Term[3], WX[1] + QStringLiteral("Y"));
        s.caption(Val::Term[5], WX[0] + QStringLiteral(" * ") + WY[1]);
        s.caption(Val::Term[7], WX[0] + QStringLiteral("Y"));
        s.caption(Val::Term[9], WY[1] + QStringLiteral("X"));
        s.caption(Val::Term[11], WY[0] + QStringLiteral(" * ") + WX[1]);
        s.sayDone(values(), QStringLiteral("Os seis termos, cada um com seu sinal e os módulos das coordenadas"));

        // The coefficients of the negated determinant.
        working = QStringLiteral("c = X1 * Y0 - Y1 * X0");
        c = num::checked(num::checked(x1 * y0) + num::checked(-1 * num::checked(y1 * x0)));
        s.sayDone(values(), QStringLiteral("c = X1 * Y0 - Y1 * X0 = %1").arg(strOf(*c).trimmed()));
        working = QStringLiteral("a = Y1 - Y0");
        a = num::checked(y1 - y0);
        s.sayDone(values(), QStringLiteral("a = Y1 - Y0 = %1").arg(strOf(*a).trimmed()));
        working = QStringLiteral("b = X0 - X1");
        b = num::checked(x0 - x1);
        s.sayDone(values(), QStringLiteral("b = X0 - X1 = %1").arg(strOf(*b).trimmed()));
    } catch (const num::RuntimeError&) {
        // The run cycle adds the error's own text after it.
        s.sayDone(values(), working + QStringLiteral(" interrompe o cálculo"));
        throw;
    }

    const QString answer = term(*a) + QStringLiteral("X") + term(*b) + QStringLiteral("Y") + term(*c) +
                           QStringLiteral(" = 0");
    s.caption(Val::Answer, answer);
    s.sayDone(values(), QStringLiteral("Escreva a resposta: %1").arg(answer));
    s.done();
}

}  // namespace problems
