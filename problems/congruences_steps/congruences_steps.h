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

// The controls of its window that its code names, declared once: the table of controls,
// the algorithm and the window all use these names.
namespace congruences_steps_controls {
using framework::Name;
namespace Box {
// The remainders r1 .. r3 and the moduli m1 .. m3 of the three congruences.
inline constexpr Name Remainder[] = {Name{"Mod1"}, Name{"Mod2"}, Name{"Mod3"}};
inline constexpr Name Modulus[] = {Name{"R1"}, Name{"R2"}, Name{"R3"}};
}  // namespace Box
namespace Cmd {
inline constexpr Name Mdc{"Cmd_Calc_MDC"};
inline constexpr Name Mod{"Cmd_Calc_MOD"};
inline constexpr Name Next{"Cmd_Next"};
inline constexpr Name Final{"Cmd_Final"};
}  // namespace Cmd
namespace Frame {
inline constexpr Name Strip{"Picture1"};
inline constexpr Name Mdc{"Frame_MDC"};
inline constexpr Name Mod{"Frame_MOD"};
}  // namespace Frame
namespace Text {
inline constexpr Name StageMdc{"Label3(0)"};
inline constexpr Name Words[] = {Name{"Label2(0)"}, Name{"Label2(1)"}, Name{"Label2(2)"}, Name{"Label2(3)"}};
inline constexpr Name ModulusCaption[] = {Name{"Label4(0)"}, Name{"Label4(1)"}, Name{"Label4(2)"}};
inline constexpr Name RemainderCaption[] = {Name{"Label4(3)"}, Name{"Label4(4)"}, Name{"Label4(5)"}};
}  // namespace Text
namespace Line {
inline constexpr Name TerminaFalse{"Label2(22)"};
inline constexpr Name WhileNotTermina{"Label2(4)"};
inline constexpr Name IfMod2IsMenor{"Label2(5)"};
inline constexpr Name IfMod1AboveMod2{"Label2(6)"};
inline constexpr Name Else{"Label2(9)"};
inline constexpr Name EndIf{"Label2(12)"};
inline constexpr Name WhileResto{"Label2(14)"};
inline constexpr Name EndWhileResto{"Label2(18)"};
// The lines of the inverse search, written anew for each search.
inline constexpr Name Search[] = {
    Name{"Label9(0)"}, Name{"Label9(1)"}, Name{"Label9(2)"}, Name{"Label9(3)"}, Name{"Label9(4)"},
    Name{"Label9(5)"}, Name{"Label9(6)"}
};
}  // namespace Line
namespace Val {
inline constexpr Name Congruence[] = {Name{"Label1(0)"}, Name{"Label1(1)"}, Name{"Label1(2)"}};
inline constexpr Name ConclusionMdc{"Label3(1)"};
// Maior and Menor as the two branches of the choice write them.
inline constexpr Name Maior[] = {Name{"Modu1(0)"}, Name{"Modu1(1)"}};
inline constexpr Name Menor[] = {Name{"Modu2(0)"}, Name{"Modu2(1)"}};
inline constexpr Name Mod2Final{"Mod2_Final"};
inline constexpr Name Mod1Final{"Mod1_Final"};
inline constexpr Name Modulo{"Modulo"};
inline constexpr Name N1{"N1"};
inline constexpr Name N2{"N2"};
inline constexpr Name N3{"N3"};
inline constexpr Name Cofactor[] = {Name{"Cálc_Mod(0)"}, Name{"Cálc_Mod(1)"}, Name{"Cálc_Mod(2)"}};
inline constexpr Name ConclusionMod{"Valor_X"};
inline constexpr Name SearchTitle{"Rótulo"};
inline constexpr Name SoX[] = {Name{"Label8(0)"}, Name{"Label8(1)"}, Name{"Label8(2)"}};
inline constexpr Name X[] = {Name{"X(0)"}, Name{"X(1)"}};
// The lines of stage (iii).
inline constexpr Name Final[] = {
    Name{"Label10(5)"}, Name{"Label10(6)"}, Name{"Label10(7)"}, Name{"Label10(8)"}, Name{"Label10(9)"}
};
// Each congruence N_i X = 1 (mod m_i): reduced, in the frame (0) and on the summary page (1),
// and as first written (2).
inline constexpr Name ModX[3][3] = {
    {Name{"Mod_X1(0)"}, Name{"Mod_X1(1)"}, Name{"Mod_X1(2)"}},
    {Name{"Mod_X2(0)"}, Name{"Mod_X2(1)"}, Name{"Mod_X2(2)"}},
    {Name{"Mod_X3(0)"}, Name{"Mod_X3(1)"}, Name{"Mod_X3(2)"}}
};
}  // namespace Val
namespace List {
inline constexpr Name Rest{"ListRest"};
inline constexpr Name Maior{"ListMaior"};
inline constexpr Name Menor{"ListMenor"};
inline constexpr Name Resto{"ListResto"};
}  // namespace List
namespace Mark {
// The marks beside the congruences, shown by the MOD click.
inline constexpr Name Image[] = {
    Name{"Image1(0)"}, Name{"Image1(1)"}, Name{"Image1(2)"}, Name{"Image1(3)"}, Name{"Image1(4)"},
    Name{"Image1(5)"}
};
}  // namespace Mark
namespace Stroke {
// The links from each congruence to its reduced form.
inline constexpr Name Link[] = {Name{"Line17(0)"}, Name{"Line17(1)"}, Name{"Line17(2)"}};
// The bracket of the inverse search loop (drawn by the window from its lines).
inline constexpr Name SearchLoop[] = {Name{"Line18"}, Name{"Line19"}, Name{"Line20"}};
// The three strokes of each of the nine drawn congruence signs.
inline constexpr Name Sign[9][3] = {
    {Name{"Line1(0)"}, Name{"Line2(0)"}, Name{"Line3(0)"}},
    {Name{"Line1(1)"}, Name{"Line2(1)"}, Name{"Line3(1)"}},
    {Name{"Line1(2)"}, Name{"Line2(2)"}, Name{"Line3(2)"}},
    {Name{"Line1(3)"}, Name{"Line2(3)"}, Name{"Line3(3)"}},
    {Name{"Line1(4)"}, Name{"Line2(4)"}, Name{"Line3(4)"}},
    {Name{"Line1(5)"}, Name{"Line2(5)"}, Name{"Line3(5)"}},
    {Name{"Line1(6)"}, Name{"Line2(6)"}, Name{"Line3(6)"}},
    {Name{"Line1(7)"}, Name{"Line2(7)"}, Name{"Line3(7)"}},
    {Name{"Line1(8)"}, Name{"Line2(8)"}, Name{"Line3(8)"}}
};
}  // namespace Stroke
}  // namespace congruences_steps_controls

class CongruencesSteps : public framework::AlgorithmOf<CongruencesSteps> {
public:
    QStringList columns() const override;
    void command(framework::Name command, const framework::Inputs& in, framework::Step& step) override;
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
