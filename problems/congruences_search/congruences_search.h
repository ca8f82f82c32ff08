#pragma once
// Problem 09, second method: the smallest whole number that leaves remainders 2, 3 and 4 when
// divided by 3, 5 and 7, found by trying 1, 2, 3 ... in turn: one pass of the search per click
// of "Calcular Passo-a-passo" (Cmd_Calcular), or the whole search at one click of "Calcular"
// (Cmd_Calculo).
#include "framework/numbers/value.h"
#include "framework/step.h"

namespace problems {

// The controls of its window that its code names, declared once: the table of controls,
// the algorithm and the window all use these names.
namespace congruences_search_controls {
using framework::Name;
namespace Cmd {
inline constexpr Name StepByStep{"Cmd_Calcular"};
inline constexpr Name Calculate{"Cmd_Calculo"};
}  // namespace Cmd
namespace Val {
inline constexpr Name X{"Wx"};
inline constexpr Name XMod3{"Wr1"};
inline constexpr Name XMod5{"Wr2"};
inline constexpr Name XMod7{"Wr3"};
inline constexpr Name Answer{"Resp"};
}  // namespace Val
}  // namespace congruences_search_controls

class CongruencesSearch : public framework::AlgorithmOf<CongruencesSearch> {
public:
    QStringList columns() const override;
    void command(framework::Name command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = CongruencesSearch(); }

    // Working values, named as the panel names them.
    num::Value X, R1, R2, R3;
    // A step-by-step search is under way: the next step click goes on with it.
    bool stepping = false;

private:
    void start();
    // The condition of the loop: Enquanto ( R1 <> 2 Or R2 <> 3 Or R3 <> 4 ).
    bool searching() const;
    // One turn of the loop; `said` leads its desk-check sentence.
    void pass(framework::Step& s, const QString& said);
    void answer(framework::Step& s);
    QStringList values() const;
};

}  // namespace problems
