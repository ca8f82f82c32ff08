#include "problems/line_by_determinant/line_by_determinant.h"

#include "framework/text.h"
#include "problems/problems.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <cmath>

namespace problems {

using namespace framework;

namespace {
// The widest coordinate a box is made to show whole: six significant digits, two of them
// decimals, and a sign.
const QString WidestCoordinate = QStringLiteral("-0000,00");
// The extended determinant: its heading, and the places of its columns.
const QString DesignedHeader = QStringLiteral(" X      Y     1     X      Y");
constexpr int ColumnLeft[5] = {480, 1200, 1920, 2520, 3240};
constexpr int ColumnGap = 240;  // the least room between two columns
// The row of the six signed terms, its closing "=", and the answer's row.
constexpr int TermsTop = 4440;
constexpr int TermLeft[12] = {360, 600, 1080, 1320, 1800, 2040, 2760, 3000, 3480, 3720, 4320, 4560};
constexpr int TermsEndLeft = 5280;
constexpr int AnswerTop = 5040;

QString indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

// The magnitude of a coordinate as text: a negative one goes through the text-to-number
// conversion, is negated and written back (so it follows the user's locale); any other is
// kept as typed.
QString magnitude(const QString& typed)
{
    if (valOf(typed) < 0) {
        const double positive = num::checked(num::textToDouble(ss(typed)) * -1);
        return shownDouble(valOf(shownDouble(positive)));
    }
    return typed;
}

QString sign(bool plus) { return plus ? QStringLiteral("+") : QStringLiteral("-"); }

// Whether two factors are both above 0 or both below 0, or one above and the other below; with
// a zero factor neither holds.
bool sameSign(double p, double q) { return (p > 0 && q > 0) || (p < 0 && q < 0); }
bool oppositeSigns(double p, double q) { return (p > 0 && q < 0) || (p < 0 && q > 0); }

// One coefficient of the answer: its sign, then its magnitude by the Str rule.
QString term(double coefficient) { return sign(coefficient > 0) + qs(num::strDouble(std::fabs(coefficient))); }
}  // namespace

LineByDeterminantForm::LineByDeterminantForm()
    : Form(QStringLiteral("Equação_Reta"), QStringLiteral("Equação da reta"), 6855, 6690)
{
    addLabel(QStringLiteral("Label4"), QStringLiteral("Digite as coordenadas  A e B"), {240, 120}, Pt12);
    // Each point reads "A = ( x , y )", the boxes between the parentheses: the words around
    // them are labels of their own, so that a wide box never hides one.
    addLabel(QStringLiteral("Label1(0)"), QStringLiteral("A = ("), {240, 600}, Pt135Bold);
    X_[0] = addTextBox(QStringLiteral("X(0)"), QStringLiteral("-1"), {960, 600, 490, 375}, PanelBold);
    addLabel(QStringLiteral("Vírgula(0)"), QStringLiteral(","), {1440, 600}, Pt135Bold);
    Y_[0] = addTextBox(QStringLiteral("Y(0)"), QStringLiteral("2"), {1680, 630, 490, 375}, PanelBold);
    addLabel(QStringLiteral("Parêntese(0)"), QStringLiteral(")"), {2160, 600}, Pt135Bold);
    addLabel(QStringLiteral("Label1(1)"), QStringLiteral("B = ("), {240, 1200}, Pt135Bold);
    X_[1] = addTextBox(QStringLiteral("X(1)"), QStringLiteral("1"), {960, 1200, 490, 375}, PanelBold);
    addLabel(QStringLiteral("Vírgula(1)"), QStringLiteral(","), {1440, 1200}, Pt135Bold);
    Y_[1] = addTextBox(QStringLiteral("Y(1)"), QStringLiteral("3"), {1680, 1200, 490, 375}, PanelBold);
    addLabel(QStringLiteral("Parêntese(1)"), QStringLiteral(")"), {2160, 1200}, Pt135Bold);
    describe(X_[0], QStringLiteral("Abscissa do ponto A"));
    describe(Y_[0], QStringLiteral("Ordenada do ponto A"));
    describe(X_[1], QStringLiteral("Abscissa do ponto B"));
    describe(Y_[1], QStringLiteral("Ordenada do ponto B"));
    CmdSolve_ = addButton(QStringLiteral("CmdSolve"), QStringLiteral("Resolver"), {3000, 600, 1935, 615});
    for (int i = 0; i < 2; ++i) {
        WX_[i] = addLabel(indexed("WX", i), QStringLiteral("Label4"), {3240, 600 + 360 * i});
        WY_[i] = addLabel(indexed("WY", i), QStringLiteral("Label4"), {3840, 600 + 360 * i});
        WX_[i]->hide();
        WY_[i]->hide();
    }
    layOutPoints();
    buildDeterminant();

    Calc_[0] = addValueLabel(QStringLiteral("Calc(0)"), 360, 3480, Pt12Bold, ole::ButtonText);
    Calc_[1] = addValueLabel(QStringLiteral("Calc(1)"), 360, 3960, Pt12Bold, ole::ButtonText);
    for (int i = 0; i < 12; ++i)
        Calc1_[i] = addValueLabel(indexed("Calc1", i), TermLeft[i], TermsTop, Pt135Bold, ole::ButtonText);
    setCaption(Calc1_[11], QStringLiteral(" "));
    termsEnd_ = addLabel(QStringLiteral("Label3(1)"), QStringLiteral("="), {TermsEndLeft, TermsTop}, Pt135Bold);
    answerSign_ = addLabel(QStringLiteral("Label3(2)"), QStringLiteral("="), {360, AnswerTop}, Pt135Bold);
    Resposta_ = addValueLabel(QStringLiteral("Resposta"), 600, AnswerTop, Pt135Bold, ole::ButtonText);
    layOut();

    setTabOrder({X_[0], X_[1], Y_[0], Y_[1], CmdSolve_});
    onClick(CmdSolve_, [this] { CmdSolve_Click(); });
    // What the click wrote is laid out afresh (also after a run-time error stopped it half-way).
    onClick(CmdSolve_, [this] { layOut(); });
}

void LineByDeterminantForm::layOutPoints()
{
    // Each box is wide enough for the widest coordinate; what follows it on the row follows on
    // from it, never nearer than its place above. Both rows keep one set of columns.
    const int boxWidth = widthToShow(X_[0], X_[0]->width(), WidestCoordinate);
    for (QLineEdit* box : {X_[0], Y_[0], X_[1], Y_[1]})
        box->resize(qMax(box->width(), boxWidth), box->height());
    const char* const order[5] = {"Label1(%1)", "X(%1)", "Vírgula(%1)", "Y(%1)", "Parêntese(%1)"};
    auto cell = [this, &order](int k, int row) { return control(QString::fromUtf8(order[k]).arg(row)); };
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

void LineByDeterminantForm::buildDeterminant()
{
    header_ = addLabel(QStringLiteral("Label1(2)"), DesignedHeader, {480, 1800}, Pt135Bold);
    const int rowTop[2] = {2280, 2760};
    for (int i = 0; i < 2; ++i) {
        const QString x = QStringLiteral("X%1").arg(i);
        const QString y = QStringLiteral("Y%1").arg(i);
        X0_[i] = addLabel(indexed("X0", i), x, {ColumnLeft[0], rowTop[i]}, Pt135Bold);
        Y0_[i] = addLabel(indexed("Y0", i), y, {ColumnLeft[1], rowTop[i]}, Pt135Bold);
        One_[i] = addLabel(indexed("Label2", i), QStringLiteral("1"), {ColumnLeft[2], rowTop[i]}, Pt135Bold);
        X1_[i] = addLabel(indexed("X1", i), x, {ColumnLeft[3], rowTop[i]}, Pt135Bold);
        Y1_[i] = addLabel(indexed("Y1", i), y, {ColumnLeft[4], rowTop[i]}, Pt135Bold);
    }
    equals_ = addLabel(QStringLiteral("Label3(0)"), QStringLiteral("="), {3960, 2400}, Pt135Bold);
    // The left bar of the determinant; the right one and the diagonals follow the columns.
    addLine(QStringLiteral("Line1(0)"), 360, 1800, 360, 3240, 3);
}

void LineByDeterminantForm::layOut()
{
    const int limit = layOutDeterminant();
    const int gap = px(180);

    // The products written out, then partly evaluated: each on one line while the window can
    // grow to hold it, else broken between words over as many lines as it needs.
    int below = 0;
    for (int i = 0; i < 2; ++i) {
        wrapWithin(Calc_[i], px(360), qMax(px(3480 + 480 * i), below + gap), limit);
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
    wrapWithin(Resposta_, qMax(px(600), answerSign_->x() + advance(answerSign_) + 3), answerSign_->y(), limit);

    growToFit();
}

int LineByDeterminantForm::layOutDeterminant()
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
    QString heading = DesignedHeader;
    if (!inPlace) {
        heading.clear();
        for (int c = 0; c < 5; ++c) {
            while (header_->x() + fm.horizontalAdvance(heading) < left[c])
                heading += QLatin1Char(' ');
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
    equals_->move(qMax(px(3960), bar + px(240)), equals_->y());

    // The diagonals of the products, added (black, falling) and subtracted (red, rising). Each
    // runs from an entry of one row to the entry a column on in the next row through the gaps
    // between the rows, one stroke for each pair of rows, so that it never crosses a number.
    size_t next = 0;
    auto line = [this, &next](const QString& name, int x1, int y1, int x2, int y2, int width, OleColor color) {
        stroke(next++, name, x1, y1, x2, y2, width, color);
    };
    (line(QStringLiteral("Line1(1)"), bar, px(1800), bar, px(3240), 3, ole::Black));
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

int LineByDeterminantForm::widestWindow() const
{
    // As wide as the main window's workspace lets it be, where it stands; never narrower than
    // it is.
    auto frame = qobject_cast<const QMdiSubWindow*>(parentWidget());
    const QMdiArea* workspace = frame ? frame->mdiArea() : nullptr;
    if (!workspace)
        return width();
    return qMax(width(), workspace->viewport()->width() - qMax(0, frame->x()) - (frame->width() - width()));
}

void LineByDeterminantForm::stroke(size_t index, const QString& name, int x1, int y1, int x2, int y2, int width,
                                   OleColor color)
{
    // The strokes are made once, then moved to where the numbers of each click put them.
    const auto t = [](int pixels) { return pixels * TwipsPerPixel; };
    if (index < drawn_.size())
        drawn_[index]->setEnds(t(x1), t(y1), t(x2), t(y2));
    else {
        drawn_.push_back(addLine(name, t(x1), t(y1), t(x2), t(y2), width, color));
        drawn_.back()->show();
    }
}

void LineByDeterminantForm::wrapWithin(QLabel* label, int left, int top, int limit)
{
    label->setWordWrap(false);
    label->adjustSize();
    label->move(left, top);
    if (caption(label).isEmpty() || left + label->width() <= limit)
        return;
    const QRect wrapped = QFontMetrics(label->font())
                              .boundingRect(QRect(0, 0, limit - left, 1 << 20),
                                            int(label->alignment()) | Qt::TextWordWrap, caption(label));
    label->setWordWrap(true);
    label->setGeometry(left, top, limit - left, wrapped.height());
}

void LineByDeterminantForm::CmdSolve_Click()
{
    auto text = [](QLineEdit* box) { return caption(box); };
    auto value = [](QLineEdit* box) { return valOf(caption(box)); };

    // The determinant shows the coordinates exactly as typed; the hidden labels keep their
    // magnitudes.
    for (int i = 0; i < 2; ++i) {
        setCaption(X0_[i], text(X_[i]));
        setCaption(X1_[i], text(X_[i]));
        setCaption(Y0_[i], text(Y_[i]));
        setCaption(Y1_[i], text(Y_[i]));
        setCaption(WX_[i], magnitude(text(X_[i])));
        setCaption(WY_[i], magnitude(text(Y_[i])));
    }

    // Signs of the six terms +X.y0, +Y.x1, +x0.y1, -x0.Y, -y1.X, -x1.y0.
    setCaption(Calc1_[0], sign(value(Y_[0]) > 0));
    setCaption(Calc1_[2], sign(value(X_[1]) > 0));
    // A zero product term is written with "+".
    setCaption(Calc1_[4], sign(!oppositeSigns(value(X_[0]), value(Y_[1]))));
    setCaption(Calc1_[6], sign(!(value(X_[0]) > 0)));
    setCaption(Calc1_[8], sign(!(value(Y_[1]) > 0)));
    setCaption(Calc1_[10], sign(!sameSign(value(Y_[0]), value(X_[1]))));

    const QString x0 = text(X_[0]), y0 = text(Y_[0]), x1 = text(X_[1]), y1 = text(Y_[1]);
    setCaption(Calc_[0], QStringLiteral("[ (X * ") + y0 + QStringLiteral(" * 1 ) + ( Y * 1 * ") + x1 +
                             QStringLiteral(" ) + ( 1 * ") + x0 + QStringLiteral(" * ") + y1 +
                             QStringLiteral(" )] - [( ") + x1 + QStringLiteral(" * ") + y0 +
                             QStringLiteral(" * 1 ) + ( ") + y1 + QStringLiteral(" * 1 * X ) + (  1 * ") + x0 +
                             QStringLiteral(" * Y )] = "));
    setCaption(Calc_[1], QStringLiteral(" = [ (") + y0 + QStringLiteral("X ) + ( ") + x1 + QStringLiteral("Y ) + ( ") +
                             x0 + QStringLiteral(" * ") + y1 + QStringLiteral(" )] - [( ") + x1 +
                             QStringLiteral(" * ") + y0 + QStringLiteral("  ) + ( ") + y1 +
                             QStringLiteral("X ) + ( ") + x0 + QStringLiteral(" * Y )]"));

    setCaption(Calc1_[1], caption(WY_[0]) + QStringLiteral("X "));
    setCaption(Calc1_[3], caption(WX_[1]) + QStringLiteral("Y"));
    setCaption(Calc1_[5], caption(WX_[0]) + QStringLiteral(" * ") + caption(WY_[1]));
    setCaption(Calc1_[7], caption(WX_[0]) + QStringLiteral("Y"));
    setCaption(Calc1_[9], caption(WY_[1]) + QStringLiteral("X"));
    setCaption(Calc1_[11], caption(WY_[0]) + QStringLiteral(" * ") + caption(WX_[1]));

    // The coefficients of the negated determinant: a X + b Y + c = 0.
    const double c = num::checked(num::checked(value(X_[1]) * value(Y_[0])) +
                                  num::checked(-1 * num::checked(value(Y_[1]) * value(X_[0]))));
    const double a = num::checked(value(Y_[1]) - value(Y_[0]));
    const double b = num::checked(value(X_[0]) - value(X_[1]));

    setCaption(Resposta_, term(a) + QStringLiteral("X") + term(b) + QStringLiteral("Y") + term(c) +
                              QStringLiteral(" = 0"));
}

Form* createLineByDeterminant() { return new LineByDeterminantForm; }

}  // namespace problems
