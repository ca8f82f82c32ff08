#include "problems/bouncing_ball/bouncing_ball.h"

#include "framework/text.h"

namespace problems {

using namespace bouncing_ball_controls;

using framework::shown;
using framework::shownDouble;
using num::Value;

namespace {
const QString kTitle = QStringLiteral("Altura da Bola");

// The height the loop stops at, written as the window writes numbers.
QString least() { return shownDouble(0.001); }

// The height as typed, and the number the Val rule made of it where that is not what it reads
// ("0,5" is read as 0: the Val rule stops at the comma).
QString typedHeight(const QString& typed, const Value& read)
{
    if (typed.trimmed() == shown(read))
        return QStringLiteral("H = \"%1\"").arg(typed);
    return QStringLiteral("H = \"%1\", lido como %2,").arg(typed, shown(read));
}
}  // namespace

QStringList BouncingBall::columns() const
{
    return {QStringLiteral("H"), QStringLiteral("Soma"), QStringLiteral("Cont")};
}

QStringList BouncingBall::values() const
{
    if (Inicio)
        return {QString(), QString(), QString()};
    return {shown(H), shownDouble(Soma), shown(Cont)};
}

void BouncingBall::reset(framework::Step& s)
{
    *this = BouncingBall();
    s.show(Frame::Answer, false).top(Shape::Ball, DropTop);
}

void BouncingBall::command(framework::Name, const framework::Inputs& in, framework::Step& s)
{
    s.top(Shape::Ball, FloorTop);

    QString said;
    if (Inicio) {
        const QString typed = in.text(Box::H);
        H = Value::dbl(framework::valOf(typed));
        if (H <= 0.0) {
            s.message(QStringLiteral("Impossível calcular"), framework::OkOnly, kTitle)
                .top(Shape::Ball, DropTop)
                .focus(Box::H)
                .refused();
            s.say(values(), QStringLiteral("%1 não é maior que 0: impossível calcular").arg(typedHeight(typed, H)));
            return;
        }
        Altura = Value::integer(2280);
        s.caption(Val::H, typed).started();
        Cont = Value::integer(0);
        Soma = H.toDouble();
        Inicio = false;
        s.top(Shape::Ball, DropTop);
        said = QStringLiteral("Soma = H = %1, Cont = 0; ").arg(shownDouble(Soma));
    }

    if (H > 0.001) {
        said += QStringLiteral("H = %1 > %2: H = H / 2 = ").arg(shown(H), least());
        H = H / Value::integer(2);
        s.caption(Val::HHalved, shown(H));
        said += shown(H);

        s.row(List::Som, shownDouble(Soma));
        try {
            Soma = num::checked(Soma + H.toDouble());
        } catch (const num::RuntimeError&) {
            // The run cycle adds the error's own text after it.
            s.say(values(), said + QStringLiteral("; Soma + H passa do maior Double e a bola não conta o toque"));
            throw;
        }
        s.row(List::Soma, shownDouble(Soma));
        s.row(List::H, shown(H));

        Cont = Cont + Value::integer(1);
        s.caption(Val::Cont, shown(Cont));
        s.caption(Val::PictureHeight, shownDouble(Soma));

        // The ball rises half as high as on the bounce before.
        const Value half = Altura / Value::integer(2);
        Topo = num::toInteger(GroundTop - half.toDouble());
        s.top(Shape::Ball, Topo);
        Altura = half;
        s.say(values(), said + QStringLiteral("; Soma = Soma + H = %1; Cont = Cont + 1 = %2")
                                   .arg(shownDouble(Soma), shown(Cont)));
    } else {
        s.caption(Val::Path, shownDouble(Soma));
        s.caption(Val::Touched, shown(Cont));
        s.show(Frame::Answer);
        s.done();
        const QString times = shown(Cont) + (Cont == 1.0 ? QStringLiteral(" vez") : QStringLiteral(" vezes"));
        s.say(values(), said + QStringLiteral("H = %1 não é maior que %2: o laço termina; a bola percorreu %3 "
                                              "e tocou %4 no chão")
                                   .arg(shown(H), least(), shownDouble(Soma), times));
    }
}

}  // namespace problems
