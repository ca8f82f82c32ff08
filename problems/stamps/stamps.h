#pragma once
// Problem 08: change an amount in reais into 3- and 5-cent stamps, one pass of the loop per
// click of "Resolver".
#include "framework/numbers/value.h"
#include "framework/step.h"

#include <cstdint>

namespace problems {

// The controls of its window that its code names, declared once: the table of controls,
// the algorithm and the window all use these names.
namespace stamps_controls {
using framework::Name;
namespace Box {
inline constexpr Name X{"X"};
}  // namespace Box
namespace Cmd {
inline constexpr Name Solve{"CmdResolver"};
inline constexpr Name NewCalculation{"Novo_Calculo"};
}  // namespace Cmd
namespace Text {
inline constexpr Name Prompt{"Label1"};
inline constexpr Name Stamps3Words{"Sol(0)"};
inline constexpr Name Stamps5Words{"Sol(1)"};
}  // namespace Text
namespace Frame {
inline constexpr Name Solution{"Frame1"};
}  // namespace Frame
namespace Val {
inline constexpr Name Stamps3{"Selo3"};
inline constexpr Name Stamps5{"Selo5"};
inline constexpr Name ValorTimes100{"ValorX"};
inline constexpr Name Cont5{"Cont51"};
inline constexpr Name Valor{"Cont31"};
inline constexpr Name Cont3{"Cont3Mais"};
inline constexpr Name Cont3Minus5{"Conte3Menos"};
inline constexpr Name Cont5Plus1{"Conte5Mais"};
}  // namespace Val
namespace Line {
inline constexpr Name DoWhile{"Faça_enquanto"};
inline constexpr Name IfValorMod5{"Valor_5"};
inline constexpr Name Cont5PlusValorDiv5{"Label2(6)"};
inline constexpr Name ValorMinus3{"Label2(8)"};
inline constexpr Name IfCont3Above6{"Cont3_Maior"};
inline constexpr Name EndIfCont3{"Label2(14)"};
inline constexpr Name EndIfValorMod5{"Label2(16)"};
inline constexpr Name EndDo{"Label2(15)"};
}  // namespace Line
}  // namespace stamps_controls

class Stamps : public framework::AlgorithmOf<Stamps> {
public:
    QStringList columns() const override;
    void command(framework::Name command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step&) override { *this = Stamps(); }

    // Working values, named as the panel names them.
    num::Value Valor;    // what is left to change, in cents (a Currency)
    num::Value Cont3;    // 3-cent stamps taken (an Integer)
    int16_t Cont5 = 0;   // 5-cent stamps taken
    bool Inicio = true;  // the next click starts a new run

private:
    QStringList values() const;
};

// Whether 3- and 5-cent stamps can make up an amount exactly.
bool exactChange(num::Currency amount);

}  // namespace problems
