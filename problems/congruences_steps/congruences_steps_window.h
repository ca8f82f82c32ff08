#pragma once
// The window of the first method of problem 09 (X_Mod123): the input strip, the summary page
// on the form, the frames of stages (i) and (ii) that lie over it, and the buttons of the
// stages. Its controls are made in congruences_steps_window.cpp; what depends on the texts
// shown is laid out in congruences_steps_window_layout.cpp.
#include "framework/form.h"

#include <QRect>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace problems {

// The window's measures, in twips.
namespace xmod {
// The form is 10425 twips wide; the frames stop at its right edge so that their border shows.
inline constexpr int FormWidth = 10425;
inline constexpr int FrameLeft = 120;
inline constexpr int FrameWidth = FormWidth - FrameLeft;
// The frames start here; the summary page below this line lies under them.
inline constexpr int SummaryTop = 2160;

// The input strip: the picture behind the boxes, the two columns of boxes with the words
// between them, and the column of the stage buttons beside it.
inline constexpr int PanelLeft = 6360;
inline constexpr int PanelRightMargin = 225;  // from the moduli boxes to the picture's right edge
inline constexpr int RemainderLeft = 6480;
inline constexpr int WordsLeft = 6960;
inline constexpr int ModulusLeft = 8280;
inline constexpr int BoxSize = 375;
inline constexpr int ColumnGap = 105;
inline constexpr int ButtonLeft = 9000;
inline constexpr int ButtonGap = 120;  // from the picture to the buttons
inline constexpr int ButtonWidth = 1215;
inline constexpr int ButtonRightMargin = 210;
}  // namespace xmod

class CongruencesStepsWindow : public framework::Form {
public:
    CongruencesStepsWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Made in congruences_steps_window_layout.cpp: the picture of the input strip, the
    // strokes of a drawn congruence sign (Line1(i), Line2(i), Line3(i), hidden until a step
    // shows them) and the marks beside the reduced congruences.
    void addStrip();
    void addCongruenceSign(int index, QWidget* in, framework::OleColor color);
    void addMarks(QWidget* frame);

    // Lays out what depends on the texts shown: the input strip for its boxes, the row of
    // congruences of stage (i) and the rows of the congruences of stage (ii), each text
    // pushing what stands to its right; the window grows when the strip has to move. It runs
    // after every step.
    void layOut();
    void arrange() override;
    void layOutStrip(int shift);
    void layOutModRows();
    void layOutSummaryRows();
    // Places sign `index` in the run of blanks of the congruence `label` (after its first
    // word group, "X" or "35 X1"), so that it stands clear of the letters on either side.
    void placeCongruenceSign(int index, const QLabel* label);

    // Input strip.
    QWidget* Picture1_ = nullptr;
    QRect panel_;                          // the picture behind the boxes, in Picture1's pixels
    std::array<QLineEdit*, 3> Mod_{};      // Mod1 .. Mod3: the remainders r1 .. r3
    std::array<QLineEdit*, 3> R_{};        // R1 .. R3: the moduli m1 .. m3
    std::array<QLabel*, 3> DivCaption_{};  // Label4(3) .. Label4(5)
    std::array<QLabel*, 3> ModCaption_{};  // Label4(0) .. Label4(2)
    std::array<QLabel*, 4> Words_{};       // Label2(0), the statement, and Label2(1) .. Label2(3)
    int boxWidth_ = 0;                     // pixels

    QPushButton* Cmd_Calc_MDC_ = nullptr;
    QPushButton* Cmd_Calc_MOD_ = nullptr;
    QPushButton* Cmd_Final_ = nullptr;
    QGroupBox* Frame_MDC_ = nullptr;
    QGroupBox* Frame_MOD_ = nullptr;

    // Stage (ii) area.
    std::array<std::array<QLabel*, 3>, 3> ModX_{};  // ModX_[i][k] is Mod_X<i+1>(k)
    std::array<QWidget*, 6> Image1_{};
    std::array<framework::LineControl*, 3> Line17_{};

    // Summary page. Its part below the input strip lies under the two frames and shows only
    // when neither of them does.
    QWidget* lowerSummary_ = nullptr;
    std::array<std::array<framework::LineControl*, 3>, 3> Arrow_{};  // Line14(k), Line15(k), Line16(k)
    std::array<QLabel*, 3> Label1_{};
    QLabel* Conclusion_ = nullptr;                    // Label3(1)
    std::array<QLabel*, 3> Calc_Mod_{};
    std::array<std::array<QWidget*, 3>, 9> Sign_{};  // Line1(i), Line2(i), Line3(i)
};

}  // namespace problems
