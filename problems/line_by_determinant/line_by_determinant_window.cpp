// The window of the line through two points by a determinant: its controls, and the layout
// that keeps what a click wrote clear of each other and on screen, with the diagonals of the
// determinant following its numbers.
#include "problems/line_by_determinant/line_by_determinant.h"

#include "framework/form.h"
#include "problems/problems.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <array>
#include <vector>

namespace problems {

using namespace line_by_determinant_controls;

using namespace framework;
using C = ControlSpec;

namespace {
// The widest coordinate a box is made to show whole: six significant digits, two of them
// decimals, and a sign.
const QString WidestCoordinate = QStringLiteral("-0000,00");
// The extended determinant: its heading as the window makes it (the caption of Label1(2)), and the places
// of its columns.
const QString HeaderAsMade = QStringLiteral(" X      Y     1     X      Y");
constexpr int ColumnLeft[5] = {480, 1200, 1920, 2520, 3240};
constexpr int ColumnGap = 240;  // the least room between two columns
// The rows of the determinant.
constexpr int RowTop[2] = {2280, 2760};
// The row of the six signed terms, its closing "=", and the answer's row.
constexpr int TermsTop = 4440;
constexpr int TermLeft[12] = {360, 600, 1080, 1320, 1800, 2040, 2760, 3000, 3480, 3720, 4320, 4560};
constexpr int TermsEndLeft = 5280;
constexpr int AnswerTop = 5040;

}  // namespace

class LineByDeterminantWindow : public Form {
public:
    LineByDeterminantWindow();

protected:
    // The window laid out again for what it shows: after a click, a step gone back to, or a
    // zoom.
    void arrange() override { layOut(); }

private:
    // The boxes of the two points wide enough for their coordinates (the widest of the four
    // typed, six significant digits at least), and what follows them.
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
    // The determinant's rows 2 and 3: columns 1 and 2, and their repeats in columns 4 and 5.
    std::array<QLabel*, 2> X0_{};
    std::array<QLabel*, 2> Y0_{};
    std::array<QLabel*, 2> X1_{};
    std::array<QLabel*, 2> Y1_{};
    std::array<QLabel*, 2> One_{};  // column 3, "1"
    QLabel* header_;                // the heading row " X      Y     1     X      Y"
    QLabel* equals_;                // the "=" after the determinant
    LineControl* leftBar_;          // the determinant's left bar: the right one is as tall
    // The right bar and the diagonals, which follow the columns.
    std::vector<framework::LineControl*> drawn_;
    std::array<QLabel*, 2> Calc_{};
    // The six signed terms: even index the sign, odd index the magnitude.
    std::array<QLabel*, 12> Calc1_{};
    QLabel* termsEnd_;    // the "=" after the terms
    QLabel* answerSign_;  // the "=" before the answer
    QLabel* Resposta_;
};

LineByDeterminantWindow::LineByDeterminantWindow()
    : Form(QStringLiteral("Equação_Reta"), QStringLiteral("Equação da reta"), 6855, 6690)
{
    addControls({
        {C::Label, "Label4", "Digite as coordenadas  A e B", {240, 120}, Pt12},
        // Each point reads "A = ( x , y )", the boxes between the parentheses: the words around
        // them are labels of their own, so that a wide box never hides one.
        {C::Label, Text::Open[0], "A = (", {240, 600}, Pt135Bold},
        {C::TextBox, Box::X[0], "-1", {960, 600, 490, 375}, PanelBold},
        {C::Label, Text::Comma[0], ",", {1440, 600}, Pt135Bold},
        {C::TextBox, Box::Y[0], "2", {1680, 630, 490, 375}, PanelBold},
        {C::Label, Text::Close[0], ")", {2160, 600}, Pt135Bold},
        {C::Label, Text::Open[1], "B = (", {240, 1200}, Pt135Bold},
        {C::TextBox, Box::X[1], "1", {960, 1200, 490, 375}, PanelBold},
        {C::Label, Text::Comma[1], ",", {1440, 1200}, Pt135Bold},
        {C::TextBox, Box::Y[1], "3", {1680, 1200, 490, 375}, PanelBold},
        {C::Label, Text::Close[1], ")", {2160, 1200}, Pt135Bold},
        {C::Button, Cmd::Solve, "Resolver", {3000, 600, 1935, 615}},
        // Hidden: the magnitude of each coordinate, as text.
        {C::Label, Val::WX[0], "Label4", {3240, 600}},
        {C::Label, Val::WY[0], "Label4", {3840, 600}},
        {C::Label, Val::WX[1], "Label4", {3240, 960}},
        {C::Label, Val::WY[1], "Label4", {3840, 960}},

        // The extended determinant: its heading, and its two rows with the first two columns
        // repeated.
        {C::Label, Text::Header, " X      Y     1     X      Y", {480, 1800}, Pt135Bold},
        {C::Label, Cell::X0[0], "X0", {ColumnLeft[0], RowTop[0]}, Pt135Bold},
        {C::Label, Cell::Y0[0], "Y0", {ColumnLeft[1], RowTop[0]}, Pt135Bold},
        {C::Label, Cell::One[0], "1", {ColumnLeft[2], RowTop[0]}, Pt135Bold},
        {C::Label, Cell::X1[0], "X0", {ColumnLeft[3], RowTop[0]}, Pt135Bold},
        {C::Label, Cell::Y1[0], "Y0", {ColumnLeft[4], RowTop[0]}, Pt135Bold},
        {C::Label, Cell::X0[1], "X1", {ColumnLeft[0], RowTop[1]}, Pt135Bold},
        {C::Label, Cell::Y0[1], "Y1", {ColumnLeft[1], RowTop[1]}, Pt135Bold},
        {C::Label, Cell::One[1], "1", {ColumnLeft[2], RowTop[1]}, Pt135Bold},
        {C::Label, Cell::X1[1], "X1", {ColumnLeft[3], RowTop[1]}, Pt135Bold},
        {C::Label, Cell::Y1[1], "Y1", {ColumnLeft[4], RowTop[1]}, Pt135Bold},
        {C::Label, Text::Equals, "=", {3960, 2400}, Pt135Bold},
    });
    // The left bar of the determinant; the right one and the diagonals follow the columns.
    leftBar_ = addLine(QStringLiteral("Line1(0)"), 360, 1800, 360, 3240, 3);
    addControls({
        // The products written out, then partly evaluated.
        {C::Value, Val::Calc[0], "", {360, 3480}, Pt12Bold, ole::ButtonText},
        {C::Value, Val::Calc[1], "", {360, 3960}, Pt12Bold, ole::ButtonText},
        // The six signed terms, each sign before its magnitude.
        {C::Value, Val::Term[0], "", {TermLeft[0], TermsTop}, Pt135Bold, ole::ButtonText},
        {C::Value, Val::Term[1], "", {TermLeft[1], TermsTop}, Pt135Bold, ole::ButtonText},
        {C::Value, Val::Term[2], "", {TermLeft[2], TermsTop}, Pt135Bold, ole::ButtonText},
        {C::Value, Val::Term[3], "", {TermLeft[3], TermsTop}, Pt135Bold, ole::ButtonText},
        {C::Value, Val::Term[4], "", {TermLeft[4], TermsTop}, Pt135Bold, ole::ButtonText},
        {C::Value, Val::Term[5], "", {TermLeft[5], TermsTop}, Pt135Bold, ole::ButtonText},
        {C::Value, Val::Term[6], "", {TermLeft[6], TermsTop}, Pt135Bold, ole::ButtonText},
        {C::Value, Val::Term[7], "", {TermLeft[7], TermsTop}, Pt135Bold, ole::ButtonText},
        {C::Value, Val::Term[8], "", {TermLeft[8], TermsTop}, Pt135Bold, ole::ButtonText},
        {C::Value, Val::Term[9], "", {TermLeft[9], TermsTop}, Pt135Bold, ole::ButtonText},
        {C::Value, Val::Term[10], "", {TermLeft[10], TermsTop}, Pt135Bold, ole::ButtonText},
        {C::Value, Val::Term[11], "", {TermLeft[11], TermsTop}, Pt135Bold, ole::ButtonText},
        {C::Label, Text::TermsEnd, "=", {TermsEndLeft, TermsTop}, Pt135Bold},
        {C::Label, Text::AnswerSign, "=", {360, AnswerTop}, Pt135Bold},
        {C::Value, Val::Answer, "", {600, AnswerTop}, Pt135Bold, ole::ButtonText},
    });

    for (int i = 0; i < 2; ++i) {
        X_[i] = textBox(Box::X[i]);
        Y_[i] = textBox(Box::Y[i]);
        X0_[i] = label(Cell::X0[i]);
        Y0_[i] = label(Cell::Y0[i]);
        X1_[i] = label(Cell::X1[i]);
        Y1_[i] = label(Cell::Y1[i]);
        One_[i] = label(Cell::One[i]);
        Calc_[i] = label(Val::Calc[i]);
        label(Val::WX[i])->hide();
        label(Val::WY[i])->hide();
    }
    for (int i = 0; i < 12; ++i)
        Calc1_[i] = label(Val::Term[i]);
    CmdSolve_ = button(Cmd::Solve);
    header_ = label(Text::Header);
    equals_ = label(Text::Equals);
    termsEnd_ = label(Text::TermsEnd);
    answerSign_ = label(Text::AnswerSign);
    Resposta_ = label(Val::Answer);
    setCaption(Calc1_[11], QStringLiteral(" "));
    describe(X_[0], QStringLiteral("Abscissa do ponto A"));
    describe(Y_[0], QStringLiteral("Ordenada do ponto A"));
    describe(X_[1], QStringLiteral("Abscissa do ponto B"));
    describe(Y_[1], QStringLiteral("Ordenada do ponto B"));
    layOutPoints();
    layOut();
    // A longer coordinate widens the boxes as it is typed; a shorter one narrows them again.
    for (QLineEdit* box : {X_[0], Y_[0], X_[1], Y_[1]})
        connect(box, &QLineEdit::textChanged, this, [this] {
            layOutPoints();
            rearrange();
        });

    setTabOrder({X_[0], X_[1], Y_[0], Y_[1], CmdSolve_});
    // Every click is a whole run; nothing is taken away.
    setRun(std::make_unique<LineByDeterminant>(),
           {.calculate = Cmd::Solve, .end = RunSpec::End::Stay});
    // What the click writes is laid out afresh as it is written (also when a run-time error
    // stops it half-way), so that the step the desk check keeps is the window as laid out.
    arrangeOnResize({X0_[0], X0_[1], Y0_[0], Y0_[1], X1_[0], X1_[1], Y1_[0], Y1_[1], Calc_[0], Calc_[1],
                     Calc1_[0], Calc1_[1], Calc1_[2], Calc1_[3], Calc1_[4], Calc1_[5], Calc1_[6], Calc1_[7],
                     Calc1_[8], Calc1_[9], Calc1_[10], Calc1_[11], Resposta_});
}

void LineByDeterminantWindow::layOutPoints()
{
    // Each box is wide enough for the widest coordinate; what follows it on the row follows on
    // from it, never nearer than its place above. Both rows keep one set of columns.
    for (int row = 0; row < 2; ++row)
        for (Name name : {Box::X[row], Text::Comma[row], Box::Y[row], Text::Close[row]})
            control(name)->move(tablePlace(control(name)).x(), control(name)->y());
    CmdSolve_->move(tablePlace(CmdSolve_).x(), CmdSolve_->y());
    const int tableWidth = tablePlace(X_[0]).width();
    int boxWidth = widthToShow(X_[0], tableWidth, WidestCoordinate);
    for (QLineEdit* box : {X_[0], Y_[0], X_[1], Y_[1]})
        boxWidth = qMax(boxWidth, widthToShow(box, tableWidth, box->text()));
    for (QLineEdit* box : {X_[0], Y_[0], X_[1], Y_[1]})
        box->resize(boxWidth, box->height());
    const auto cell = [this](int k, int row) {
        const Name order[5] = {Text::Open[row], Box::X[row], Text::Comma[row], Box::Y[row], Text::Close[row]};
        return control(order[k]);
    };
    int end = 0;
    for (int k = 1; k < 5; ++k) {
        int left = 0;
        for (int row = 0; row < 2; ++row) {
            const QWidget* before = cell(k - 1, row);
            const int beforeEnd = qobject_cast<const QLabel*>(before)
                                      ? before->x() + QFontMetrics(before->font()).horizontalAdvance(caption(before))
                                      : before->geometry().right() + 1;
            left = qMax(left, qMax(cell(k, row)->x(), beforeEnd + 3));
        }
        for (int row = 0; row < 2; ++row) {
            cell(k, row)->move(left, cell(k, row)->y());
            end = qMax(end, cell(k, row)->geometry().right() + 1);
        }
    }
    CmdSolve_->move(qMax(CmdSolve_->x(), end + px(240)), CmdSolve_->y());
}

void LineByDeterminantWindow::layOut()
{
    const int limit = layOutDeterminant();
    const int gap = px(180);

    // The products written out, then partly evaluated: each on one line while the window can
    // grow to hold it, else broken between words over as many lines as it needs.
    int below = 0;
    for (int i = 0; i < 2; ++i) {
        wrapWithin(Calc_[i], tablePlace(Calc_[i]).x(), qMax(tablePlace(Calc_[i]).y(), below + gap), limit);
        below = Calc_[i]->geometry().bottom() + 1;
    }

    // The six signed terms, each sign beside its magnitude, in their places while
    // they stand clear of each other. A term that would pass the window's edge starts a line
    // of its own, its sign with it; the "=" that ends the row follows the last term.
    const QFontMetrics fm(Calc1_[0]->font());
    auto advance = [&fm](const QWidget* w) { return fm.horizontalAdvance(caption(w)); };
    int top = qMax(px(TermsTop), below + gap);
    int x = 0;
    bool wrapped = false;
    auto place = [&](QWidget* w, int ownLeft, int air, int keptWith) {
        // On a line of its own, a term follows the one before it.
        int left = wrapped ? x + air : qMax(px(ownLeft), x + air);
        if (x > 0 && left + advance(w) + keptWith > limit) {
            top += fm.height() + 3;
            left = px(TermLeft[0]);
            wrapped = true;
        }
        w->move(left, top);
        x = left + advance(w);
    };
    for (int i = 0; i < 12; i += 2) {
        place(Calc1_[i], TermLeft[i], x > 0 ? 6 : 0, 2 + advance(Calc1_[i + 1]));
        place(Calc1_[i + 1], TermLeft[i + 1], 2, 0);
    }
    place(termsEnd_, TermsEndLeft, 6, 0);
    below = top + fm.height();

    // The simplified equation after its "=".
    answerSign_->move(answerSign_->x(), qMax(px(AnswerTop), below + gap));
    wrapWithin(Resposta_, qMax(tablePlace(Resposta_).x(), answerSign_->x() + advance(answerSign_) + 3), answerSign_->y(), limit);

    growToFit();
}

int LineByDeterminantWindow::layOutDeterminant()
{
    // The columns of the extended determinant: each as wide as its widest entry, in its
    // place while it stands clear of the column before.
    const QFontMetrics fm(header_->font());
    QLabel* const rows[2][5] = {{X0_[0], Y0_[0], One_[0], X1_[0], Y1_[0]}, {X0_[1], Y0_[1], One_[1], X1_[1], Y1_[1]}};
    const QString letters = QStringLiteral("XY1XY");
    int left[5], right[5];
    bool inPlace = true;
    for (int c = 0; c < 5; ++c) {
        int width = fm.horizontalAdvance(letters[c]);
        for (auto& row : rows)
            width = qMax(width, fm.horizontalAdvance(caption(row[c])));
        left[c] = c == 0 ? px(ColumnLeft[0]) : qMax(px(ColumnLeft[c]), right[c - 1] + px(ColumnGap));
        right[c] = left[c] + width;
        inPlace = inPlace && left[c] == px(ColumnLeft[c]);
        for (auto& row : rows)
            row[c]->move(left[c], row[c]->y());
    }

    // The heading letters stand over their columns: as given while the columns keep their places, else
    // spaced out with blanks to each column's start.
    QString heading = HeaderAsMade;
    if (!inPlace) {
        heading.clear();
        // The blanks a column needs go in by as many as the room left holds at once, so that
        // a long number costs a few measures of the heading, not one per blank.
        const int blank = (fm.horizontalAdvance(QString(64, QLatin1Char(' '))) + 63) / 64 + 1;
        for (int c = 0; c < 5; ++c) {
            for (int room; (room = left[c] - header_->x() - fm.horizontalAdvance(heading)) > 0;)
                heading += QString(qMax(1, room / blank), QLatin1Char(' '));
            heading += letters[c];
        }
    }
    setCaption(header_, heading);
    int letterLeft[5], letterRight[5];
    for (int c = 0, at = 0; c < 5; ++c, ++at) {
        at = heading.indexOf(letters[c], at);
        letterLeft[c] = header_->x() + fm.horizontalAdvance(heading.left(at));
        letterRight[c] = header_->x() + fm.horizontalAdvance(heading.left(at + 1));
    }

    // The right bar after the last column, and the "=" after the bar.
    const int bar = qMax(px(3720), right[4] + px(120));
    equals_->move(qMax(tablePlace(equals_).x(), bar + px(240)), equals_->y());

    // The diagonals of the products, added (black, falling) and subtracted (red, rising). Each
    // runs from an entry of one row to the entry a column on in the next row through the gaps
    // between the rows, one stroke for each pair of rows, so that it never crosses a number.
    size_t next = 0;
    auto line = [this, &next](const QString& name, int x1, int y1, int x2, int y2, int width, OleColor color) {
        stroke(next++, name, x1, y1, x2, y2, width, color);
    };
    (line(QStringLiteral("Line1(1)"), bar, tableStrokeStart(leftBar_).y(), bar, tableStrokeEnd(leftBar_).y(), 3, ole::Black));
    auto inkTop = [&fm](const QWidget* w) { return w->y() + fm.ascent() - int(fm.capHeight()); };
    auto inkBottom = [&fm](const QWidget* w) { return w->y() + fm.height() - 1; };
    const int band[3][2] = {{inkTop(header_), inkBottom(header_)},
                            {inkTop(rows[0][0]), inkBottom(rows[0][0])},
                            {inkTop(rows[1][0]), inkBottom(rows[1][0])}};
    auto cellLeft = [&](int row, int c) { return row == 0 ? letterLeft[c] : rows[row - 1][c]->x(); };
    auto cellRight = [&](int row, int c) {
        return row == 0 ? letterRight[c] : rows[row - 1][c]->x() + fm.horizontalAdvance(caption(rows[row - 1][c]));
    };
    constexpr int air = 3;
    for (int k = 0; k < 3; ++k) {
        for (int step = 0; step < 2; ++step) {
            // Falling: row `step`, column k + step, down to the next row, a column on.
            (line(QStringLiteral("Line%1(%2)").arg(2 + k).arg(step), cellRight(step, k + step) + air,
                                  band[step][1] + air, cellLeft(step + 1, k + step + 1) - air, band[step + 1][0] - air,
                                  1, ole::Black));
            // Rising: the last row, column k, up; this stroke joins rows 2 - step and 1 - step.
            const int from = 2 - step, to = 1 - step;
            (line(QStringLiteral("Line%1(%2)").arg(5 + k).arg(step), cellRight(from, k + step) + air,
                                  band[from][0] - air, cellLeft(to, k + step + 1) - air, band[to][1] + air, 1,
                                  ole::Red));
        }
    }

    const int needed = qMax(equals_->x() + fm.horizontalAdvance(caption(equals_)), CmdSolve_->geometry().right() + 1);
    return qMax(widestWindow() - px(120), needed);
}

int LineByDeterminantWindow::widestWindow() const
{
    // As wide as the main window's workspace lets it be, where it stands; never narrower than
    // it is.
    auto frame = qobject_cast<const QMdiSubWindow*>(parentWidget());
    const QMdiArea* workspace = frame ? frame->mdiArea() : nullptr;
    if (!workspace)
        return width();
    // The frame's borders; none while the frame is not yet fitted to a window made anew (at a
    // zoom), which may then be wider than it.
    const int borders = qMax(0, frame->width() - width());
    return qMax(width(), workspace->viewport()->width() - qMax(0, frame->x()) - borders);
}

void LineByDeterminantWindow::stroke(size_t index, const QString& name, int x1, int y1, int x2, int y2, int width,
                                   OleColor color)
{
    // The strokes are made once, then moved to where the numbers of each click put them.
    const auto t = [](int pixels) { return twips(pixels); };
    if (index < drawn_.size())
        drawn_[index]->setEnds(t(x1), t(y1), t(x2), t(y2));
    else {
        drawn_.push_back(addLine(name, t(x1), t(y1), t(x2), t(y2), width, color));
        drawn_.back()->show();
    }
}

void LineByDeterminantWindow::wrapWithin(QLabel* label, int left, int top, int limit)
{
    label->setWordWrap(false);
    if (caption(label).isEmpty()) {
        // Nothing to show: no width, whatever the label showed before.
        label->setGeometry(left, top, 0, label->sizeHint().height());
        return;
    }
    label->adjustSize();
    label->move(left, top);
    if (left + label->width() <= limit)
        return;
    const QRect wrapped = QFontMetrics(label->font())
                              .boundingRect(QRect(0, 0, limit - left, 1 << 20),
                                            int(label->alignment()) | Qt::TextWordWrap, caption(label));
    label->setWordWrap(true);
    label->setGeometry(left, top, limit - left, wrapped.height());
}

Form* createLineByDeterminant() { return new LineByDeterminantWindow; }

}  // namespace problems
