#include "problems/linear_system/linear_system.h"

#include "framework/text.h"

namespace problems {

using namespace linear_system_controls;

using framework::shown;
using framework::valOf;
using num::Value;
namespace ole = framework::ole;

QStringList LinearSystem::columns() const
{
    return {QStringLiteral("Det"), QStringLiteral("Det_A1"), QStringLiteral("Det_A2"), QStringLiteral("X"),
            QStringLiteral("Y")};
}

QStringList LinearSystem::values() const { return {shown(Det), shown(Det_A1), shown(Det_A2), shown(X), shown(Y)}; }

void LinearSystem::determinant(framework::Step& s, Value& result, const char* name, framework::Name label,
                               const Value& p, const Value& q, const Value& r, const Value& t)
{
    const QString title = QString::fromUtf8(name);
    s.say(values(), QStringLiteral("%1 = ( %2 * %3 ) - ( %4 * %5 )").arg(title, shown(p), shown(q), shown(r), shown(t)));
    // A product too large for a Double stops here with an overflow.
    result = p * q - r * t;
    s.trace.back().values = values();
    // "Det = ( 2 * 3 )  -  (1 * 1 ) = 5"
    s.caption(label, title + QStringLiteral(" = ( ") + shown(p) + QStringLiteral(" * ") + shown(q)
                                            + QStringLiteral(" )  -  (") + shown(r) + QStringLiteral(" * ") + shown(t)
                                            + QStringLiteral(" ) = ") + shown(result));
}

void LinearSystem::command(framework::Name, const framework::Inputs& in, framework::Step& s)
{
    // Every click solves a system of its own.
    *this = LinearSystem();
    s.anew();
    s.rest();
    s.caption(Val::X, QString()).caption(Val::Y, QString());

    const auto read = [&in](framework::Name box) { return Value::dbl(valOf(in.text(box))); };
    a1 = read(Box::A1);
    a2 = read(Box::A2);
    b1 = read(Box::B1);
    b2 = read(Box::B2);
    c1 = read(Box::C1);
    c2 = read(Box::C2);

    determinant(s, Det, "Det", Line::Det, a1, b2, a2, b1);
    determinant(s, Det_A1, "Det_A1", Line::DetA1, c1, b2, c2, b1);
    determinant(s, Det_A2, "Det_A2", Line::DetA2, a1, c2, a2, c1);

    if (Det != 0.0) {
        s.say(values(), QStringLiteral("Det = %1, diferente de 0: segue pelo Senão, o sistema tem uma só solução")
                            .arg(shown(Det)));
        // The branch's two lines light at once, before x is worked out (an overflow there leaves
        // them lit).
        s.light({Line::XIs, Line::YIs}, ole::Red);
        s.say(values(), QStringLiteral("X = Det_A1 / Det = %1 / %2").arg(shown(Det_A1), shown(Det)));
        X = Det_A1 / Det;
        s.trace.back().values = values();
        s.light(Val::X, ole::Red).caption(Val::X, shown(X));
        // y is a Double like x, so that it is shown as computed.
        s.say(values(), QStringLiteral("Y = Det_A2 / Det = %1 / %2").arg(shown(Det_A2), shown(Det)));
        Y = Det_A2 / Det;
        s.trace.back().values = values();
        s.light(Val::Y, ole::Red).caption(Val::Y, shown(Y));
    } else {
        // A decision's lines are lit on its own row.
        s.say(values(), QStringLiteral("Det = 0: segue pelo Então, o sistema não tem uma só solução"));
        s.light(Line::IfDet0, ole::Red);
        if (Det_A1 == 0.0 && Det_A2 == 0.0) {
            s.say(values(), QStringLiteral("Det_A1 = 0 e Det_A2 = 0: sistema possível e indeterminado"));
            s.light({Line::IfBothDets0, Line::Indeterminate}, ole::Red);
        } else {
            s.say(values(), QStringLiteral("Det_A1 = %1 e Det_A2 = %2, não ambos 0: segue pelo Senão-Se, "
                                           "sistema impossível")
                                .arg(shown(Det_A1), shown(Det_A2)));
            s.light({Line::ElseIfADet, Line::Impossible}, ole::Red);
        }
    }
    s.done();
}

}  // namespace problems
