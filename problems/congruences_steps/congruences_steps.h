#pragma once
// Problem 09, first method: the smallest positive X that leaves the remainders r1, r2, r3 (the
// boxes Mod1 .. Mod3) when divided by the moduli m1, m2, m3 (the boxes R1 .. R3), worked by the
// Chinese remainder method in three stages, each with its own button:
//   (i)   Cmd_Calc_MDC: the greatest common divisor of the moduli by Euclid's algorithm, one
//         remainder step per click;
//   (ii)  Cmd_Calc_MOD: the product of the moduli, the cofactors and the three inverse
//         searches, with a "Próximo" pause after every pass; then X. Cmd_Next uncovers the
//         summary page;
//   (iii) Cmd_Final: X reduced modulo the product, the smallest solution.
#include "framework/numbers/value.h"
#include "framework/step.h"

#include <cstdint>

namespace problems {

class CongruencesSteps : public framework::AlgorithmOf<CongruencesSteps> {
public:
    QStringList columns() const override;
    void command(const QString& command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = CongruencesSteps(); }

    // Working values, named as the panels name them.
    // Stage (i).
    num::Value Mod1, Mod2, Mod3;  // the moduli; Euclid's loop reuses Mod1 and Mod2
    num::Value Maior, Menor, Resto;
    bool Termina = false;
    bool primeiraVez = true;      // until the first reading of the moduli that passes its check
    bool pairRunning = false;     // a pair's remainder loop is under way
    bool restartMdc = false;      // after a run-time error: the next click starts the stage over
    // Stage (ii).
    num::Value Mod;               // m1 * m2 * m3
    num::Value N1, N2, N3;        // the cofactors
    num::Value C1, C2, C3;        // N_i Mod m_i
    num::Value Aux;               // remainder of the running search
    num::Value Cont_1, Cont_2;
    num::Value cont3;             // the third search's count, until it goes into Cont_3
    int16_t Cont_3 = 0;
    int search = 0;               // the inverse search the panel shows (1 .. 3), 0 before any
    num::Value X1, X2, X3;
    num::Value X;
    // Stage (iii): the smallest solution, a Long (a product of moduli above 32767 must not
    // overflow it); empty until worked.
    num::Value N;

private:
    // The three stages, by their buttons.
    void mdcStage(const framework::Inputs& in, framework::Step& s);
    void primeiraVezReading(const framework::Inputs& in, framework::Step& s);
    void conclusion(const framework::Inputs& in, framework::Step& s);
    void modStage(const framework::Inputs& in, framework::Step& s);
    // One inverse search: counts 1, 2, 3 ... until (C * count) Mod m_i = 1, pausing after every
    // pass. False when the count passed 80 without finding it.
    bool searchInverse(int i, const num::Value& C, num::Value& counter, const framework::Inputs& in,
                       framework::Step& s);
    void nextStage(framework::Step& s);
    void finalStage(framework::Step& s);

    QStringList values() const;
    // What the step did since its last desk-check row, in clauses of one sentence.
    void did(const QString& clause) { said_ << clause; }
    // The row of what was said: opened here, or (rowDone) the window as it stands now.
    void row(framework::Step& s);
    void rowDone(framework::Step& s);

    QStringList said_;
    QString trying_;  // the formula being worked, named in the row when it fails
};

}  // namespace problems
