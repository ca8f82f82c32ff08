#pragma once
// Problem 07: a ball falls from a height H and bounces back to half the height each time;
// one bounce per click, until the height is no more than 0.001.
#include "framework/form.h"

#include <QPoint>
#include <utility>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace problems {

class BouncingBallForm : public framework::Form {
    Q_OBJECT
public:
    BouncingBallForm();

protected:

private:
    void buildPanel();
    void buildDrawing();
    void buildAnswer();
    void Form_Load();
    void Cmd_Calc_Click();
    void Cmd_Novo_Click();
    // Clears what a run wrote: the height typed, the value labels, the lists, the answer.
    void Limpa_Campo();
    // Makes room for what the values and lists hold now: the lists side by side, the
    // drawing right of the panel, the frames as wide as their texts, the window around all.
    void arrange() override;

    QLineEdit* H_;
    QPushButton* Cmd_Calc_;
    QPushButton* Cmd_Novo_;
    QListWidget* SomaList_;
    QListWidget* SomList_;
    QListWidget* HList_;
    QWidget* Bola_;
    QGroupBox* Frame1_;
    QLabel* H_Grafico_;
    QGroupBox* RespostaFrame_;
    QLabel* Resp_Percurso_;
    QLabel* Resp_Tocou_;
    QLabel* Hinicial_;
    QLabel* HCont_;
    QLabel* Cont_;
    // The ball, the floor, the drop mark and the height box, each with its designed place.
    std::vector<std::pair<QWidget*, QPoint>> drawing_;

    // Working values, named as the panel names them.
    num::Value H;       // the current height, a Double
    double Soma = 0;    // the path so far
    num::Value Cont;    // bounces so far, an Integer
    num::Value Altura;  // the drawing's height above the floor: 2280, then halved
    int16_t Topo = 0;   // top of the ball for the current bounce
    QString Inicio = QStringLiteral("S");  // "S": the next click starts a new run
};

}  // namespace problems
