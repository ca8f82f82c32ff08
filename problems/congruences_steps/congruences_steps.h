#pragma once
// Problem 09, first method: the smallest positive X that leaves the remainders r1, r2, r3 when
// divided by the moduli m1, m2, m3, worked by the Chinese remainder method in three stages:
//   (i)   the greatest common divisor of the moduli by Euclid's algorithm, one remainder step
//         per click of "Calculo_MDC" (stage_mdc.cpp);
//   (ii)  the cofactors and the three inverse searches, with a pause after every pass
//         (stage_mod.cpp);
//   (iii) X reduced modulo the product: the general and the smallest solution (stage_mod.cpp).
// The controls are laid out in layout.cpp.
#include "framework/form.h"

#include <QRect>

#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace problems {

class XMod123Form : public framework::Form {
public:
    XMod123Form();

protected:
    void afterRuntimeError() override;

private:
    // Layout (layout.cpp).
    void buildInputStrip();
    void buildButtons();
    void buildSummaryPage();
    void buildMdcFrame();
    void buildModFrame();
    void setUpTabOrder();
    // The three drawn strokes of a congruence sign (Line1(i), Line2(i), Line3(i)), in `in`.
    void addCongruenceSign(int index, QWidget* in, framework::OleColor color);
    void showCongruenceSigns(int from, int to);
    // Places sign `index` in the run of blanks of the congruence `label` (after its first
    // word group, "X" or "35 X1"), so that it stands clear of the letters on either side.
    void placeCongruenceSign(int index, const QLabel* label);

    // Lays out what depends on the texts shown: the input strip for its boxes, the row of
    // congruences of stage (i) and the rows of the congruences of stage (ii), each text
    // pushing what stands to its right; the window grows when the strip has to move.
    void layOut();
    void layOutStrip(int shift);
    void layOutModRows();
    void layOutSummaryRows();
    bool eventFilter(QObject* watched, QEvent* event) override;

    void Form_Load();

    // Stage (i) (stage_mdc.cpp).
    void LimpaCampo();
    void Primeira_Vez();
    void Cmd_Calc_MDC_Click();
    void Conclusao();

    // Stages (ii) and (iii) (stage_mod.cpp).
    void Cmd_Calc_MOD_Click();
    void Cmd_Next_Click();
    void Cmd_Final_Click();
    // One inverse search: counts X_i = 1, 2, 3 ... until (C_i * X_i) Mod m_i = 1, pausing after
    // every pass. False when the counter passed 80 without finding it.
    bool searchInverse(int i, const num::Value& C, num::Value& counter);

    // Which handler is running, so that a run-time error can leave the right button to go on.
    enum class Stage { None, Mdc, Mod, Final };
    Stage running_ = Stage::None;
    // Set by a run-time error in stage (i): the next "Calculo_MDC" click starts the stage over.
    bool restartMdc_ = false;

    // Input strip.
    QWidget* Picture1_ = nullptr;
    QRect panel_;                      // the picture behind the boxes, in Picture1's pixels
    std::array<QLineEdit*, 3> Mod_{};  // Mod1 .. Mod3: the remainders r1 .. r3
    std::array<QLineEdit*, 3> R_{};    // R1 .. R3: the moduli m1 .. m3
    std::array<QLabel*, 3> DivCaption_{};  // Label4(3) .. Label4(5)
    std::array<QLabel*, 3> ModCaption_{};  // Label4(0) .. Label4(2)
    int boxWidth_ = 0;                 // pixels

    // Buttons.
    QPushButton* Cmd_Calc_MDC_ = nullptr;
    QPushButton* Cmd_Calc_MOD_ = nullptr;
    QPushButton* Cmd_Next_ = nullptr;
    QPushButton* Cmd_Final_ = nullptr;

    // Stage (i) area.
    QGroupBox* Frame_MDC_ = nullptr;
    std::array<QLabel*, 23> Label2_{};  // the pseudo-code panel is Label2(4) .. Label2(22)
    std::array<QLabel*, 2> Modu1_{};
    std::array<QLabel*, 2> Modu2_{};
    QLabel* Mod1_Final_ = nullptr;
    QLabel* Mod2_Final_ = nullptr;
    QListWidget* ListRest_ = nullptr;
    QListWidget* ListMaior_ = nullptr;
    QListWidget* ListMenor_ = nullptr;
    QListWidget* ListResto_ = nullptr;

    // Stage (ii) area.
    QGroupBox* Frame_MOD_ = nullptr;
    QLabel* Modulo_ = nullptr;
    std::array<QLabel*, 3> NLabel_{};                   // N1, N2, N3
    std::array<std::array<QLabel*, 3>, 3> ModX_{};      // ModX_[i][k] is Mod_X<i+1>(k)
    std::array<QWidget*, 6> Image1_{};
    std::array<QWidget*, 3> Line17_{};
    std::array<QWidget*, 3> Bracket_{};                 // Line18, Line19, Line20
    QLabel* Rotulo_ = nullptr;
    std::array<QLabel*, 7> Label9_{};
    std::array<QLabel*, 3> Label8_{};
    std::array<QLabel*, 2> X_{};

    // Summary page. Its part below the input strip lies under the two frames and shows only
    // when neither of them does.
    QWidget* lowerSummary_ = nullptr;
    std::array<std::array<QWidget*, 3>, 3> Arrow_{};  // Line14(k), Line15(k), Line16(k)
    std::array<QLabel*, 4> Label3_{};
    std::array<QLabel*, 3> Label1_{};
    std::array<QLabel*, 3> Calc_Mod_{};
    QLabel* Valor_X_ = nullptr;
    std::array<QLabel*, 10> Label10_{};  // Label10(5) .. Label10(9)
    std::array<std::array<QWidget*, 3>, 9> Sign_{};  // Line1(i), Line2(i), Line3(i)

    // Working values, named as the panels name them.
    num::Value Mod1, Mod2, Mod3;     // the moduli; Euclid's loop reuses Mod1 and Mod2
    num::Value Maior, Menor, Resto;
    bool Termina = false;
    bool firstTime_ = true;          // until the first initialisation that passes its check
    int16_t pairFlag_ = 0;           // non-zero while a pair's remainder loop is in progress
    num::Value Mod;                  // m1 * m2 * m3
    num::Value N1, N2, N3;           // the cofactors
    num::Value C1, C2, C3;           // N_i Mod m_i
    num::Value Cont_1, Cont_2;
    int16_t Cont_3 = 0;
    num::Value Aux;                  // remainder of the running search
    num::Value X1, X2, X3;
    num::Value X;
    // The smallest solution. A Long: a product of moduli above 32767 must not overflow it.
    int32_t N = 0;
};

}  // namespace problems
