#pragma once
// Controls laid out in twips, with captions, resting and current colours, as every window
// of the program uses them. Each control's objectName is the name its window's table gives it
// (`Label2(6)`, `CmdResolver`), so tests and tools find them by name.
#include "framework/colors.h"

#include <QFont>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <initializer_list>

class QLabel;

namespace framework {

// 15 twips make one device-independent pixel at the normal size; the program's zoom (for a
// projector) scales every window, its fonts and its lines by `scale()`.
inline constexpr int TwipsPerPixel = 15;
double scale();
void setScale(double scale);
// The application's own font at the zoom in force: menus, title bars, the desk check, the help.
QFont scaledFont();
inline int px(double twips)
{
    const double pixels = twips * scale() / TwipsPerPixel;
    return int(pixels + (pixels >= 0 ? 0.5 : -0.5));
}
// Pixels back to twips, at the zoom in force.
inline int twips(double pixels) { return int(pixels * TwipsPerPixel / scale() + (pixels >= 0 ? 0.5 : -0.5)); }

// A position and size in twips; a width or height of 0 means "as large as the content".
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A font of the windows' tables: the program's sans-serif face at a point size, bold or italic.
struct FontSpec {
    double points = 8.25;
    bool bold = false;
    bool italic = false;
};
inline constexpr FontSpec Default{};
inline constexpr FontSpec Panel{9.75};
inline constexpr FontSpec PanelBold{9.75, true};
inline constexpr FontSpec Pt12{12};
inline constexpr FontSpec Pt12Bold{12, true};
inline constexpr FontSpec Pt135{13.5};
inline constexpr FontSpec Pt135Bold{13.5, true};
inline constexpr FontSpec Pt825Bold{8.25, true};

// The installed sans-serif face at that point size, scaled by the zoom.
QFont makeFont(const FontSpec& style);

// Caption of a label, button or frame, or text of a text box, as the program wrote it.
QString caption(const QWidget* control);
// Writes it; a label that sizes itself to its text is resized at once.
void setCaption(QWidget* control, const QString& text);
// How many captions have been written so far, and the count when this control's was last
// written (0 when never): what a handler reached.
std::uint64_t captionWrites();
std::uint64_t lastWritten(const QWidget* control);

// A list box follows its rows: each new row is scrolled into view, and the list widens (to
// the right) when a row, or the scroll bar that many rows bring, would cut a row's text; an
// emptied list goes back to the width it was made with.
void followRows(class QListWidget* list);
// Whether the lists scroll to each new row (on unless a run is played for its desk check
// alone, with no one to look: each scroll lays out every row of the list, and a run of many
// thousands of steps would spend most of its time there).
void setScrollToNewRows(bool on);
// How many times rows were taken away from a list that follows its rows: while it is the same,
// the list holds the rows it had and perhaps more after them.
quint64 rowsTakenAway(const class QListWidget* list);

// Fore colour (labels, frames, buttons, text boxes), as an OleColor.
OleColor foreColor(const QWidget* control);
OleColor restingForeColor(const QWidget* control);
void setForeColor(QWidget* control, OleColor color);
// Back to the resting colour (the first one the control was given).
void restoreForeColor(QWidget* control);
void setBackColor(QWidget* control, OleColor color);
// Turns the projector colours on or off (see colors.h) and paints every open window again.
void setProjectorColors(bool on);

// Top position in twips (a Single, as shapes keep it).
float topTwips(const QWidget* control);
void setTopTwips(QWidget* control, float top);

// Lays a control at a twips geometry; a zero width or height takes the content's size.
void place(QWidget* control, const Geometry& geometry);

// The right edge of a control, in its container's pixels (one past its last column).
inline int rightOf(const QWidget* control) { return control->x() + control->width(); }
// A row of controls that make room for each other: each after the first stands at the left
// edge its window's table gives it, or `gap` pixels after the one before it when that one has
// widened into its place.
void followOn(std::initializer_list<QWidget*> row, int gap);

// Where its window's table placed a control, in its container's pixels (the window is made
// anew at another zoom).
QRect tablePlace(const QWidget* control);
// Takes where a control stands now as its table place (a line, made from its end points).
void keepTablePlace(QWidget* control);
// Where a line's stroke begins and ends at its table place, in its container's pixels (the
// stroke stands inside its control, clear of its edges).
QPoint tableStrokeStart(const class LineControl* line);
QPoint tableStrokeEnd(const class LineControl* line);
// Layout rules that read the table instead of typing its numbers again: a control stands
// where its table places it, `dx` pixels further right; a text box widens to its text from the
// width its table gives it (returns how many pixels it grew); a frame is as wide as its table
// makes it, or reaches `margin` pixels past the right edge of `content`.
void standShifted(QWidget* control, int dx);
int widenToText(class QLineEdit* box);
void growToHold(QWidget* frame, const QWidget* content, int margin);

// The width a text box needs to show its whole text (or another text it will hold): never
// less than the width it was made with, nor more than the screen's (a longer text scrolls in it).
int widthToShow(const class QLineEdit* box, int ownWidth);
int widthToShow(const QLineEdit* box, int ownWidth, const QString& text);

// The face installed here is wider than the panels' places allow for, so a value
// label placed right after the text of its line could cover the line's last characters: this
// moves it right, just past that text (both stand in the same container). A label already
// clear of it stays put. Returns how many pixels it moved.
int keepClearOf(QWidget* value, const QWidget* text, int gapPixels = 2);

// A straight line from (x1, y1) to (x2, y2), in twips relative to its container.
class LineControl : public QWidget {
public:
    LineControl(QWidget* parent, int x1, int y1, int x2, int y2, int width, OleColor color);
    OleColor color() const { return color_; }
    // Moves the line to new ends, in twips relative to its container.
    void setEnds(int x1, int y1, int x2, int y2);
    // The stroke, in this control's own pixels.
    QLineF segment() const { return {from_, to_}; }
    // Puts the control back at a place with a stroke, as segment() and geometry() gave them.
    void setStroke(const QRect& place, const QLineF& stroke);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPointF from_, to_;
    int width_;
    OleColor color_;
};

// An oval or rectangle, filled, with a border.
class ShapeControl : public QWidget {
public:
    enum Kind { Oval, Rectangle };
    ShapeControl(QWidget* parent, Kind kind, OleColor fill, OleColor border, int borderWidth = 1);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Kind kind_;
    OleColor fill_, border_;
    int borderWidth_;
};

// A control drawn by a function of the window's own (pictures, drawn signs).
class PaintedControl : public QWidget {
public:
    using Painter = std::function<void(QPainter&, const QRect&)>;
    PaintedControl(QWidget* parent, Painter painter);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Painter painter_;
};

}  // namespace framework
