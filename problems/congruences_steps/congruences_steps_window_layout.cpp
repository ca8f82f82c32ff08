// What of X_Mod123 is drawn by the window itself (the picture behind the boxes, the drawn
// congruence signs, the marks beside the reduced congruences), and the layout of what depends
// on the texts shown.
#include "problems/congruences_steps/congruences_steps_window.h"

#include "problems/congruences_steps/congruences_steps.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

namespace problems {

using namespace congruences_steps_controls;

using namespace framework;
using namespace xmod;

namespace {

// Pixels between a text and what follows it on its row, and between the texts on the strip's
// left and its picture.
constexpr int Gap = 8;
constexpr int StripGap = 4;
// The strokes of the drawn sign are 120 twips long and stand 120 twips apart.
constexpr int StrokeLength = 120;

int textWidth(const QWidget* control, const QString& text) { return QFontMetrics(control->font()).horizontalAdvance(text); }
int captionEnd(const QLabel* label) { return label->x() + textWidth(label, label->text()); }

// The small mark shown beside the congruences by the MOD click.
void paintMark(QPainter& p, const QRect& r)
{
    const QRectF box = QRectF(r).adjusted(2, 2, -2, -2);
    QPainterPath arrow;
    arrow.moveTo(box.left(), box.center().y() - box.height() / 5);
    arrow.lineTo(box.center().x(), box.center().y() - box.height() / 5);
    arrow.lineTo(box.center().x(), box.top());
    arrow.lineTo(box.right(), box.center().y());
    arrow.lineTo(box.center().x(), box.bottom());
    arrow.lineTo(box.center().x(), box.center().y() + box.height() / 5);
    arrow.lineTo(box.left(), box.center().y() + box.height() / 5);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0x20, 0x60, 0x20), 1));
    p.setBrush(QColor(0x40, 0xB0, 0x40));
    p.drawPath(arrow);
}

}  // namespace

void CongruencesStepsWindow::addStrip()
{
    Picture1_ = addPainted(Frame::Strip.text(), {0, 0, FormWidth, SummaryTop}, [this](QPainter& p, const QRect&) {
        QLinearGradient fill(panel_.topLeft(), panel_.bottomRight());
        fill.setColorAt(0, QColor(0xFF, 0xF4, 0xD6));
        fill.setColorAt(1, QColor(0xE8, 0xD4, 0xA8));
        p.setPen(QPen(QColor(0xA0, 0x80, 0x50), 1));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(panel_), 6, 6);
    });
}

void CongruencesStepsWindow::addCongruenceSign(int index, QWidget* in, OleColor color)
{
    // Three strokes, each drawn by a control of its own; placeCongruenceSign puts them in place.
    for (int k = 0; k < 3; ++k) {
        QWidget* stroke = addPainted(Stroke::Sign[index][k].text(), {0, 0, StrokeLength, 30},
                                     [color](QPainter& p, const QRect& r) { p.fillRect(r, toQColor(color)); }, in);
        stroke->setProperty("foreColor", uint(color));
        stroke->hide();
        Sign_[index][k] = stroke;
    }
}

void CongruencesStepsWindow::addMarks(QWidget* frame)
{
    // Beside the two congruence columns.
    for (int i = 0; i < 6; ++i) {
        const int left = i < 3 ? 4800 : 7560;
        Image1_[i] = addPainted(Mark::Image[i].text(), {left, 2040 + 480 * (i % 3), 240, 210}, paintMark, frame);
        Image1_[i]->hide();
    }
}

void CongruencesStepsWindow::placeCongruenceSign(int index, const QLabel* label)
{
    const QString text = label->text();
    static const QRegularExpression blanks(QStringLiteral("\\s{2,}"));
    const QRegularExpressionMatch run = blanks.match(text);
    const int head = textWidth(label, run.hasMatch() ? text.left(run.capturedStart()) : text);
    const int room = run.hasMatch() ? textWidth(label, run.captured()) : 0;
    const int x = label->x() + head + (room - px(StrokeLength)) / 2;
    // The middle stroke stands level with the middle of the letters, the others a line above
    // and below.
    for (int k = 0; k < 3; ++k)
        Sign_[index][k]->move(x, label->y() - 2 + px(StrokeLength) * k);
}

bool CongruencesStepsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Frame_MDC_ || watched == Frame_MOD_) &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        lowerSummary_->setVisible(Frame_MDC_->isHidden() && Frame_MOD_->isHidden());
    return Form::eventFilter(watched, event);
}

void CongruencesStepsWindow::layOut()
{
    // The congruences of stage (i) on one row, each clear of the one before it; when long ones
    // would run into the strip at their places, they close up.
    static const int congruenceLeft[] = {360, 2520, 4440};
    int next = 0;
    for (bool closeUp : {false, true}) {
        next = 0;
        for (int i = 0; i < 3; ++i) {
            QLabel* congruence = Label1_[i];
            const int left = closeUp && i > 0 ? next : qMax(px(congruenceLeft[i]), next);
            congruence->move(left, congruence->y());
            next = captionEnd(congruence) + Gap;
        }
        if (next - Gap + StripGap <= px(PanelLeft))
            break;
    }
    for (int i = 0; i < 3; ++i)
        placeCongruenceSign(i, Label1_[i]);
    // The strip moves right when the row, the statement or the conclusion would run into it.
    const int reach = std::max({next - Gap, captionEnd(Words_[0]), captionEnd(Conclusion_)}) + StripGap;
    layOutStrip(qMax(0, reach - px(PanelLeft)));
    layOutModRows();
    layOutSummaryRows();
}

void CongruencesStepsWindow::layOutStrip(int shift)
{
    const int boxHeight = Mod_[0]->height();
    const int remainderLeft = px(RemainderLeft) + shift;
    int wordsLeft = qMax(px(WordsLeft) + shift, remainderLeft + boxWidth_ + px(ColumnGap));
    int wordsEnd = 0;
    for (int i = 0; i < 3; ++i)
        wordsEnd = qMax(wordsEnd, wordsLeft + textWidth(Words_[i + 1], Words_[i + 1]->text()));
    const int modulusLeft = qMax(px(ModulusLeft) + shift, wordsEnd + px(ColumnGap));
    for (int i = 0; i < 3; ++i) {
        const int top = tablePlace(Mod_[i]).y();
        Mod_[i]->setGeometry(remainderLeft, top, boxWidth_, boxHeight);
        DivCaption_[i]->move(remainderLeft, DivCaption_[i]->y());
        Words_[i + 1]->move(wordsLeft, Words_[i + 1]->y());
        R_[i]->setGeometry(modulusLeft, top, boxWidth_, boxHeight);
        ModCaption_[i]->move(modulusLeft, ModCaption_[i]->y());
    }
    const int panelLeft = px(PanelLeft) + shift;
    const int panelRight = modulusLeft + boxWidth_ + px(PanelRightMargin);
    panel_ = QRect(panelLeft, 2, panelRight - panelLeft, px(2100) - 4);

    const int buttonLeft = qMax(px(ButtonLeft), panelRight + px(ButtonGap));
    for (QPushButton* button : {Cmd_Calc_MDC_, Cmd_Calc_MOD_, Cmd_Final_})
        button->move(buttonLeft, button->y());

    // The window grows when the buttons would pass its right edge; the strip, the frames and
    // the summary page grow with it.
    const int need = buttonLeft + Cmd_Calc_MDC_->width() + px(ButtonRightMargin);
    if (need > width()) {
        setFixedSize(need, height());
        if (QWidget* frame = parentWidget())
            frame->adjustSize();
        for (QWidget* frame : {static_cast<QWidget*>(Frame_MDC_), static_cast<QWidget*>(Frame_MOD_)})
            frame->resize(need - px(FrameLeft), frame->height());
        lowerSummary_->resize(need, lowerSummary_->height());
    }
    Picture1_->resize(width(), Picture1_->height());
    Picture1_->update();
}

void CongruencesStepsWindow::layOutModRows()
{
    // Three rows in columns: the congruence, the link on the way to its reduced form, the
    // reduced form, the mark; a long text pushes the columns after it, in every row alike.
    const auto shiftedFromTable = [](QWidget* w, int dx) { w->move(tablePlace(w).x() + dx, w->y()); };
    int linkShift = 0;
    for (int i = 0; i < 3; ++i)
        linkShift = qMax(linkShift, captionEnd(ModX_[i][2]) + Gap / 2 - tableStrokeStart(Line17_[i]).x());
    const int reducedLeft = qMax(tablePlace(ModX_[0][0]).x(), tableStrokeEnd(Line17_[0]).x() + linkShift + Gap);
    int markLeft = tablePlace(Image1_[0]).x();
    for (int i = 0; i < 3; ++i) {
        shiftedFromTable(Line17_[i], linkShift);
        ModX_[i][0]->move(reducedLeft, ModX_[i][0]->y());
        markLeft = qMax(markLeft, captionEnd(ModX_[i][0]) + Gap);
    }
    for (int i = 0; i < 3; ++i)
        Image1_[i]->move(markLeft, Image1_[i]->y());
}

void CongruencesStepsWindow::layOutSummaryRows()
{
    // Three rows in columns: the congruence and its sign, the arrow, the reduced congruence and
    // its sign.
    int shift = 0;
    for (int k = 0; k < 3; ++k)
        shift = qMax(shift, captionEnd(Calc_Mod_[k]) + Gap / 2 - tableStrokeStart(Arrow_[k][0]).x());
    for (int k = 0; k < 3; ++k) {
        placeCongruenceSign(5 - k, Calc_Mod_[k]);
        for (LineControl* stroke : Arrow_[k])
            stroke->move(tablePlace(stroke).x() + shift, stroke->y());
        QLabel* reduced = ModX_[k][1];
        reduced->move(qMax(tablePlace(reduced).x(), tableStrokeEnd(Arrow_[k][0]).x() + shift + Gap), reduced->y());
        placeCongruenceSign(6 + k, reduced);
    }
}

}  // namespace problems
