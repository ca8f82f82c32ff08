#pragma once
// Problem 06: S = X - X^2/2! + X^3/3! - ... up to the term of exponent N, one term per click.
#include "framework/form.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace problems {

class SeriesSForm : public framework::Form {
    Q_OBJECT
public:
    SeriesSForm();

protected:

private:
    void buildPanel();
    void Form_Load();
    void CmdCalc_Click();
    void CmdNovo_Click();
    // Empties the labels of one pass and the result line.
    void Limpa_Campo();
    // Makes room for what the boxes and values hold now: the boxes as wide as their texts,
    // the first panel line pushed along by X, the window around it all.
    void arrange() override;

    QLineEdit* X_;
    QLineEdit* N_;
    QPushButton* CmdCalc_;
    QPushButton* CmdNovo_;
    QLabel* Resposta_;
    // Value labels beside the panel lines.
    QLabel* S_;
    QLabel* Xaux1_;
    QLabel* Naux_;
    QLabel* XAux_;
    QLabel* Num1_;
    QLabel* Fat_;
    QLabel* Num_;
    QLabel* S1_;
    QLabel* S2_;

    // Working values, named as the panel names them.
    num::Value S;     // running sum, a Double
    num::Value NAux;  // exponent of the last term, an Integer
    double XAux = 0;  // X raised to NAux
    num::Value Num;   // counts NAux down while the factorial is built
    int32_t Fat = 0;  // NAux factorial; 13! no longer fits
    QString Inicio = QStringLiteral("S");  // "S": the next click starts a new run
};

}  // namespace problems
