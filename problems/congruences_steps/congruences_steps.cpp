#include "problems/congruences_steps/congruences_steps.h"

#include "framework/text.h"

namespace problems {

using namespace congruences_steps_controls;

using framework::shown;
using framework::shownDouble;
using framework::shownWhole;
using framework::valOf;
using num::Value;

namespace {

// An inverse search gives up once its count passes this.
constexpr int GivesUpAfter = 80;

const QString Times = QStringLiteral(" * ");
const QString Equals = QStringLiteral(" = ");


// "35 X1        1( mod 3 )": the blanks leave room for the drawn sign.
QString congruence(const Value& coefficient, int i, double modulus)
{
    return shown(coefficient) + QStringLiteral(" X%1        1( mod ").arg(i) + shownDouble(modulus) +
           QStringLiteral(" )");
}

QString truth(bool b) { return b ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso"); }

// The three strokes of the drawn congruence sign `i`.
void showSign(framework::Step& s, int i)
{
    for (framework::Name stroke : Stroke::Sign[i])
        s.show(stroke);
}

}  // namespace

QStringList CongruencesSteps::columns() const
{
    return {QStringLiteral("Mod1"), QStringLiteral("Mod2"), QStringLiteral("Mod3"), QStringLiteral("Maior"),
            QStringLiteral("Menor"), QStringLiteral("Resto"), QStringLiteral("Termina"), QStringLiteral("Mod"),
            QStringLiteral("N1"), QStringLiteral("N2"), QStringLiteral("N3"), QStringLiteral("Aux"),
            QStringLiteral("Cont"), QStringLiteral("X1"), QStringLiteral("X2"), QStringLiteral("X3"),
            QStringLiteral("X"), QStringLiteral("N")};
}

QStringList CongruencesSteps::values() const
{
    const Value* cont = search == 1 ? &Cont_1 : search == 2 ? &Cont_2 : search == 3 ? &cont3 : nullptr;
    return {shown(Mod1), shown(Mod2), shown(Mod3), shown(Maior), shown(Menor), shown(Resto),
            Mod1.isEmpty() ? QString() : truth(Termina), shown(Mod), shown(N1), shown(N2), shown(N3), shown(Aux),
            cont ? shown(*cont) : QString(), shown(X1), shown(X2), shown(X3), shown(X), shown(N)};
}

void CongruencesSteps::row(framework::Step& s)
{
    s.say(values(), said_.join(QStringLiteral("; ")));
    said_.clear();
}

void CongruencesSteps::rowDone(framework::Step& s)
{
    s.sayDone(values(), said_.join(QStringLiteral("; ")));
    said_.clear();
}

void CongruencesSteps::command(framework::Name command, const framework::Inputs& in, framework::Step& s)
{
    said_.clear();
    trying_.clear();
    // A run-time error stops the click where it arose; the stage's button stays offered so the
    // student can correct the boxes and go again.
    // The run cycle ends the row with the error's own text, right after what caused it.
    const auto failed = [&](const num::RuntimeError&, const QString& then) {
        did(then);
        did(trying_ + QStringLiteral(" interrompe o cálculo"));
        row(s);
    };
    if (command == Cmd::Mdc) {
        try {
            mdcStage(in, s);
        } catch (const num::RuntimeError& error) {
            // The next "Calculo_MDC" click starts the stage over from the boxes.
            restartMdc = true;
            failed(error, QStringLiteral("o próximo Calculo_MDC recomeça das caixas"));
            throw;
        }
    } else if (command == Cmd::Mod) {
        try {
            modStage(in, s);
        } catch (const num::RuntimeError& error) {
            // "Calculo_MOD" redoes the whole stage from the boxes.
            failed(error, QStringLiteral("o Calculo_MOD refaz a etapa das caixas"));
            throw;
        }
    } else if (command == Cmd::Next) {
        nextStage(s);
    } else if (command == Cmd::Final) {
        try {
            finalStage(s);
        } catch (const num::RuntimeError& error) {
            // Stage (iii) works from what stage (ii) found: back to "Calculo_MOD".
            s.stage("mod");
            s.show(Frame::Mod);
            s.focus(Cmd::Mod);
            failed(error, QStringLiteral("volta ao Calculo_MOD"));
            throw;
        }
    }
}

// Stage (i): MDC(MDC(m1, m2), m3) by Euclid's algorithm, one remainder step per click.
void CongruencesSteps::mdcStage(const framework::Inputs& in, framework::Step& s)
{
    if (restartMdc) {
        restartMdc = false;
        for (framework::Name list : {List::Rest, List::Maior, List::Menor, List::Resto})
            s.clearList(list);
        primeiraVez = true;
        Termina = false;
        pairRunning = false;
        Maior = Menor = Resto = Value();
        did(QStringLiteral("depois do erro, o cálculo do MDC recomeça"));
    }
    // The colours and the six value labels of the previous click.
    s.rest();
    for (framework::Name label :
         {Val::Maior[0], Val::Menor[0], Val::Maior[1], Val::Menor[1], Val::Mod2Final, Val::Mod1Final})
        s.caption(label, {});
    if (primeiraVez)
        primeiraVezReading(in, s);

    for (;;) {
        // Top of the outer loop: the stage ends once the second pair is done.
        if (Termina && !pairRunning) {
            conclusion(in, s);
            return;
        }
        s.light(Line::WhileNotTermina);
        if (Mod2 == Menor) {
            Termina = true;
            s.light(Line::IfMod2IsMenor);
            s.rest(Line::TerminaFalse);
            // Before the first pair Menor is still empty, and an empty value counts as 0.
            did(Menor.isEmpty() ? QStringLiteral("Mod2 = 0 e Menor, ainda vazio, vale 0: Termina = Verdadeiro")
                                : QStringLiteral("Mod2 = %1 é igual a Menor: Termina = Verdadeiro").arg(shown(Menor)));
        }
        if (!pairRunning) {
            // A new pair starts; "Se Mod1> Mod2 então" writes beside its own lines, "Senão"
            // beside its own.
            pairRunning = true;
            const bool greater = Mod1 > Mod2;
            s.light(greater ? Line::IfMod1AboveMod2 : Line::Else);
            Maior = greater ? Mod1 : Mod2;
            Menor = greater ? Mod2 : Mod1;
            const int branch = greater ? 0 : 1;
            s.caption(Val::Maior[branch], shown(Maior));
            s.caption(Val::Menor[branch], shown(Menor));
            did(greater ? QStringLiteral("Mod1 > Mod2 (%1 > %2): Maior = Mod1 = %1, Menor = Mod2 = %2")
                              .arg(shown(Mod1), shown(Mod2))
                        : QStringLiteral("Mod1 > Mod2 é falso (%1 > %2): pelo Senão, Maior = Mod2 = %2, "
                                         "Menor = Mod1 = %1")
                              .arg(shown(Mod1), shown(Mod2)));
            trying_ = QStringLiteral("Resto = Maior MOD Menor");
            Resto = num::mod(Maior, Menor);
            s.row(List::Rest, shown(Resto));
            did(QStringLiteral("Resto = %1 MOD %2 = %3").arg(shown(Maior), shown(Menor), shown(Resto)));
        }
        if (Resto != 0.0) {
            // One remainder step, and the click ends.
            Maior = Menor;
            Menor = Resto;
            trying_ = QStringLiteral("Resto = Maior MOD Menor");
            Resto = num::mod(Maior, Menor);
            s.row(List::Maior, shown(Maior));
            s.row(List::Menor, shown(Menor));
            s.row(List::Resto, shown(Resto));
            did(QStringLiteral("Resto <> 0: Maior = Menor = %1, Menor = Resto = %2, Resto = Maior MOD Menor = %3")
                    .arg(shown(Maior), shown(Menor), shown(Resto)));
            row(s);
            return;
        }
        // The pair is done: its divisor is paired with the third modulus.
        pairRunning = false;
        Mod2 = Menor;
        Mod1 = Mod3;
        s.caption(Val::Mod2Final, shown(Mod2));
        s.caption(Val::Mod1Final, shown(Mod1));
        did(QStringLiteral("Resto = 0: o par dá MDC %1, Mod2 = Menor = %1, Mod1 = Mod3 = %2")
                .arg(shown(Mod2), shown(Mod1)));
    }
}

// Reads the moduli and, unless two of them are even, writes the congruences and starts the loop.
void CongruencesSteps::primeiraVezReading(const framework::Inputs& in, framework::Step& s)
{
    trying_ = QStringLiteral("Mod1, Mod2 e Mod3 das caixas");
    Mod1 = Value::dbl(valOf(in.text(Box::Modulus[0])));
    Mod2 = Value::dbl(valOf(in.text(Box::Modulus[1])));
    Mod3 = Value::dbl(valOf(in.text(Box::Modulus[2])));

    const Value two = Value::integer(2);
    trying_ = QStringLiteral("Mod1 MOD 2");
    const bool even1 = num::mod(Mod1, two) == 0.0;
    trying_ = QStringLiteral("Mod2 MOD 2");
    const bool even2 = num::mod(Mod2, two) == 0.0;
    trying_ = QStringLiteral("Mod3 MOD 2");
    const bool even3 = num::mod(Mod3, two) == 0.0;
    if ((even1 && even2) || (even1 && even3) || (even2 && even3)) {
        // The flags stay as they are: the next click reads the moduli and checks again.
        s.message(QStringLiteral("Impossível calcular, pois MDC ( ") + shown(Mod1) + QStringLiteral(" , ") +
                      shown(Mod2) + QStringLiteral(" , ") + shown(Mod3) + QStringLiteral(" ) # 1"),
                  framework::OkOnly, {});
        // Two even moduli are not coprime, but the three together may still have MDC 1 (4, 6
        // and 9): the sentence says only what was checked.
        did(QStringLiteral("dois dos módulos %1, %2 e %3 são pares: a mensagem avisa que não se pode calcular, "
                           "e o cálculo do MDC segue")
                .arg(shown(Mod1), shown(Mod2), shown(Mod3)));
        return;
    }

    for (int i = 1; i <= 3; ++i)
        s.caption(Val::Congruence[i - 1], QStringLiteral("X         ") + shownDouble(valOf(in.text(Box::Remainder[i - 1]))) +
                                                QStringLiteral(" ( mod ") + shownDouble(valOf(in.text(Box::Modulus[i - 1]))) +
                                                QStringLiteral(" )"));
    for (int i = 0; i < 3; ++i)
        showSign(s, i);
    Termina = false;
    primeiraVez = false;
    pairRunning = false;
    s.light(Line::TerminaFalse);
    did(QStringLiteral("Mod1 = %1, Mod2 = %2, Mod3 = %3, as congruências escritas, Termina = Falso")
            .arg(shown(Mod1), shown(Mod2), shown(Mod3)));
}

void CongruencesSteps::conclusion(const framework::Inputs& in, framework::Step& s)
{
    const QString mdc = QStringLiteral("O MDC de ( ") + shownDouble(valOf(in.text(Box::Modulus[0]))) +
                        QStringLiteral(" , ") + shownDouble(valOf(in.text(Box::Modulus[1]))) +
                        QStringLiteral(" , ") + shownDouble(valOf(in.text(Box::Modulus[2]))) +
                        QStringLiteral(" ) = ") + shown(Menor);
    s.message(mdc, framework::OkOnly, {});
    if (Menor == 1.0) {
        s.show(Frame::Mdc, false);
        s.stage("mod");
        s.show(Frame::Mod);
        s.caption(Val::ConclusionMdc, QStringLiteral("Conclusão (i): ") + mdc);
        did(QStringLiteral("Termina = Verdadeiro e o par terminou: o laço termina com MDC = 1, "
                           "segue o cálculo do módulo"));
    } else {
        s.message(QStringLiteral("Impossível calcular !!!"), framework::OkOnly, {});
        did(QStringLiteral("Termina = Verdadeiro e o par terminou: o laço termina com MDC = %1, diferente de 1: "
                           "impossível calcular")
                .arg(shown(Menor)));
    }
    row(s);
}

// Stage (ii): the product of the moduli, the cofactors and the three inverse searches, each
// pass followed by a "Próximo" pause; then X.
void CongruencesSteps::modStage(const framework::Inputs& in, framework::Step& s)
{
    // The moduli as typed, and as numbers.
    const QString t1 = in.text(Box::Modulus[0]), t2 = in.text(Box::Modulus[1]),
                  t3 = in.text(Box::Modulus[2]);
    const double m1 = valOf(t1), m2 = valOf(t2), m3 = valOf(t3);
    trying_ = QStringLiteral("Mod = Mod1 * Mod2 * Mod3");
    Mod = Value::dbl(m1) * Value::dbl(m2) * Value::dbl(m3);
    trying_ = QStringLiteral("N1 = Mod2 * Mod3");
    N1 = Value::dbl(m2) * Value::dbl(m3);
    trying_ = QStringLiteral("N2 = Mod1 * Mod3");
    N2 = Value::dbl(m1) * Value::dbl(m3);
    trying_ = QStringLiteral("N3 = Mod1 * Mod2");
    N3 = Value::dbl(m1) * Value::dbl(m2);

    s.caption(Val::Modulo, t1 + Times + t2 + Times + t3 + Equals + shown(Mod));
    s.caption(Val::N1, t2 + Times + t3 + Equals + shown(N1));
    s.caption(Val::N2, t1 + Times + t3 + Equals + shown(N2));
    s.caption(Val::N3, t1 + Times + t2 + Equals + shown(N3));
    for (int i = 3; i <= 5; ++i)
        showSign(s, i);
    s.caption(Val::Cofactor[0], congruence(N1, 1, m1));
    s.caption(Val::Cofactor[1], congruence(N2, 2, m2));
    s.caption(Val::Cofactor[2], congruence(N3, 3, m3));
    did(QStringLiteral("Mod = %1, N1 = %2, N2 = %3, N3 = %4").arg(shown(Mod), shown(N1), shown(N2), shown(N3)));

    trying_ = QStringLiteral("N1 MOD Mod1");
    C1 = num::mod(N1, Value::dbl(m1));
    trying_ = QStringLiteral("N2 MOD Mod2");
    C2 = num::mod(N2, Value::dbl(m2));
    trying_ = QStringLiteral("N3 MOD Mod3");
    C3 = num::mod(N3, Value::dbl(m3));
    for (int k : {0, 1}) {
        s.caption(Val::ModX[0][k], congruence(C1, 1, m1));
        s.caption(Val::ModX[1][k], congruence(C2, 2, m2));
        s.caption(Val::ModX[2][k], congruence(C3, 3, m3));
    }
    for (int i = 0; i < 6; ++i) {
        s.show(Mark::Image[i]);
        if (i < 3)
            s.show(Stroke::Link[i]);
    }
    s.caption(Val::ModX[0][2], congruence(N1, 1, m1));
    s.caption(Val::ModX[1][2], congruence(N2, 2, m2));
    s.caption(Val::ModX[2][2], congruence(N3, 3, m3));
    for (int i = 3; i <= 8; ++i)
        showSign(s, i);
    for (framework::Name line : Stroke::SearchLoop)
        s.show(line);
    did(QStringLiteral("as congruências reduzidas: N1 MOD Mod1 = %1, N2 MOD Mod2 = %2, N3 MOD Mod3 = %3")
            .arg(shown(C1), shown(C2), shown(C3)));

    if (!searchInverse(1, C1, Cont_1, in, s))
        return;
    X1 = Cont_1;
    if (!searchInverse(2, C2, Cont_2, in, s))
        return;
    X2 = Cont_2;
    if (!searchInverse(3, C3, cont3, in, s))
        return;
    Cont_3 = cont3.toInteger();
    X3 = Value::integer(Cont_3);

    s.caption(Val::ConclusionMod, QStringLiteral(" Conclusão (ii) : X1 = ") + shown(X1) +
                                             QStringLiteral("     X2 = ") + shown(X2) +
                                             QStringLiteral("     X3 = ") + shown(X3));
    trying_ = QStringLiteral("X = (Mod1 * N1 * X1) + (Mod2 * N2 * X2) + (Mod3 * N3 * X3)");
    const Value r1 = Value::dbl(valOf(in.text(Box::Remainder[0])));
    const Value r2 = Value::dbl(valOf(in.text(Box::Remainder[1])));
    const Value r3 = Value::dbl(valOf(in.text(Box::Remainder[2])));
    X = r1 * N1 * X1 + r2 * N2 * X2 + r3 * N3 * X3;
    const QString plus = QStringLiteral(" + ");
    s.caption(Val::X[0], shown(r1) + Times + shown(N1) + Times + shown(X1) + plus + shown(r2) + Times +
                                          shown(N2) + Times + shown(X2) + plus + shown(r3) + Times + shown(N3) +
                                          Times + shown(X3));
    s.caption(Val::X[1], shown(X));

    s.stage("next");
    s.focus(Cmd::Next);
    did(QStringLiteral("X = (Mod1 * N1 * X1) + (Mod2 * N2 * X2) + (Mod3 * N3 * X3) = %1; segue o Próximo Cálculo")
            .arg(shown(X)));
    row(s);
}

bool CongruencesSteps::searchInverse(int i, const Value& C, Value& counter, const framework::Inputs& in,
                                     framework::Step& s)
{
    const QString n = QString::number(i);
    const QString title = QStringLiteral("Cálculo de X") + n;
    search = i;
    s.caption(Val::SearchTitle, title);
    Aux = Value::integer(0);
    counter = Value::integer(0);
    s.caption(Line::Search[0], QStringLiteral("Aux_%1= 0").arg(n));
    s.caption(Line::Search[1], QStringLiteral("Cont_%1 = 0").arg(n));
    s.caption(Line::Search[2], QStringLiteral("Faça enquanto Aux_%1 <> 1").arg(n));
    s.caption(Line::Search[5], QStringLiteral("Loop"));
    did(QStringLiteral("Aux_%1 = 0, Cont_%1 = 0").arg(n));
    while (Aux != 1.0) {
        counter = counter + Value::integer(1);
        s.caption(Line::Search[3], QStringLiteral("Cont_%1 = cont_%1 + 1 = ").arg(n) + shown(counter));
        trying_ = QStringLiteral("Aux_%1 = (N%1 * Cont_%1) MOD Mod%1").arg(n);
        Aux = num::mod(C * counter, Value::dbl(valOf(in.text(Box::Modulus[i - 1]))));
        s.caption(Line::Search[4], QStringLiteral("Aux_%1 = (N%1 * Cont_%1) MOD Mod%1 = ").arg(n) + shown(Aux));
        // The pause is a step of the search of its own: its row is the window as the pause
        // shows it.
        const bool givesUp = counter > double(GivesUpAfter);
        QString pass = QStringLiteral("Cont_%1 = %2, Aux_%1 = (N%1 * Cont_%1) MOD Mod%1 = %3").arg(n, shown(counter), shown(Aux));
        if (givesUp)
            pass += QStringLiteral(", e Cont_%1 passou de %2: a busca para").arg(n).arg(GivesUpAfter);
        else
            pass += Aux == 1.0 ? QStringLiteral(": o laço termina") : QStringLiteral(", diferente de 1: o laço segue");
        did(pass);
        rowDone(s);
        s.message(QStringLiteral("Próximo"), framework::Information, title);
        if (givesUp) {
            // No inverse below 81: say so, and leave "Calculo_MOD" offered.
            did(QStringLiteral("nenhum Cont_%1 até %2 dá Aux_%1 = 1: não se acha X%1, impossível calcular")
                    .arg(n)
                    .arg(GivesUpAfter));
            rowDone(s);
            s.message(QStringLiteral("Impossível calcular !!!"), framework::OkOnly, {});
            return false;
        }
    }
    s.caption(Line::Search[6], QStringLiteral("X%1 = ").arg(n) + shown(counter));
    s.caption(Val::SoX[i - 1], QStringLiteral(" Logo X%1 = ").arg(n) + shown(counter));
    did(QStringLiteral("X%1 = Cont_%1 = %2").arg(n, shown(counter)));
    return true;
}

void CongruencesSteps::nextStage(framework::Step& s)
{
    s.stage("final");
    s.show(Frame::Mod, false);
    did(QStringLiteral("Próximo Cálculo: o resumo das etapas (i) e (ii) à vista, segue o cálculo final"));
    row(s);
}

// Stage (iii): X reduced modulo the product.
void CongruencesSteps::finalStage(framework::Step& s)
{
    trying_ = QStringLiteral("N = X MOD Mod");
    const int32_t n = num::mod(X, Mod).toLong();
    N = Value::lng(n);
    const QString x = shown(X), mod = shown(Mod), whole = shownWhole(n);
    s.caption(Val::Final[0], x + QStringLiteral("         ? (mod ") + mod + QStringLiteral(")"));
    s.caption(Val::Final[1], QStringLiteral(" Assim : ") + x + QStringLiteral(" dividido por ") + mod +
                                                QStringLiteral(" deixa resto : ") + whole);
    s.caption(Val::Final[2], QStringLiteral(" Logo, N = ") + whole + QStringLiteral(" + ") + mod +
                                                QStringLiteral(" k,  com ( k = 0,1,2...N )"));
    s.caption(Val::Final[3], QStringLiteral(" Sendo k = 0, teremos, N = ") + whole +
                                                QStringLiteral(" + ") + mod + QStringLiteral(" * 0 = ") + whole);
    s.caption(Val::Final[4], QStringLiteral(" conclusão (iii): O menor número inteiro é : ") + whole);
    s.stage("solved");
    did(QStringLiteral("N = X MOD Mod = %1 MOD %2 = %3, e com k = 0 o menor número inteiro é %3").arg(x, mod, whole));
    row(s);
    s.done();
}

}  // namespace problems
