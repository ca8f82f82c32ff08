#pragma once
// Problem 07: a ball falls from a height H and bounces back to half the height each time;
// one bounce per click, until the height is no more than 0.001.
#include "framework/numbers/value.h"
#include "framework/step.h"

#include <cstdint>

namespace problems {

class BouncingBall : public framework::AlgorithmOf<BouncingBall> {
public:
    // Tops of the ball, in twips: where it is dropped from, and lying on the floor.
    static constexpr double DropTop = 2280;
    static constexpr double FloorTop = 4520;
    // The ball's top when its height above the floor is 0.
    static constexpr double GroundTop = 4570;

    QStringList columns() const override;
    void command(const QString& command, const framework::Inputs& in, framework::Step& step) override;
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
