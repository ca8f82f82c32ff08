#pragma once
// Problem 08: change an amount in reais into 3- and 5-cent stamps, one pass of the loop per
// click of "Resolver".
#include "framework/form.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace problems {

class StampsForm : public framework::Form {
public:
    StampsForm();

private:
    void buildPanel();
    void Form_Load();
    void CmdResolver_Click();
    void Novo_Calculo_Click();
    // Takes back the highlight of the previous pass.
    void Deixa_Preto();

    QLineEdit* X_;
    QPushButton* CmdResolver_;
    QPushButton* Novo_Calculo_;
    QLabel* Selo3_;
    QLabel* Selo5_;
    // Panel lines that a pass lights.
    QLabel* Faca_enquanto_;
    QLabel* Valor_5_;
    QLabel* Label2_6_;
    QLabel* Label2_8_;
    QLabel* Cont3_Maior_;
    // Value labels beside the panel lines.
    QLabel* ValorX_;
    QLabel* Cont51_;
    QLabel* Cont31_;
    QLabel* Cont3Mais_;
    QLabel* Conte3Menos_;
    QLabel* Conte5Mais_;

    // Working values, named as the panel names them.
    num::Value Valor;   // what is left to change, in cents (a Currency)
    num::Value Cont3;   // 3-cent stamps taken (an Integer)
    int16_t Cont5 = 0;  // 5-cent stamps taken
    QString Inicio;     // "S": the next click starts a new run
};

}  // namespace problems
