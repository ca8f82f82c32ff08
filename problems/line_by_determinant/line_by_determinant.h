#pragma once
// Problem 03, first method: the line through two points, from the 3 x 3 determinant
// | X Y 1 ; x0 y0 1 ; x1 y1 1 | = 0 expanded by the rule of Sarrus, written out step by step.
#include "framework/form.h"

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace problems {

class LineByDeterminantForm : public framework::Form {
public:
    LineByDeterminantForm();

private:
    void buildDeterminant();
    void CmdSolve_Click();
    // The boxes of the two points wide enough for their coordinates, and what follows them.
    void layOutPoints();
    // Everything the click wrote, laid out so that no text covers another or passes the
    // window's edge: the determinant's columns, the rows below it, the window's size.
    void layOut();
    // The columns, bars and diagonals of the determinant; returns where the rows below it
    // must end, in pixels.
    int layOutDeterminant();
    // How wide the window may grow without leaving the main window's workspace, in pixels.
    int widestWindow() const;
    // A label at (left, top), on one line or broken between words before `limit` (pixels).
    static void wrapWithin(QLabel* label, int left, int top, int limit);
    // The index-th stroke of the layout, from (x1, y1) to (x2, y2) in pixels: made the first
    // time, moved after that.
    void stroke(size_t index, const QString& name, int x1, int y1, int x2, int y2, int width,
                framework::OleColor color);

    std::array<QLineEdit*, 2> X_{};
    std::array<QLineEdit*, 2> Y_{};
    QPushButton* CmdSolve_;
    // Hidden: the magnitude of each coordinate, as text.
    std::array<QLabel*, 2> WX_{};
    std::array<QLabel*, 2> WY_{};
    // The determinant's rows 2 and 3: columns 1 and 2, and their repeats in columns 4 and 5.
    std::array<QLabel*, 2> X0_{};
    std::array<QLabel*, 2> Y0_{};
    std::array<QLabel*, 2> X1_{};
    std::array<QLabel*, 2> Y1_{};
    std::array<QLabel*, 2> One_{};  // column 3, "1"
    QLabel* header_;                // the heading row " X      Y     1     X      Y"
    QLabel* equals_;                // the "=" after the determinant
    // The right bar and the diagonals, which follow the columns.
    std::vector<framework::LineControl*> drawn_;
    std::array<QLabel*, 2> Calc_{};
    // The six signed terms: even index the sign, odd index the magnitude.
    std::array<QLabel*, 12> Calc1_{};
    QLabel* termsEnd_;    // the "=" after the terms
    QLabel* answerSign_;  // the "=" before the answer
    QLabel* Resposta_;
};

}  // namespace problems
