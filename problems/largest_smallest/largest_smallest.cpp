#include "problems/largest_smallest/largest_smallest.h"

#include "framework/text.h"

namespace problems {

using namespace largest_smallest_controls;

using framework::shown;
using framework::shownWhole;
using framework::valOf;
using num::Value;
namespace ole = framework::ole;

namespace {
const QString kMaior = QStringLiteral("Maior = ");
const QString kMenor = QStringLiteral("Menor = ");
}  // namespace

QStringList LargestSmallest::columns() const
{
    return {QStringLiteral("N1"), QStringLiteral("N2"), QStringLiteral("N3"), QStringLiteral("Maior"),
            QStringLiteral("Menor")};
}

QStringList LargestSmallest::values() const
{
    return {shown(N1), shown(N2), shown(N3), shown(Maior), hasMenor ? shownWhole(Menor) : QString()};
}

void LargestSmallest::reset(framework::Step& s)
{
    *this = LargestSmallest();
    // The assignment lines lose the values the run wrote after them (and their trailing blank).
    for (framework::Name line : {Line::MaiorIsN1, Line::MaiorIsN2, Line::MaiorIsN3})
        s.caption(line, QStringLiteral("Maior ="));
    for (framework::Name line : {Line::MenorIsN2, Line::MenorIsN1, Line::MenorIsN3})
        s.caption(line, QStringLiteral("Menor ="));
}

// "Menor = N2": Menor is an Integer, so the number is rounded to a whole one, and past the
// 16-bit range it overflows. The row is said first, so that an overflow has its row; the lines
// of the branch are written and lit only once Menor has its value, so a run stopped by the
// overflow leaves them as they were.
void LargestSmallest::takeMenor(framework::Step& s, const char* name, const Value& from,
                                std::initializer_list<framework::Name> lit, framework::Name maiorLine,
                                framework::Name menorLine)
{
    const QString assignment = QStringLiteral("Menor = %1 = %2").arg(QLatin1String(name), shown(from));
    s.say(values(), assignment + QStringLiteral(", guardado como Inteiro"));
    Menor = from.toInteger();
    hasMenor = true;
    s.trace.back().values = values();
    const QString whole = shownWhole(Menor);
    s.trace.back().said = whole == shown(from) ? assignment
                                               : assignment + QStringLiteral(", arredondado ao Inteiro ") + whole;
    if (!maiorLine.isEmpty())
        s.caption(maiorLine, kMaior + shown(Maior));
    s.caption(menorLine, kMenor + whole);
    s.light(lit, ole::Red);
}

void LargestSmallest::command(framework::Name, const framework::Inputs& in, framework::Step& s)
{
    N1 = Value::dbl(valOf(in.text(Box::N1)));
    N2 = Value::dbl(valOf(in.text(Box::N2)));
    N3 = Value::dbl(valOf(in.text(Box::N3)));
    s.say(values(), QStringLiteral("Leia ( N1, N2, N3 ): N1 = %1, N2 = %2, N3 = %3").arg(shown(N1), shown(N2), shown(N3)));

    if (N1 > N2) {
        s.say(values(), QStringLiteral("N1 = %1 é maior que N2 = %2: segue pelo Então").arg(shown(N1), shown(N2)));
        Maior = N1;
        s.say(values(), QStringLiteral("Maior = N1 = %1").arg(shown(Maior)));
        takeMenor(s, "N2", N2, {Line::IfN1AboveN2, Line::MaiorIsN1, Line::MenorIsN2}, Line::MaiorIsN1, Line::MenorIsN2);
    } else {
        s.say(values(),
              QStringLiteral("N1 = %1 não é maior que N2 = %2: segue pelo Senão").arg(shown(N1), shown(N2)));
        Maior = N2;
        s.say(values(), QStringLiteral("Maior = N2 = %1").arg(shown(Maior)));
        takeMenor(s, "N1", N1, {Line::Else, Line::MaiorIsN2, Line::MenorIsN1}, Line::MaiorIsN2, Line::MenorIsN1);
    }

    if (N3 > Maior) {
        s.say(values(), QStringLiteral("N3 = %1 é maior que Maior = %2: segue pelo Então").arg(shown(N3), shown(Maior)));
        s.light(Line::IfN3AboveMaior, ole::Red);
        Maior = N3;
        s.say(values(), QStringLiteral("Maior = N3 = %1").arg(shown(Maior)));
        s.caption(Line::MaiorIsN3, kMaior + shown(Maior)).light(Line::MaiorIsN3, ole::Red);
    } else {
        s.say(values(),
              QStringLiteral("N3 = %1 não é maior que Maior = %2: segue pelo Senão").arg(shown(N3), shown(Maior)));
        // N3 is compared with Menor as rounded.
        if (N3 < double(Menor)) {
            s.say(values(),
                  QStringLiteral("N3 = %1 é menor que Menor = %2: segue pelo Então").arg(shown(N3), shownWhole(Menor)));
            takeMenor(s, "N3", N3, {Line::IfN3BelowMenor, Line::MenorIsN3}, {}, Line::MenorIsN3);
        } else {
            s.say(values(), QStringLiteral("N3 = %1 não é menor que Menor = %2: Maior e Menor ficam como estão")
                                .arg(shown(N3), shownWhole(Menor)));
        }
    }

    s.caption(Val::Maior, kMaior + shown(Maior));
    s.caption(Val::Menor, kMenor + shownWhole(Menor));
    s.done();
}

}  // namespace problems
