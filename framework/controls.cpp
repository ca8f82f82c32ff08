#include "framework/controls.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QStyle>
#include <QPainter>
#include <QVariant>

namespace framework {

namespace {
const char* const kForeColor = "foreColor";
const char* const kRestingForeColor = "restingForeColor";
const char* const kTopTwips = "topTwips";
const char* const kLeftTwips = "leftTwips";  // the left edge the window's table gives
const char* const kTablePlace = "tablePlace";
const char* const kAutoWidth = "autoWidth";
const char* const kAutoHeight = "autoHeight";
const char* const kLastWritten = "lastWritten";
const char* const kMadeWidth = "madeWidth";
const char* const kWidestRow = "widestRow";
// How many times rows were taken away from a list (emptied, or put back to fewer rows).
const char* const kRowsTakenAway = "rowsTakenAway";
const char* const kFitPending = "fitPending";
std::uint64_t g_captionWrites = 0;
double g_scale = 1.0;

const QPalette::ColorRole kTextRoles[] = {QPalette::WindowText, QPalette::ButtonText, QPalette::Text};

// Whether a button or a list would draw its text in this colour with no palette of its own.
// Each palette a control is given is a palette apart, and the style caches the faces it draws
// (button bevels, scroll bars) per palette: a window's worth of such entries was added for
// every window opened, until the cache was full. Buttons and lists in the colour they would
// inherit share their container's palette instead.
bool inheritsSameText(const QWidget* control, const QColor& c)
{
    if (!qobject_cast<const QAbstractButton*>(control) && !qobject_cast<const QAbstractScrollArea*>(control))
        return false;
    if (control->property("backColor").isValid() || !control->parentWidget())
        return false;
    const QPalette inherited = control->parentWidget()->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role : kTextRoles)
            if (inherited.color(group, role) != c)
                return false;
    return true;
}

// What a control's text is painted on: the box of a text box or a list, the face of a button,
// else the window or frame it stands in.
QColor backgroundOf(const QWidget* control)
{
    const QPalette& pal = control->palette();
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QAbstractScrollArea*>(control))
        return pal.color(QPalette::Active, QPalette::Base);
    if (qobject_cast<const QAbstractButton*>(control))
        return pal.color(QPalette::Active, QPalette::Button);
    return pal.color(QPalette::Active, QPalette::Window);
}

// Palette roles that carry a control's text colour.
void applyForeColor(QWidget* control, OleColor color)
{
    const QColor c = legible(toQColor(color), backgroundOf(control));
    if (inheritsSameText(control, c)) {
        control->setPalette(QPalette());
        return;
    }
    // Only the enabled groups: a disabled control keeps the style's disabled text colour, so
    // that it looks disabled. A control given its own disabled colour, the same as its text's
    // (an answer that must be read in a disabled frame), keeps the two the same.
    QPalette pal = control->palette();
    const bool keepsWhenDisabled =
        pal.isBrushSet(QPalette::Disabled, QPalette::WindowText) &&
        pal.color(QPalette::Disabled, QPalette::WindowText) == pal.color(QPalette::Active, QPalette::WindowText);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role : kTextRoles)
            pal.setColor(group, role, c);
    if (keepsWhenDisabled)
        pal.setColor(QPalette::Disabled, QPalette::WindowText, c);
    control->setPalette(pal);
}

// Paints again, in the colours now in force, the text of `top` and of every control in it
// that has a fore colour.
void reapplyForeColors(QWidget* top)
{
    QList<QWidget*> controls = top->findChildren<QWidget*>();
    controls.prepend(top);
    for (QWidget* w : controls)
        if (w->property(kRestingForeColor).isValid())
            applyForeColor(w, foreColor(w));
}

void fitToContent(QWidget* control)
{
    const bool autoWidth = control->property(kAutoWidth).toBool();
    const bool autoHeight = control->property(kAutoHeight).toBool();
    if (!autoWidth && !autoHeight)
        return;
    const QSize hint = control->sizeHint();
    QSize size = control->size();
    if (autoWidth)
        size.setWidth(qMax(hint.width(), 0));
    if (autoHeight)
        size.setHeight(qMax(hint.height(), 0));
    control->resize(size);
}
}  // namespace

double scale() { return g_scale; }
void setScale(double scale) { g_scale = scale; }

QFont scaledFont()
{
    QFont f = QApplication::font();
    f.setPointSizeF(f.pointSizeF() * g_scale);
    return f;
}

QFont makeFont(const FontSpec& style)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(style.points * g_scale);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    // The places of the panels' lines allow for a face narrower than any sans-serif face
    // installed here; a light condensation keeps the panel lines clear of the value labels
    // beside them.
    font.setStretch(86);
    return font;
}

QString caption(const QWidget* control)
{
    if (auto label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (auto box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    return control ? control->windowTitle() : QString();
}

void setCaption(QWidget* control, const QString& text)
{
    if (auto label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto frame = qobject_cast<QGroupBox*>(control))
        frame->setTitle(text);
    else if (auto box = qobject_cast<QLineEdit*>(control)) {
        box->setText(text);
        // From its start, its sign in view.
        box->setCursorPosition(0);
    } else if (control)
        control->setWindowTitle(text);
    if (control) {
        control->setProperty(kLastWritten, QVariant::fromValue<qulonglong>(++g_captionWrites));
        fitToContent(control);
    }
}

std::uint64_t captionWrites() { return g_captionWrites; }

std::uint64_t lastWritten(const QWidget* control) { return control->property(kLastWritten).toULongLong(); }

namespace {
// The widest text of the rows from `first` to before `end`, in pixels.
int widestRow(const QListWidget* list, int first, int end)
{
    const QFontMetrics fm(list->font());
    int widest = 0;
    for (int i = first; i < end; ++i)
        widest = qMax(widest, fm.horizontalAdvance(list->item(i)->text()));
    return widest;
}
}  // namespace

quint64 rowsTakenAway(const QListWidget* list) { return list->property(kRowsTakenAway).toULongLong(); }

namespace {
bool g_scrollToNewRows = true;
}

void setScrollToNewRows(bool on) { g_scrollToNewRows = on; }

void followRows(QListWidget* list)
{
    // One height for every row: adding a row then costs the same at 5,000 rows as at 5.
    list->setUniformItemSizes(true);
    list->setProperty(kMadeWidth, list->width());
    // The model empties itself while the list is being destroyed, when it is a list no more:
    // that removal is not followed.
    QObject* const self = list;
    auto fit = [self] {
        auto list = qobject_cast<QListWidget*>(self);
        if (!list)
            return;
        const int rows = list->count();
        if (rows == 0) {
            list->setProperty(kWidestRow, 0);
            list->resize(list->property(kMadeWidth).toInt(), list->height());
            return;
        }
        const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        const int frame = list->width() - list->viewport()->width() -
                          (list->verticalScrollBar()->isVisible() ? list->verticalScrollBar()->width() : 0);
        const int rowHeight = qMax(1, list->sizeHintForRow(0));
        const int bar = rows * rowHeight > list->height() - frame
                            ? list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list->verticalScrollBar())
                            : 0;
        const int widest = list->property(kWidestRow).toInt();
        const int need = qMax(list->property(kMadeWidth).toInt(), widest + 2 * margin + frame + bar);
        if (need != list->width())
            list->resize(need, list->height());
        if (!g_scrollToNewRows)
            return;
        list->scrollToBottom();
        // A row is drawn a pixel wider than its text's whole-pixel advance for some texts: the
        // list gives it that pixel, so that the newest row is wholly in view.
        const int over = list->visualItemRect(list->item(rows - 1)).right() - list->viewport()->rect().right();
        if (over > 0)
            list->resize(list->width() + over, list->height());
    };
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list,
                     [list, fit](const QModelIndex&, int first, int last) {
                         list->setProperty(kWidestRow, qMax(list->property(kWidestRow).toInt(),
                                                            widestRow(list, first, last + 1)));
                         // A click may add hundreds of rows: the list is fitted once, when the
                         // click is over.
                         if (!list->property(kFitPending).toBool()) {
                             list->setProperty(kFitPending, true);
                             QMetaObject::invokeMethod(list, [list, fit] {
                                 list->setProperty(kFitPending, false);
                                 fit();
                             }, Qt::QueuedConnection);
                         }
                     });
    // Rows taken away (a run put back to an earlier step) may take the widest row with them:
    // the rest are measured again only then, so that going back a step costs one row.
    QObject::connect(list->model(), &QAbstractItemModel::rowsAboutToBeRemoved, list,
                     [list](const QModelIndex&, int first, int last) {
                         if (widestRow(list, first, last + 1) >= list->property(kWidestRow).toInt())
                             list->setProperty(kWidestRow, -1);
                     });
    QObject::connect(list->model(), &QAbstractItemModel::rowsRemoved, list, [list, fit] {
        list->setProperty(kRowsTakenAway, list->property(kRowsTakenAway).toULongLong() + 1);
        if (list->property(kWidestRow).toInt() < 0)
            list->setProperty(kWidestRow, widestRow(list, 0, list->count()));
        fit();
    });
    QObject::connect(list->model(), &QAbstractItemModel::modelReset, list, [list, fit] {
        list->setProperty(kRowsTakenAway, list->property(kRowsTakenAway).toULongLong() + 1);
        fit();
    });
}

OleColor foreColor(const QWidget* control)
{
    const QVariant v = control->property(kForeColor);
    return v.isValid() ? OleColor(v.toUInt()) : ole::ButtonText;
}

OleColor restingForeColor(const QWidget* control)
{
    const QVariant v = control->property(kRestingForeColor);
    return v.isValid() ? OleColor(v.toUInt()) : foreColor(control);
}

void setForeColor(QWidget* control, OleColor color)
{
    if (!control->property(kRestingForeColor).isValid())
        control->setProperty(kRestingForeColor, uint(color));
    control->setProperty(kForeColor, uint(color));
    applyForeColor(control, color);
}

void restoreForeColor(QWidget* control) { setForeColor(control, restingForeColor(control)); }

void setBackColor(QWidget* control, OleColor color)
{
    QPalette pal = control->palette();
    const QColor c = toQColor(color);
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::Button, c);
    pal.setColor(QPalette::Base, c);
    control->setPalette(pal);
    control->setAutoFillBackground(true);
    control->setProperty("backColor", uint(color));
    // The texts on it were made legible against what was behind them before.
    if (projectorColors())
        reapplyForeColors(control);
}

void setProjectorColors(bool on)
{
    if (on == projectorColors())
        return;
    // The style's grey for disabled texts reads at about 1.6 : 1; a projector needs a darker
    // grey, which still tells a disabled control from an enabled one. The palette of the
    // program is put back as it was when the colours are turned off.
    static QPalette plain;
    if (on) {
        plain = QApplication::palette();
        QPalette pal = plain;
        for (QPalette::ColorRole role : kTextRoles) {
            QColor c = pal.color(QPalette::Disabled, role);
            for (QPalette::ColorRole back : {QPalette::Window, QPalette::Base, QPalette::Button})
                c = madeLegible(c, pal.color(QPalette::Disabled, back));
            pal.setColor(QPalette::Disabled, role, c);
        }
        // The chosen row of a list or of the desk check: white on a darker blue.
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            pal.setColor(group, QPalette::Highlight,
                         madeLegible(pal.color(group, QPalette::Highlight), pal.color(group, QPalette::HighlightedText)));
        setProjectorColorsFlag(true);
        QApplication::setPalette(pal);
    } else {
        setProjectorColorsFlag(false);
        QApplication::setPalette(plain);
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        reapplyForeColors(w);
}

float topTwips(const QWidget* control)
{
    const QVariant v = control->property(kTopTwips);
    return v.isValid() ? v.toFloat() : float(twips(control->y()));
}

void setTopTwips(QWidget* control, float top)
{
    control->setProperty(kTopTwips, top);
    control->move(control->x(), px(top));
}

void place(QWidget* control, const Geometry& g)
{
    control->setProperty(kAutoWidth, g.width == 0);
    control->setProperty(kAutoHeight, g.height == 0);
    control->setProperty(kTopTwips, float(g.top));
    control->setProperty(kLeftTwips, float(g.left));
    const QSize hint = control->sizeHint();
    control->setGeometry(px(g.left), px(g.top), g.width ? px(g.width) : hint.width(),
                         g.height ? px(g.height) : hint.height());
    keepTablePlace(control);
}

void keepTablePlace(QWidget* control) { control->setProperty(kTablePlace, control->geometry()); }

QRect tablePlace(const QWidget* control) { return control->property(kTablePlace).toRect(); }

QPoint tableStrokeStart(const LineControl* line) { return tablePlace(line).topLeft() + line->segment().p1().toPoint(); }

QPoint tableStrokeEnd(const LineControl* line) { return tablePlace(line).topLeft() + line->segment().p2().toPoint(); }

void standShifted(QWidget* control, int dx) { control->move(tablePlace(control).topLeft() + QPoint(dx, 0)); }

int widenToText(QLineEdit* box)
{
    const int own = tablePlace(box).width();
    box->resize(widthToShow(box, own), box->height());
    return box->width() - own;
}

void growToHold(QWidget* frame, const QWidget* content, int margin)
{
    frame->resize(qMax(tablePlace(frame).width(), rightOf(content) + margin), frame->height());
}

void followOn(std::initializer_list<QWidget*> row, int gap)
{
    const QWidget* before = nullptr;
    for (QWidget* control : row) {
        if (before)
            control->move(qMax(px(control->property(kLeftTwips).toDouble()), rightOf(before) + gap), control->y());
        before = control;
    }
}

int widthToShow(const QLineEdit* box, int ownWidth) { return widthToShow(box, ownWidth, box->text()); }

int widthToShow(const QLineEdit* box, int ownWidth, const QString& shown)
{
    const int most = qMax(ownWidth, box->screen() ? box->screen()->availableGeometry().width() : ownWidth);
    // No letter is narrower than two pixels: a text that long is wider than the screen.
    if (shown.size() * 2 > most)
        return most;
    QStyleOptionFrame opt;
    opt.initFrom(box);
    opt.rect = QRect(0, 0, ownWidth, box->height());
    opt.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box);
    // The box keeps two pixels free on each side of its text, and one for the cursor.
    const QMargins m = box->textMargins();
    const int room = box->style()->subElementRect(QStyle::SE_LineEditContents, &opt, box).width() - m.left() -
                     m.right() - 4;
    const int text = QFontMetrics(box->font()).size(0, shown).width();
    return qBound(ownWidth, ownWidth - room + text + 2, most);
}

int keepClearOf(QWidget* value, const QWidget* text, int gapPixels)
{
    const int end = text->x() + QFontMetrics(text->font()).horizontalAdvance(caption(text)) + gapPixels;
    const int shift = end - value->x();
    if (shift <= 0)
        return 0;
    value->move(end, value->y());
    return shift;
}

LineControl::LineControl(QWidget* parent, int x1, int y1, int x2, int y2, int width, OleColor color)
    : QWidget(parent), width_(qMax(1, qRound(width * g_scale))), color_(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setEnds(x1, y1, x2, y2);
}

void LineControl::setEnds(int x1, int y1, int x2, int y2)
{
    const int margin = width_ / 2 + 1;
    const QRect box = QRect(QPoint(px(qMin(x1, x2)), px(qMin(y1, y2))),
                            QPoint(px(qMax(x1, x2)), px(qMax(y1, y2))))
                          .adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
    from_ = QPointF(px(x1) - box.left(), px(y1) - box.top());
    to_ = QPointF(px(x2) - box.left(), px(y2) - box.top());
    update();
}

void LineControl::setStroke(const QRect& place, const QLineF& stroke)
{
    if (place == geometry() && stroke == segment())
        return;
    setGeometry(place);
    from_ = stroke.p1();
    to_ = stroke.p2();
    update();
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, from_.x() != to_.x() && from_.y() != to_.y());
    // The width in whole device pixels: at a fractional scale (150 %) a 1.5-pixel pen would
    // draw upright lines two pixels wide and level ones one pixel wide.
    QPen pen(toQColor(color_), qMax(1, qRound(width_ * devicePixelRatioF())), Qt::SolidLine, Qt::FlatCap);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.drawLine(from_, to_);
}

ShapeControl::ShapeControl(QWidget* parent, Kind kind, OleColor fill, OleColor border, int borderWidth)
    : QWidget(parent), kind_(kind), fill_(fill), border_(border), borderWidth_(qMax(1, qRound(borderWidth * g_scale)))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(toQColor(border_), borderWidth_));
    p.setBrush(toQColor(fill_));
    const QRectF r = QRectF(rect()).adjusted(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    if (kind_ == Oval)
        p.drawEllipse(r);
    else
        p.drawRect(r);
}

PaintedControl::PaintedControl(QWidget* parent, Painter painter)
    : QWidget(parent), painter_(std::move(painter))
{
}

void PaintedControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    painter_(p, rect());
}

}  // namespace framework
