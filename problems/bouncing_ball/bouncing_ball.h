#pragma once
// Problem 07: a ball falls from a height H and bounces back to half the height each time;
// one bounce per click, until the height is no more than 0.001.
#include "framework/numbers/value.h"
#include "framework/step.h"

#include <cstdint>

namespace problems {

// The controls of its window that its code names, declared once: the table of controls,
// the algorithm and the window all use these names.
namespace bouncing_ball_controls {
using framework::Name;
namespace Text {
inline constexpr Name Prompt{"Label1(0)"};
inline constexpr Name PathWords{"Label2(0)"};
inline constexpr Name TouchedWords{"Label2(1)"};
}  // namespace Text
namespace Box {
inline constexpr Name H{"H"};
}  // namespace Box
namespace Cmd {
inline constexpr Name Calculate{"Cmd_Calc"};
inline constexpr Name NewCalculation{"Cmd_Novo"};
}  // namespace Cmd
namespace Line {
inline constexpr Name SomaIsH{"Label1(1)"};
inline constexpr Name DoWhile{"Label1(3)"};
inline constexpr Name HHalved{"Label1(4)"};
inline constexpr Name ContPlus1{"Label1(7)"};
inline constexpr Name EndDo{"Label1(6)"};
}  // namespace Line
namespace Val {
inline constexpr Name H{"Hinicial"};
inline constexpr Name HHalved{"HCont"};
inline constexpr Name Cont{"Cont"};
inline constexpr Name PictureHeight{"H_Gráfico"};
inline constexpr Name Path{"Resp_Percurso"};
inline constexpr Name Touched{"Resp_Tocou"};
}  // namespace Val
namespace List {
inline constexpr Name Soma{"SomaList"};
inline constexpr Name Som{"SomList"};
inline constexpr Name H{"HList"};
}  // namespace List
namespace Frame {
inline constexpr Name Picture{"Frame1"};
inline constexpr Name Answer{"RespostaFrame"};
}  // namespace Frame
namespace Stroke {
inline constexpr Name Ground{"Line5"};
inline constexpr Name HeightTop{"Line4"};
inline constexpr Name HeightUpper{"Line6"};
inline constexpr Name HeightLower{"Line7"};
}  // namespace Stroke
namespace Shape {
inline constexpr Name Ball{"Bola"};
}  // namespace Shape
}  // namespace bouncing_ball_controls

class BouncingBall : public framework::AlgorithmOf<BouncingBall> {
public:
    // Tops of the ball, in twips: where it is dropped from, and lying on the floor.
    static constexpr double DropTop = 2280;
    static constexpr double FloorTop = 4520;
    // The ball's top when its height above the floor is 0.
    static constexpr double GroundTop = 4570;

    QStringList columns() const override;
    void command(framework::Name command, const framework::Inputs& in, framework::Step& step) override;
    void reset(framework::Step& step) override;

    // Working values, named as the panel names them.
    num::Value H;        // the current height, a Double
    double Soma = 0;     // the path so far
    num::Value Cont;     // bounces so far, an Integer
    num::Value Altura;   // the drawing's height above the floor: 2280, then halved
    int16_t Topo = 0;    // top of the ball for the current bounce
    bool Inicio = true;  // the next click starts a new run

private:
    QStringList values() const;
};

}  // namespace problems
