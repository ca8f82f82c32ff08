#include "problems/linear_system/linear_system.h"

#include "framework/text.h"

namespace problems {

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

void LinearSystem::determinant(framework::Step& s, Value& result, const char* name, const char* label,
                               const Value& p, const Value& q, const Value& r, const Value& t)
{
    const QString title = QString::fromUtf8(name);
    s.say(values(), QStringLiteral("%1 = ( %2 * %3 ) - ( %4 * %5 )").arg(title, shown(p), shown(q), shown(r), shown(t)));
    // A product too large for a Double stops here with an overflow.
    result = p * q - r * t;
    s.trace.back().values = values();
    // "Det = ( 2 * 3 )  -  (1 * 1 ) = 5"
    s.caption(QString::fromUtf8(label), title + QStringLiteral(" = ( ") + shown(p) + QStringLiteral(" * ") + shown(q)
                                            + QStringLiteral(" )  -  (") + shown(r) + QStringLiteral(" * ") + shown(t)
                                            + QStringLiteral(" ) = ") + shown(result));
}

void LinearSystem::command(const QString&, const framework::Inputs& in, framework::Step& s)
{
    // Every click solves a system of its own.
    *this = LinearSystem();
    s.anew();
    s.rest();
    s.caption(QStringLiteral("Label3(9)"), QString()).caption(QStringLiteral("Label3(10)"), QString());

    const auto read = [&in](const char* box) { return Value::dbl(valOf(in.text(QString::fromLatin1(box)))); };
    a1 = read("a1");
    a2 = read("a2");
    b1 = read("b1");
    b2 = read("b2");
    c1 = read("c1");
    c2 = read("c2");

    determinant(s, Det, "Det", "Label2(0)", a1, b2, a2, b1);
    determinant(s, Det_A1, "Det_A1", "Label2(1)", c1, b2, c2, b1);
    determinant(s, Det_A2, "Det_A2", "Label2(2)", a1, c2, a2, c1);

    if (Det != 0.0) {
        s.say(values(), QStringLiteral("Det = %1, diferente de 0: segue pelo Senão, o sistema tem uma só solução")
                            .arg(shown(Det)));
        // The branch's two lines light at once, before x is worked out (an overflow there leaves
        // them lit).
        s.light({"Label3(7)", "Label3(8)"}, ole::Red);
        s.say(values(), QStringLiteral("X = Det_A1 / Det = %1 / %2").arg(shown(Det_A1), shown(Det)));
        X = Det_A1 / Det;
        s.trace.back().values = values();
        s.light(QStringLiteral("Label3(9)"), ole::Red).caption(QStringLiteral("Label3(9)"), shown(X));
        // y is a Double like x, so that it is shown as computed.
        s.say(values(), QStringLiteral("Y = Det_A2 / Det = %1 / %2").arg(shown(Det_A2), shown(Det)));
        Y = Det_A2 / Det;
        s.trace.back().values = values();
        s.light(QStringLiteral("Label3(10)"), ole::Red).caption(QStringLiteral("Label3(10)"), shown(Y));
    } else {
        // A decision's lines are lit on its own row.
        s.say(values(), QStringLiteral("Det = 0: segue pelo Então, o sistema não tem uma só solução"));
        s.light(QStringLiteral("Label3(0)"), ole::Red);
        if (Det_A1 == 0.0 && Det_A2 == 0.0) {
            s.say(values(), QStringLiteral("Det_A1 = 0 e Det_A2 = 0: sistema possível e indeterminado"));
            s.light({"Label3(1)", "Label3(2)"}, ole::Red);
        } else {
            s.say(values(), QStringLiteral("Det_A1 = %1 e Det_A2 = %2, não ambos 0: segue pelo Senão-Se, "
                                           "sistema impossível")
                                .arg(shown(Det_A1), shown(Det_A2)));
            s.light({"Label3(3)", "Label3(4)"}, ole::Red);
        }
    }
    s.done();
}

}  // namespace problems
