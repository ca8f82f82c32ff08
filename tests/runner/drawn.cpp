#include "tests/runner/drawn.h"

#include "framework/controls.h"
#include "shell/plot_view.h"
#include "tests/runner/scenario.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QDockWidget>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEngine>
#include <QPainter>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QStyleOptionTitleBar>
#include <QTableView>
#include <QtMath>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

namespace scenario {

namespace {

// One text as drawn: where its letters stand (in the form's pixels) and the area that must
// hold them (the control's own drawing area, also in the form's pixels).
struct Text {
    QWidget* control;
    QString what;   // "" for the control's caption, else a row or the title
    QRect ink;      // the letters, from the top of the capitals to the bottom of the descenders
    QRect room;     // where the control can draw them
    bool opaque;    // a box, a list or a button hides what lies under its whole rectangle
    QRect body;     // the rectangle it covers when opaque
    bool rowOnly = false;  // a list row: measured against its list, never against other texts
    std::vector<QRect> words;  // the runs of letters between blanks, where known (else the ink)
    const std::vector<QRect>& letters() const
    {
        if (words.empty())
            const_cast<Text*>(this)->words.push_back(ink);
        return words;
    }
};

// The runs of non-blank characters of a one-line text laid out at `layout`: blanks are air,
// and a stroke or another text may stand in them.
std::vector<QRect> wordRects(const QFontMetrics& fm, const QString& text, const QRect& ink)
{
    std::vector<QRect> words;
    int i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i].isSpace())
            ++i;
        const int start = i;
        while (i < text.size() && !text[i].isSpace())
            ++i;
        if (i > start) {
            const int left = ink.left() + fm.horizontalAdvance(text.left(start));
            words.emplace_back(left, ink.top(), fm.horizontalAdvance(text.mid(start, i - start)), ink.height());
        }
    }
    return words;
}

bool anyIntersects(const std::vector<QRect>& a, const std::vector<QRect>& b, int air = 0)
{
    for (const QRect& x : a)
        for (const QRect& y : b)
            if (x.adjusted(-air, 0, air, 0).intersects(y))
                return true;
    return false;
}

QString nameOf(const QWidget* w) { return w->objectName().isEmpty() ? QStringLiteral("(unnamed)") : w->objectName(); }

// A text laid out at `origin` in a control's coordinates: its letters' rectangle.
QRect inkRect(const QFontMetrics& fm, const QRect& layout)
{
    const int capTop = qMax(0, fm.ascent() - fm.capHeight());
    return QRect(layout.left(), layout.top() + capTop, layout.width(), qMax(1, layout.height() - capTop));
}

QRect toForm(const QWidget* control, const QWidget* form, const QRect& r)
{
    return QRect(control->mapTo(form, r.topLeft()), r.size());
}

QString withoutMnemonic(QString text)
{
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('&'))
            text.remove(i, 1);  // "&&" leaves one '&', which the loop then steps over
    return text;
}

// The words of a text that cannot stand on one line of `width` pixels.
QStringList brokenWords(const QFontMetrics& fm, const QString& text, int width)
{
    QStringList broken;
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        if (fm.horizontalAdvance(word) > width)
            broken << word;
    return broken;
}

void measureLabel(QLabel* label, QWidget* form, std::vector<Text>& texts, QStringList& problems)
{
    const QString text = label->text();
    if (text.trimmed().isEmpty())
        return;  // blanks draw nothing
    const QFontMetrics fm(label->font());
    const QRect cr = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    QRect layout;
    if (label->wordWrap()) {
        const QStringList broken = brokenWords(fm, text, cr.width());
        for (const QString& word : broken)
            problems << QStringLiteral("%1: \"%2\" is broken over two lines (%3 px too narrow)")
                            .arg(nameOf(label), word)
                            .arg(fm.horizontalAdvance(word) - cr.width());
        layout = fm.boundingRect(cr, int(label->alignment()) | Qt::TextWordWrap, text);
    } else {
        layout = QStyle::alignedRect(label->layoutDirection(), label->alignment(), fm.size(0, text), cr);
    }
    QRect ink = toForm(label, form, inkRect(fm, layout));
    std::vector<QRect> words;
    if (!label->wordWrap() && !text.contains(QLatin1Char('\n'))) {
        // Only the letters count: blanks before and after them are air.
        words = wordRects(fm, text, ink);
        QRect letters;
        for (const QRect& w : words)
            letters |= w;
        ink = letters;
    }
    texts.push_back({label, QString(), ink, toForm(label, form, label->rect()), false, {}});
    texts.back().words = std::move(words);
}

void measureButton(QPushButton* button, QWidget* form, std::vector<Text>& texts)
{
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.text = button->text();
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
    const QString text = withoutMnemonic(button->text());
    const QRect body = toForm(button, form, button->rect());
    if (text.isEmpty()) {
        texts.push_back({button, QString(), QRect(), QRect(), true, body});
        return;
    }
    const QFontMetrics fm(button->font());
    const QRect layout = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, fm.size(Qt::TextShowMnemonic, text), contents);
    texts.push_back({button, QString(), toForm(button, form, inkRect(fm, layout)), toForm(button, form, contents), true, body});
}

// A frame as the style draws it: its border and its title.
QStyleOptionGroupBox groupBoxOption(const QGroupBox* frame)
{
    QStyleOptionGroupBox opt;
    opt.initFrom(frame);
    opt.text = frame->title();
    opt.lineWidth = 1;
    opt.midLineWidth = 0;
    opt.textAlignment = frame->alignment();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    opt.features = frame->isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
    return opt;
}

void measureFrame(QGroupBox* frame, QWidget* form, std::vector<Text>& texts)
{
    if (frame->title().isEmpty())
        return;
    const QStyleOptionGroupBox opt = groupBoxOption(frame);
    const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &opt,
                                                       QStyle::SC_GroupBoxLabel, frame);
    const QFontMetrics fm(frame->font());
    const QRect layout(label.left(), label.top(), fm.horizontalAdvance(withoutMnemonic(frame->title())), label.height());
    texts.push_back({frame, QStringLiteral("title"), toForm(frame, form, inkRect(fm, layout)),
                     toForm(frame, form, frame->rect().adjusted(2, 0, -2, 0)), false, {}});
}

void measureTextBox(QLineEdit* box, QWidget* form, std::vector<Text>& texts)
{
    QStyleOptionFrame opt;
    opt.initFrom(box);
    opt.rect = box->rect();
    opt.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    // The area the box scrolls its text in: its contents less the two pixels it keeps free on
    // each side and one above and below.
    const QMargins m = box->textMargins();
    const QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &opt, box)
                           .adjusted(m.left() + 2, m.top() + 1, -m.right() - 2, -m.bottom() - 1);
    const QRect body = toForm(box, form, box->rect());
    const QString text = box->displayText();
    if (text.trimmed().isEmpty()) {
        texts.push_back({box, QString(), QRect(), QRect(), true, body});  // blanks draw nothing
        return;
    }
    const QFontMetrics fm(box->font());
    QRect layout = QStyle::alignedRect(Qt::LeftToRight, box->alignment(), fm.size(0, text), room);
    // A text longer than the box is shown from its start (the program keeps the cursor there):
    // what the box cuts is its end.
    if (layout.width() > room.width())
        layout.moveLeft(room.left());
    const QRect ink = toForm(box, form, inkRect(fm, layout));
    texts.push_back({box, QString(), ink, toForm(box, form, room), true, body});
    // What the box cuts of its own text is not drawn: it overlaps nothing beside the box.
    texts.back().words = {ink & toForm(box, form, room)};
}

void measureList(QListWidget* list, QWidget* form, std::vector<Text>& texts)
{
    const QRect body = toForm(list, form, list->rect());
    texts.push_back({list, QString(), QRect(), QRect(), true, body});
    const QWidget* view = list->viewport();
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const QFontMetrics fm(list->font());
    const QRect room = QRect(view->mapTo(form, QPoint(0, 0)), view->size());
    for (int i = 0; i < list->count(); ++i) {
        const QString text = list->item(i)->text();
        const QRect item = list->visualItemRect(list->item(i));
        // Rows are measured side to side only: rows below the viewport are reached by scrolling.
        const int left = view->mapTo(form, QPoint(item.left() + margin, 0)).x();
        const QRect ink(left, room.top(), fm.horizontalAdvance(text), qMin(item.height(), room.height()));
        texts.push_back({list, QStringLiteral("row %1 \"%2\"").arg(i + 1).arg(text), ink,
                         room.adjusted(0, 0, -margin, 0), false, {}, true});
    }
}

QString sides(const QRect& text, const QRect& room)
{
    QStringList out;
    if (text.right() > room.right())
        out << QStringLiteral("%1 px at the right").arg(text.right() - room.right());
    if (text.left() < room.left())
        out << QStringLiteral("%1 px at the left").arg(room.left() - text.left());
    if (text.bottom() > room.bottom())
        out << QStringLiteral("%1 px at the bottom").arg(text.bottom() - room.bottom());
    if (text.top() < room.top())
        out << QStringLiteral("%1 px at the top").arg(room.top() - text.top());
    return out.join(QStringLiteral(", "));
}

// The area each container lets its children draw in, in the form's pixels.
QRect clipOf(const QWidget* container, const QWidget* form)
{
    QRect r = container->rect();
    if (auto box = qobject_cast<const QGroupBox*>(container)) {
        // Inside its drawn border, a pixel of air from the line: a text on the border (or on
        // the line under the title) is not whole.
        const QStyleOptionGroupBox opt = groupBoxOption(box);
        const QRect frame = box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxFrame, box);
        r = box->isFlat() ? r.adjusted(2, frame.top() + 2, -2, -2) : frame.adjusted(2, 2, -2, -2);
    } else if (auto frame = qobject_cast<const QFrame*>(container))
        r = frame->contentsRect();
    return toForm(container, form, r);
}

bool crosses(const QLineF& line, const QRectF& r)
{
    // Liang-Barsky clipping of the segment against the rectangle.
    double t0 = 0, t1 = 1;
    const double dx = line.dx(), dy = line.dy();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {line.x1() - r.left(), r.right() - line.x1(), line.y1() - r.top(), r.bottom() - line.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = qMax(t0, t);
        else
            t1 = qMin(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

// A paint device that draws nothing and notes every text painted on it, where it stands and
// the clip it was painted in, so that the texts inside a picture can be measured too.
class TextNotes : public QPaintEngine {
public:
    struct Note {
        QString text;
        QRectF ink;   // the letters' box, in the device's pixels
        QRectF clip;  // the area the painter let them show in (the whole device when none)
    };
    TextNotes() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice* device) override
    {
        device_ = device;
        return true;
    }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawRects(const QRectF*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        const QFontMetricsF fm(item.font());
        const QString text = item.text();
        const QRectF box(at.x(), at.y() - fm.ascent(), fm.horizontalAdvance(text), fm.ascent() + fm.descent());
        const QTransform t = painter()->transform();
        const QRectF whole(0, 0, device_->width(), device_->height());
        const QRectF clip = painter()->hasClipping() ? t.mapRect(painter()->clipBoundingRect()) & whole : whole;
        notes.push_back({text, t.mapRect(box), clip});
    }
    Type type() const override { return QPaintEngine::User; }
    std::vector<Note> notes;

private:
    QPaintDevice* device_ = nullptr;
};

class NotedDevice : public QPaintDevice {
public:
    explicit NotedDevice(QSize size) : size_(size) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<TextNotes::Note>& notes() const { return engine_.notes; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
        case PdmWidthMM: return size_.width() * 254 / 960;
        case PdmHeightMM: return size_.height() * 254 / 960;
        case PdmNumColors: return INT_MAX;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    QSize size_;
    mutable TextNotes engine_;
};

// The texts a picture paints that its own clip or edge cuts.
void measurePicture(QWidget* picture, QStringList& problems)
{
    NotedDevice device(picture->size());
    picture->render(&device, QPoint(), QRegion(), QWidget::RenderFlags());  // its own painting only
    for (const TextNotes::Note& note : device.notes()) {
        if (note.text.trimmed().isEmpty() || note.clip.adjusted(-0.5, -0.5, 0.5, 0.5).contains(note.ink))
            continue;
        problems << QStringLiteral("%1: the picture's text %2 is cut (%3)")
                        .arg(nameOf(picture), quoted(note.text.trimmed()),
                             sides(note.ink.toAlignedRect().adjusted(1, 1, -1, -1), note.clip.toAlignedRect()));
    }
}

QString describe(const Text& t)
{
    return t.what.isEmpty() ? nameOf(t.control) : QStringLiteral("%1 %2").arg(nameOf(t.control), t.what);
}

}  // namespace

namespace {
// Laid out and painted as the screen would show them, before anything is measured.
void paintNow(QWidget* w)
{
    // Twice: what a layout changes (a scroll bar that comes or goes) is laid out in turn.
    for (int pass = 0; pass < 2; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        (void)w->grab();
    }
}

// The most room the screen could give the workspace's view: the main window as large as the
// screen, with its menu bar and status bar and nothing beside or below the workspace.
QSize mostRoom(const QWidget* view)
{
    auto main = qobject_cast<const QMainWindow*>(view->window());
    const QScreen* screen = main ? main->screen() : nullptr;
    if (!screen)
        return QSize(INT_MAX, INT_MAX);
    const QWidget* workspace = view->parentWidget();
    const QSize frame = main->frameGeometry().size() - main->size();
    const int bars = (main->menuBar() ? main->menuBar()->height() : 0) +
                     (main->statusBar() && main->statusBar()->isVisible() ? main->statusBar()->height() : 0);
    return screen->availableGeometry().size() - frame - QSize(0, bars) - (workspace->size() - view->size());
}

// A sub-window's title as its bar draws it: whole, or what it lacks.
QString titleProblem(const QMdiSubWindow* sub)
{
    const QString title = sub->windowTitle();
    if (title.isEmpty())
        return {};
    QStyleOptionTitleBar opt;
    opt.initFrom(sub);
    opt.text = title;
    opt.titleBarFlags = sub->windowFlags();
    opt.titleBarState = sub->windowState();
    opt.subControls = QStyle::SC_TitleBarLabel;
    const int height = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &opt, sub);
    opt.rect = QRect(0, 0, sub->width(), height);
    const QRect label = sub->style()->subControlRect(QStyle::CC_TitleBar, &opt, QStyle::SC_TitleBarLabel, sub);
    const QFontMetrics fm(sub->font());
    if (fm.horizontalAdvance(title) > label.width())
        return QStringLiteral("its title %1 needs %2 px, the bar leaves it %3").arg(quoted(title)).arg(fm.horizontalAdvance(title)).arg(label.width());
    if (fm.height() > label.height())
        return QStringLiteral("its title is %1 px high, the bar %2").arg(fm.height()).arg(label.height());
    return {};
}
}  // namespace

QStringList fitProblems(QWidget* form, QWidget* workspace, QWidget* only)
{
    paintNow(form->window());
    QStringList problems;
    std::vector<Text> texts;
    // Strokes in the form's pixels: line controls, and painted controls no thicker than a line
    // (signs drawn stroke by stroke).
    std::vector<std::pair<QWidget*, QLineF>> lines;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!w->property("matravelControl").toBool() || !w->isVisibleTo(form))
            continue;
        if (auto label = qobject_cast<QLabel*>(w))
            measureLabel(label, form, texts, problems);
        else if (auto button = qobject_cast<QPushButton*>(w))
            measureButton(button, form, texts);
        else if (auto frame = qobject_cast<QGroupBox*>(w))
            measureFrame(frame, form, texts);
        else if (auto box = qobject_cast<QLineEdit*>(w))
            measureTextBox(box, form, texts);
        else if (auto list = qobject_cast<QListWidget*>(w))
            measureList(list, form, texts);
        else if (auto line = dynamic_cast<framework::LineControl*>(w))
            lines.emplace_back(line, line->segment().translated(line->mapTo(form, QPoint(0, 0))));
        else if (dynamic_cast<framework::PaintedControl*>(w) && qMin(w->width(), w->height()) > 3)
            measurePicture(w, problems);
        else if (dynamic_cast<framework::PaintedControl*>(w)) {
            const QRectF r(w->mapTo(form, QPoint(0, 0)), w->size());
            lines.emplace_back(w, w->width() >= w->height() ? QLineF(r.left(), r.center().y(), r.right(), r.center().y())
                                                            : QLineF(r.center().x(), r.top(), r.center().x(), r.bottom()));
        }
    }
    if (only) {
        problems = problems.filter(QRegularExpression(QStringLiteral("^%1:").arg(QRegularExpression::escape(nameOf(only)))));
    }
    auto concerns = [only](const Text& t) { return !only || t.control == only; };

    for (const Text& t : texts) {
        if (t.ink.isNull() || !concerns(t))
            continue;
        // Its own drawing area, then every container up to the window.
        if (!t.room.contains(t.ink)) {
            problems << QStringLiteral("%1: cut by its own edge (%2)").arg(describe(t), sides(t.ink, t.room));
            continue;
        }
        for (QWidget* up = t.control->parentWidget(); up; up = up->parentWidget()) {
            const QRect clip = clipOf(up, form);
            if (!clip.contains(t.ink)) {
                problems << QStringLiteral("%1: cut by %2 (%3)").arg(describe(t), up == form ? QStringLiteral("the window") : nameOf(up), sides(t.ink, clip));
                break;
            }
            if (up == form)
                break;
        }
    }

    // Texts over texts, and opaque controls over texts.
    for (size_t i = 0; i < texts.size(); ++i) {
        for (size_t j = 0; j < texts.size(); ++j) {
            const Text& a = texts[i];
            const Text& b = texts[j];
            if (i == j || a.control == b.control || !(concerns(a) || concerns(b)))
                continue;
            if (a.ink.isNull() || a.rowOnly || b.rowOnly)
                continue;
            // Letters that touch side by side read as one word: one pixel of air at least.
            const bool overText = i < j && !b.ink.isNull() && anyIntersects(a.letters(), b.letters(), 1);
            const bool underBody = b.opaque && !b.control->isAncestorOf(a.control) && anyIntersects(a.letters(), {b.body}) && !overText;
            if (overText)
                problems << QStringLiteral("%1 overlaps %2").arg(describe(a), describe(b));
            else if (underBody && !(a.opaque && i > j))
                problems << QStringLiteral("%1 runs under %2").arg(describe(a), describe(b));
        }
    }

    for (const auto& [stroke, seg] : lines) {
        for (const Text& t : texts) {
            if (t.ink.isNull() || t.rowOnly || !(concerns(t) || only == stroke))
                continue;
            for (const QRect& word : t.letters())
                if (crosses(seg, QRectF(word).adjusted(-1, -1, 1, 1))) {
                    problems << QStringLiteral("%1 is crossed by %2").arg(describe(t), nameOf(stroke));
                    break;
                }
        }
    }

    if (!only) {
        if (auto sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) {
            const QRect inSub(form->mapTo(sub, QPoint(0, 0)), form->size());
            if (!sub->rect().contains(inSub))
                problems << QStringLiteral("%1: the window is cut by its own frame (%2)").arg(nameOf(form), sides(inSub, sub->rect()));
            if (const QString title = titleProblem(sub); !title.isEmpty())
                problems << QStringLiteral("%1: %2").arg(nameOf(form), title);
            // The window lies wholly in the workspace, and in view: the main window and the
            // desk check make room for it. Only a window larger than the screen could hold it
            // (zoomed in for a projector) goes past the edges, and the workspace scrolls over
            // all its windows (its range follows them a moment later, on a timer).
            auto area = workspace ? qobject_cast<QAbstractScrollArea*>(workspace->parentWidget()) : nullptr;
            if (area) {
                const QSize most = mostRoom(workspace);
                QRect reach = workspace->rect();
                if (sub->width() > most.width()) {
                    reach.setLeft(qMin(reach.left(), sub->x()));
                    reach.setRight(qMax(reach.right(), sub->geometry().right()));
                }
                if (sub->height() > most.height()) {
                    reach.setTop(qMin(reach.top(), sub->y()));
                    reach.setBottom(qMax(reach.bottom(), sub->geometry().bottom()));
                }
                if (!reach.contains(sub->geometry()))
                    problems << QStringLiteral("%1: the window runs out of the workspace's view (%2)")
                                    .arg(nameOf(form), sides(sub->geometry(), reach));
                // Another window over it hides what it covers.
                const QList<QMdiSubWindow*> stack = qobject_cast<QMdiArea*>(area)->subWindowList(QMdiArea::StackingOrder);
                for (qsizetype i = stack.indexOf(sub) + 1; i > 0 && i < stack.size(); ++i)
                    if (stack[i]->isVisible() && stack[i]->geometry().intersects(sub->geometry()))
                        problems << QStringLiteral("%1: the window is under %2").arg(nameOf(form), nameOf(stack[i]->widget()));
            }
        }
    }
    problems.removeDuplicates();
    return problems;
}

namespace {
// WCAG's relative luminance and contrast ratio, written out here rather than taken from the
// program, so that a mistake in the program's own arithmetic cannot pass its own check.
double luminance(QRgb c)
{
    auto lin = [](int v) {
        const double x = v / 255.0;
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

double ratioOf(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The contrast of the letters painted in `area` of the image: the background is the colour
// that most of the area's pixels have (letters cover the lesser part of their box), the text
// colour the pixel that stands farthest from it (the core of a stroke, where the smoothing of
// the edges does not reach).
double paintedContrast(const QImage& image, const QRect& area, QRgb* text, QRgb* back)
{
    QHash<QRgb, int> count;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++count[image.pixel(x, y) & 0xFFFFFF];
    QRgb bg = 0;
    int most = -1;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() > most || (it.value() == most && it.key() < bg))
            bg = it.key(), most = it.value();
    double best = 1;
    QRgb fg = bg;
    for (auto it = count.cbegin(); it != count.cend(); ++it) {
        const double r = ratioOf(it.key(), bg);
        if (r > best)
            best = r, fg = it.key();
    }
    *text = fg;
    *back = bg;
    return best;
}

QString hexOf(QRgb c) { return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0')); }
}  // namespace

QStringList contrastProblems(QWidget* form, double ratio)
{
    const QImage image = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double dpr = image.devicePixelRatio();
    const auto toImage = [&](const QRect& r) {
        return QRect(QPoint(qFloor(r.left() * dpr), qFloor(r.top() * dpr)),
                     QPoint(qCeil((r.right() + 1) * dpr) - 1, qCeil((r.bottom() + 1) * dpr) - 1));
    };
    // Where a control is seen: its rectangle within every container up to the window.
    const auto seen = [form](QWidget* control) {
        QRect r = toForm(control, form, control->rect());
        for (QWidget* up = control->parentWidget(); up && up != form->parentWidget(); up = up->parentWidget())
            r &= toForm(up, form, up->rect());
        return r;
    };
    struct Letters {
        QWidget* control;
        QString what;
        QRect area;  // in the form's pixels
    };
    std::vector<Letters> all;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!w->property("matravelControl").toBool() || !w->isVisibleTo(form))
            continue;
        std::vector<Text> texts;
        QStringList ignored;
        if (auto label = qobject_cast<QLabel*>(w)) {
            if (!label->text().trimmed().isEmpty())
                measureLabel(label, form, texts, ignored);
        } else if (auto button = qobject_cast<QPushButton*>(w)) {
            if (!withoutMnemonic(button->text()).trimmed().isEmpty())
                measureButton(button, form, texts);
        } else if (auto frame = qobject_cast<QGroupBox*>(w)) {
            if (!frame->title().trimmed().isEmpty())
                measureFrame(frame, form, texts);
        } else if (auto box = qobject_cast<QLineEdit*>(w)) {
            if (!box->displayText().trimmed().isEmpty())
                measureTextBox(box, form, texts);
        } else if (auto list = qobject_cast<QListWidget*>(w)) {
            // The rows in view, each where it is drawn.
            const QWidget* view = list->viewport();
            const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
            const QFontMetrics fm(list->font());
            const QRect inView = QRect(view->mapTo(form, QPoint(0, 0)), view->size());
            for (int i = 0; i < list->count(); ++i) {
                const QString text = list->item(i)->text();
                if (text.trimmed().isEmpty())
                    continue;
                const QRect item = list->visualItemRect(list->item(i));
                const QRect letters(view->mapTo(form, QPoint(item.left() + margin, item.top())),
                                    QSize(fm.horizontalAdvance(text), item.height()));
                if ((letters & inView).isEmpty())
                    continue;
                all.push_back({list, QStringLiteral("row %1 \"%2\"").arg(i + 1).arg(text), letters & inView & seen(list)});
            }
        }
        for (const Text& t : texts)
            if (!t.ink.isNull())
                all.push_back({t.control, t.what, t.ink & seen(t.control)});
    }
    QStringList problems;
    for (const Letters& l : all) {
        // A pixel of air around the letters, so that the background is never their minority.
        const QRect area = toImage(l.area.adjusted(-1, -1, 1, 1)) & image.rect();
        if (area.isEmpty())
            continue;
        QRgb text, back;
        const double got = paintedContrast(image, area, &text, &back);
        if (got < ratio)
            problems << QStringLiteral("%1%2 %3 : 1 (%4 on %5)")
                            .arg(nameOf(l.control), l.what.isEmpty() ? QString() : QLatin1Char(' ') + l.what)
                            .arg(got, 0, 'f', 2)
                            .arg(hexOf(text), hexOf(back));
    }
    return problems;
}

bool lastRowShown(const QListWidget* list)
{
    if (list->count() == 0)
        return false;
    const QRect row = list->visualItemRect(list->item(list->count() - 1));
    return !row.isEmpty() && list->viewport()->rect().contains(row);
}

bool drawnDisabled(QWidget* control)
{
    // The colour an enabled control writes its text in: a control whose letters show it is
    // drawn enabled, whatever its flag says.
    QPalette::ColorRole role = QPalette::WindowText;
    QString text = framework::caption(control);
    if (qobject_cast<QPushButton*>(control))
        role = QPalette::ButtonText;
    else if (auto box = qobject_cast<QLineEdit*>(control)) {
        role = QPalette::Text;
        text = box->displayText();
    }
    const QImage image = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (text.trimmed().isEmpty()) {
        // No letters to look at: compare with the same control under the other flag.
        const bool enabled = control->isEnabled();
        control->setEnabled(!enabled);
        const QImage other = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
        control->setEnabled(enabled);
        return !enabled && image != other;
    }
    // Smoothed letters rarely reach their colour exactly: the text is drawn enabled when some
    // pixel comes much nearer the enabled colour than the disabled one stands from it.
    const QColor lit = control->palette().color(QPalette::Active, role);
    const QColor off = control->palette().color(QPalette::Disabled, role);
    auto distance = [](QRgb a, const QColor& b) {
        return qAbs(qRed(a) - b.red()) + qAbs(qGreen(a) - b.green()) + qAbs(qBlue(a) - b.blue());
    };
    const int apart = distance(off.rgb(), lit);
    if (apart == 0)
        return false;  // the disabled colour is the enabled one: it cannot look disabled
    const QRect inner = image.rect().adjusted(3, 3, -3, -3);
    int nearest = INT_MAX;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            nearest = qMin(nearest, distance(image.pixel(x, y), lit));
    return nearest * 3 > apart;
}

namespace {
QString onScreenProblem(const QWidget* w, const QWidget* mainWindow)
{
    const QRect global(w->mapToGlobal(QPoint(0, 0)), w->size());
    const QScreen* screen = mainWindow->screen();
    if (screen && !screen->availableGeometry().contains(global))
        return QStringLiteral("%1 is not wholly on the screen").arg(nameOf(w));
    if (!QRect(mainWindow->mapToGlobal(QPoint(0, 0)), mainWindow->size()).contains(global))
        return QStringLiteral("%1 is not wholly inside the main window").arg(nameOf(w));
    return {};
}
}  // namespace

QStringList plotFitProblems(QWidget* panel, QWidget* mainWindow)
{
    auto plot = qobject_cast<shell::PlotPanel*>(panel);
    if (!plot || !plot->isVisible())
        return {QStringLiteral("the plot is not shown")};
    paintNow(mainWindow);
    QStringList problems;
    if (const QString off = onScreenProblem(plot, mainWindow); !off.isEmpty())
        problems << off;
    // What the panel covers of the workspace's active window is the desk check's rule; here
    // only the plot's own texts and points count.
    const QRectF canvas = QRectF(plot->canvas()->rect());
    const std::vector<shell::PlotText>& texts = plot->drawing().texts;
    for (size_t i = 0; i < texts.size(); ++i) {
        const shell::PlotText& t = texts[i];
        const QFontMetricsF fm(t.font);
        if (fm.horizontalAdvance(t.text) > t.box.width() + 0.5 || fm.height() > t.box.height() + 0.5)
            problems << QStringLiteral("%1 is cut (%2 px for %3)").arg(quoted(t.text)).arg(fm.horizontalAdvance(t.text)).arg(t.box.width());
        if (!canvas.adjusted(-0.5, -0.5, 0.5, 0.5).contains(t.box))
            problems << QStringLiteral("%1 is outside the plot").arg(quoted(t.text));
        for (size_t j = 0; j < i; ++j)
            if (t.box.adjusted(0.5, 0.5, -0.5, -0.5).intersects(texts[j].box.adjusted(0.5, 0.5, -0.5, -0.5)))
                problems << QStringLiteral("%1 overlaps %2").arg(quoted(t.text), quoted(texts[j].text));
    }
    int outside = 0;
    for (const QPointF& at : plot->drawing().points)
        outside += !canvas.contains(at);
    if (outside)
        problems << QStringLiteral("%1 points outside the plot").arg(outside);
    return problems;
}

QStringList traceFitProblems(QTableView* table, QWidget* mainWindow)
{
    QStringList problems;
    QWidget* panel = table->parentWidget();
    while (panel && !qobject_cast<QDockWidget*>(panel))
        panel = panel->parentWidget();
    if (!panel || !panel->isVisible())
        return {QStringLiteral("the desk check is not shown")};
    paintNow(mainWindow);
    if (const QString off = onScreenProblem(panel, mainWindow); !off.isEmpty())
        problems << off;
    const QAbstractItemModel* model = table->model();
    if (!model)
        return problems;
    const QHeaderView* header = table->horizontalHeader();
    const QFontMetrics headerFont(header->font());
    QFont boldFont = table->font();
    boldFont.setBold(true);
    const QFontMetrics plain(table->font()), bold(boldFont);
    const int margin = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    const int last = model->columnCount() - 1;
    const QRect view = table->viewport()->rect();
    // A column the view shows in part is cut by the panel, unless the columns are wider than
    // the panel could be on this screen: then the table scrolls sideways to each of them.
    const QScreen* screen = mainWindow->screen();
    const int most = screen ? screen->availableGeometry().width() - (table->width() - view.width()) : INT_MAX;
    const bool mustScroll = header->length() > most;
    const auto inView = [&](int c) {
        const int x = table->columnViewportPosition(c);
        return x >= 0 && x + table->columnWidth(c) <= view.width();
    };
    for (int c = 0; c <= last; ++c) {
        const QString heading = model->headerData(c, Qt::Horizontal).toString();
        if (headerFont.horizontalAdvance(heading) + margin > header->sectionSize(c))
            problems << QStringLiteral("heading %1 is cut (%2 px for %3)")
                            .arg(quoted(heading)).arg(headerFont.horizontalAdvance(heading) + margin).arg(header->sectionSize(c));
        else if (!mustScroll && !inView(c))
            problems << QStringLiteral("column %1 is cut by the panel (%2 px of %3 in view)")
                            .arg(quoted(heading))
                            .arg(qMax(0, qMin(view.width(), table->columnViewportPosition(c) + table->columnWidth(c)) -
                                             qMax(0, table->columnViewportPosition(c))))
                            .arg(table->columnWidth(c));
    }
    const int chosen = table->currentIndex().isValid() ? table->currentIndex().row() : -1;
    for (int r = 0; r < model->rowCount(); ++r) {
        const QRect rowRect(0, table->rowViewportPosition(r), view.width(), table->rowHeight(r));
        if (!rowRect.intersects(view))
            continue;
        // The chosen row shows its values: the first line of its cells, where they are drawn
        // (at the top, or in the middle of the row), lies in view.
        if (r == chosen) {
            const auto align = model->index(r, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
            const int lineTop = align & Qt::AlignTop ? rowRect.top() + 1 : rowRect.center().y() - plain.height() / 2;
            if (lineTop < view.top() || lineTop + plain.height() > view.bottom() + 1)
                problems << QStringLiteral("row %1, the one chosen: its values are out of view (%2 to %3 px, the view %4 to %5)")
                                .arg(r + 1).arg(lineTop).arg(lineTop + plain.height()).arg(view.top()).arg(view.bottom() + 1);
        }
        for (int c = 0; c <= last; ++c) {
            const QModelIndex at = model->index(r, c);
            const QString text = at.data().toString();
            if (text.isEmpty())
                continue;
            const bool changed = at.data(Qt::UserRole + 1).toBool();
            const QFontMetrics& fm = changed ? bold : plain;
            const int width = table->columnWidth(c) - margin;
            if (c == last) {
                const QStringList broken = brokenWords(fm, text, width);
                if (!broken.isEmpty())
                    problems << QStringLiteral("row %1: %2 breaks in its column").arg(r + 1).arg(quoted(broken.first()));
                const int need = fm.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text).height();
                if (need > table->rowHeight(r))
                    problems << QStringLiteral("row %1: its sentence needs %2 px, the row is %3").arg(r + 1).arg(need).arg(table->rowHeight(r));
            } else if (fm.horizontalAdvance(text) > width) {
                problems << QStringLiteral("row %1: %2 is cut (%3 px for %4)")
                                .arg(r + 1).arg(quoted(text)).arg(fm.horizontalAdvance(text)).arg(width);
            } else if (fm.height() > table->rowHeight(r)) {
                problems << QStringLiteral("row %1: %2 is cut at the bottom").arg(r + 1).arg(quoted(text));
            }
        }
    }
    return problems;
}

bool traceRowShown(QTableView* table, int row)
{
    paintNow(table->window());
    if (!table->isVisible() || !table->model() || row < 0 || row >= table->model()->rowCount())
        return false;
    const QRect at(0, table->rowViewportPosition(row), 1, table->rowHeight(row));
    return table->viewport()->rect().contains(at);
}

QStringList statusFitProblems(QLabel* label, QWidget* mainWindow)
{
    if (!label->isVisible())
        return {QStringLiteral("the status bar is not shown")};
    paintNow(mainWindow);
    QStringList problems;
    const QFontMetrics fm(label->font());
    const QRect room = label->contentsRect();
    const QString text = label->text();
    const int need = label->wordWrap() ? fm.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, text).height()
                                       : fm.height();
    if (need > room.height())
        problems << QStringLiteral("the statement needs %1 px, the bar shows %2").arg(need).arg(room.height());
    if (!label->wordWrap() && fm.horizontalAdvance(text) > room.width())
        problems << QStringLiteral("the statement is cut at the right");
    const QStringList broken = brokenWords(fm, text, room.width());
    if (label->wordWrap() && !broken.isEmpty())
        problems << QStringLiteral("%1 breaks").arg(quoted(broken.first()));
    if (const QString off = onScreenProblem(label, mainWindow); !off.isEmpty())
        problems << off;
    return problems;
}

}  // namespace scenario
