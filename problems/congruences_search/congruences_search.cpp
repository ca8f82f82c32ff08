#include "problems/congruences_search/congruences_search.h"

#include "framework/text.h"

namespace problems {

using namespace congruences_search_controls;

using framework::shown;
using num::Value;

namespace {
const QString Started = QStringLiteral("R1 = 0, X = 0; ");
}

QStringList CongruencesSearch::columns() const
{
    return {QStringLiteral("X"), QStringLiteral("R1"), QStringLiteral("R2"), QStringLiteral("R3")};
}

QStringList CongruencesSearch::values() const { return {shown(X), shown(R1), shown(R2), shown(R3)}; }

void CongruencesSearch::start()
{
    R1 = Value::integer(0);
    R2 = Value::integer(0);
    R3 = Value::integer(0);
    X = Value::integer(0);
}

bool CongruencesSearch::searching() const { return R1 != 2.0 || R2 != 3.0 || R3 != 4.0; }

void CongruencesSearch::pass(framework::Step& s, const QString& said)
{
    s.caption(Val::XMod3, {}).caption(Val::XMod5, {}).caption(Val::XMod7, {});
    X = X + Value::integer(1);
    s.caption(Val::X, shown(X));
    R1 = num::mod(X, Value::lng(3));
    s.caption(Val::XMod3, shown(R1));
    QString what = said + QStringLiteral("X = X + 1 = %1, R1 = X - 3 * ( X / 3 ) = %2").arg(shown(X), shown(R1));
    if (R1 != 2.0) {
        what += QStringLiteral(", diferente de 2: o laço segue com o próximo X");
    } else {
        R2 = num::mod(X, Value::lng(5));
        s.caption(Val::XMod5, shown(R2));
        what += QStringLiteral(", R2 = X - 5 * ( X / 5 ) = %1").arg(shown(R2));
        if (R2 != 3.0) {
            what += QStringLiteral(", diferente de 3: o laço segue com o próximo X");
        } else {
            R3 = num::mod(X, Value::lng(7));
            s.caption(Val::XMod7, shown(R3));
            what += QStringLiteral(", R3 = X - 7 * ( X / 7 ) = %1").arg(shown(R3));
            what += R3 == 4.0 ? QStringLiteral(": os três restos pedidos, a condição do Enquanto deixa de valer")
                              : QStringLiteral(", diferente de 4: o laço segue com o próximo X");
        }
    }
    // A pass of "Calcular" is followed by the next one in the same click: its row is the window
    // as this pass leaves it.
    s.sayDone(values(), what);
}

void CongruencesSearch::answer(framework::Step& s)
{
    s.caption(Val::Answer, QStringLiteral(" O menor número inteiro é : ") + shown(X));
    stepping = false;
    s.say(values(), QStringLiteral("R1 = 2, R2 = 3 e R3 = 4: o laço termina; o menor número inteiro é %1")
                        .arg(shown(X)));
    s.done();
}

void CongruencesSearch::command(framework::Name command, const framework::Inputs&, framework::Step& s)
{
    s.caption(Val::Answer, {});
    if (command == Cmd::Calculate) {
        // The whole search from 0, whatever a step-by-step search had reached.
        start();
        s.anew();
        QString said = Started;
        while (searching()) {
            pass(s, said);
            said.clear();
        }
        answer(s);
        return;
    }
    QString said;
    if (!stepping) {
        start();
        s.anew();
        said = Started;
    }
    if (searching()) {
        pass(s, said);
        stepping = true;
    } else {
        answer(s);
    }
}

}  // namespace problems
