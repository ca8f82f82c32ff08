#include "framework/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>

namespace framework {

namespace {
bool g_ending = false;

// The style draws a frame's title flush with the frame's left edge; here it stands a little in,
// on the frame's line, clear of the edge.
class IndentedFrameTitle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        QRect r = QProxyStyle::subControlRect(control, option, part, widget);
        if (control == CC_GroupBox && part == SC_GroupBoxLabel)
            r.translate(4, 0);
        return r;
    }
};

// One for every frame of the program, gone with the application.
QStyle* frameStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new IndentedFrameTitle;
        style->setParent(qApp);
    }
    return style;
}
}  // namespace

void setEnding(bool ending) { g_ending = ending; }
bool isEnding() { return g_ending; }

QString creditLine() { return QStringLiteral("Desenvolvido por Tavrino"); }

Form::Form(const QString& name, const QString& title, int widthTwips, int heightTwips)
    : widthTwips_(widthTwips), heightTwips_(heightTwips)
{
    setObjectName(name);
    setWindowTitle(title);
    setAccessibleName(title.trimmed());
    setFixedSize(px(widthTwips), px(heightTwips));
    setFont(makeFont(Default));
}

template <class W>
W* Form::adopt(W* widget, const QString& name, const Geometry& g, const FontSpec& font)
{
    widget->setObjectName(name);
    widget->setProperty("matravelControl", true);
    widget->setFont(makeFont(font));
    place(widget, g);
    controls_.push_back(widget);
    return widget;
}

QLabel* Form::addLabel(const QString& name, const QString& text, Geometry g, FontSpec font,
                       OleColor fore, QWidget* in)
{
    auto label = new QLabel(in ? in : this);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A label given a width and a height wraps its words inside that box; one sized to its
    // text keeps it on one line.
    label->setWordWrap(g.width != 0 && g.height != 0);
    label->setProperty("madeCaption", text);
    setForeColor(label, fore);
    return adopt(label, name, g, font);
}

QLineEdit* Form::addTextBox(const QString& name, const QString& text, Geometry g, FontSpec font,
                            QWidget* in)
{
    auto box = new QLineEdit(in ? in : this);
    box->setText(text);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setAccessibleName(QStringLiteral("Caixa ") + name);
    setForeColor(box, ole::WindowText);
    // A number longer than its box shows from its start once the student leaves it, so that
    // its sign is never out of view.
    connect(box, &QLineEdit::editingFinished, box, [box] { box->setCursorPosition(0); });
    return adopt(box, name, g, font);
}

QPushButton* Form::addButton(const QString& name, const QString& text, Geometry g, FontSpec font,
                             QWidget* in)
{
    auto button = new QPushButton(in ? in : this);
    button->setText(text);
    button->setAutoDefault(false);
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')).trimmed());
    button->setFocusPolicy(Qt::StrongFocus);
    setForeColor(button, ole::ButtonText);
    return adopt(button, name, g, font);
}

QListWidget* Form::addListBox(const QString& name, Geometry g, FontSpec font, QWidget* in)
{
    auto list = new QListWidget(in ? in : this);
    list->setFocusPolicy(Qt::StrongFocus);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Like a classic list box: long rows are cut at the edge, with no sideways scroll bar.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    list->setAccessibleName(QStringLiteral("Lista ") + name);
    setForeColor(list, ole::WindowText);
    adopt(list, name, g, font);
    followRows(list);
    return list;
}

QGroupBox* Form::addFrame(const QString& name, const QString& text, Geometry g, FontSpec font,
                          OleColor fore, QWidget* in)
{
    auto frame = new QGroupBox(text, in ? in : this);
    frame->setStyle(frameStyle());
    setForeColor(frame, fore);
    return adopt(frame, name, g, font);
}

QWidget* Form::addPictureBox(const QString& name, Geometry g, OleColor back, QWidget* in)
{
    auto box = new QFrame(in ? in : this);
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Sunken);
    setBackColor(box, back);
    return adopt(static_cast<QWidget*>(box), name, g, Default);
}

LineControl* Form::addLine(const QString& name, int x1, int y1, int x2, int y2, int width,
                           OleColor color, QWidget* in)
{
    auto line = new LineControl(in ? in : this, x1, y1, x2, y2, width, color);
    line->setObjectName(name);
    line->setProperty("matravelControl", true);
    line->setProperty("foreColor", uint(color));
    keepTablePlace(line);
    controls_.push_back(line);
    return line;
}

ShapeControl* Form::addShape(const QString& name, ShapeControl::Kind kind, Geometry g,
                             OleColor fill, OleColor border, int borderWidth, QWidget* in)
{
    auto shape = new ShapeControl(in ? in : this, kind, fill, border, borderWidth);
    return adopt(shape, name, g, Default);
}

PaintedControl* Form::addPainted(const QString& name, Geometry g, PaintedControl::Painter painter,
                                 QWidget* in)
{
    auto painted = new PaintedControl(in ? in : this, std::move(painter));
    return adopt(painted, name, g, Default);
}

void Form::addControls(std::initializer_list<ControlSpec> table)
{
    for (const ControlSpec& c : table) {
        const QString name = QString::fromUtf8(c.name.utf8), text = QString::fromUtf8(c.caption);
        QWidget* in = c.in.isEmpty() ? nullptr : control(c.in);
        const bool ownFont = c.font.points > 0;
        const FontSpec font = ownFont ? c.font : (c.kind == ControlSpec::Value ? PanelBold : Default);
        const bool ownColour = c.fore != 0xFFFFFFFF;
        const OleColor fore = ownColour ? c.fore : (c.kind == ControlSpec::Value ? ole::Red : ole::ButtonText);
        switch (c.kind) {
        case ControlSpec::Label:
            addLabel(name, text, c.at, font, fore, in);
            break;
        case ControlSpec::Value:
            addValueLabel(name, c.at.left, c.at.top, font, fore, in);
            break;
        case ControlSpec::TextBox:
            addTextBox(name, text, c.at, font, in);
            break;
        case ControlSpec::Button:
            addButton(name, text, c.at, font, in);
            break;
        case ControlSpec::List:
            addListBox(name, c.at, font, in);
            break;
        case ControlSpec::Frame:
            addFrame(name, text, c.at, font, fore, in);
            break;
        }
    }
}

void Form::addBrackets(int first, std::initializer_list<BracketSpec> brackets)
{
    int n = first;
    for (const BracketSpec& b : brackets) {
        const QWidget* open = control(b.open);
        const QWidget* close = control(b.close);
        const auto twipsLeft = [](const QWidget* line) { return twips(line->x()); };
        const auto twipsMiddle = [&](const QWidget* line) { return twips(line->y()) + b.middle; };
        const int x = b.x ? b.x : twipsLeft(open) - 105;
        const int top = twipsMiddle(open), bottom = twipsMiddle(close);
        QWidget* in = open->parentWidget() == this ? nullptr : open->parentWidget();
        addLine(QStringLiteral("Line%1").arg(n++), x, top, twipsLeft(open) - 45, top, 1, ole::Black, in);
        addLine(QStringLiteral("Line%1").arg(n++), x, top, x, bottom, 1, ole::Black, in);
        addLine(QStringLiteral("Line%1").arg(n++), x, bottom, twipsLeft(close) - 45, bottom, 1, ole::Black, in);
    }
}

RunCycle* Form::setRun(std::unique_ptr<Algorithm> algorithm, RunSpec how)
{
    run_ = new RunCycle(this, std::move(algorithm), std::move(how));
    return run_;
}

QLabel* Form::addValueLabel(const QString& name, int left, int top, FontSpec font, OleColor fore, QWidget* in)
{
    QLabel* value = addLabel(name, QString(), {left, top, 0, 0}, font, fore, in);
    value->setProperty("valueLabel", true);
    return value;
}

namespace {
template <class W>
W* checked(const Form* form, Name name)
{
    if (auto w = qobject_cast<W*>(form->control(name.text())))
        return w;
    throw UnknownControl(form->objectName(), name.text());
}
}  // namespace

QLabel* Form::label(Name name) const { return checked<QLabel>(this, name); }
QLineEdit* Form::textBox(Name name) const { return checked<QLineEdit>(this, name); }
QPushButton* Form::button(Name name) const { return checked<QPushButton>(this, name); }
QListWidget* Form::listBox(Name name) const { return checked<QListWidget>(this, name); }
QWidget* Form::control(Name name) const { return checked<QWidget>(this, name); }

void Form::addBracket(int first, int x, int openLeft, int openTop, int closeLeft, int closeTop, int middle)
{
    const auto name = [](int n) { return QStringLiteral("Line%1").arg(n); };
    const int yTop = openTop + middle, yBottom = closeTop + middle;
    addLine(name(first), x, yTop, x, yBottom);
    addLine(name(first + 1), x, yTop, openLeft - 45, yTop);
    addLine(name(first + 2), x, yBottom, closeLeft - 45, yBottom);
}

void Form::growToFit()
{
    QRect used;
    for (const QWidget* control : controls_)
        if (!control->isHidden() && control->parentWidget() == this)
            used |= control->geometry();
    const int margin = px(120);
    const QSize own(px(widthTwips_), px(heightTwips_));
    QSize size(qMax(own.width(), used.right() + 1 + margin), qMax(own.height(), used.bottom() + 1 + margin));
    // Zoomed in, a window may be larger than the screen: the workspace scrolls to all of it.
    // Only a text far longer than any the window means to show (thousands of digits) is cut,
    // so that the window never grows past what can be painted at once.
    if (const QScreen* s = screen())
        size = size.boundedTo((s->availableGeometry().size() * 4).expandedTo(own));
    if (size == this->size())
        return;
    setFixedSize(size);
    if (QWidget* frame = parentWidget())
        frame->adjustSize();
}

void Form::arrangeOnResize(std::initializer_list<QWidget*> watched)
{
    for (QWidget* control : watched)
        control->installEventFilter(this);
    rearrange();
}

void Form::rearrange()
{
    if (arranging_)
        return;
    arranging_ = true;
    arrange();
    arranging_ = false;
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide)
        rearrange();
    return QWidget::eventFilter(watched, event);
}

void Form::describe(QWidget* control, const QString& accessibleName, QLabel* buddy)
{
    control->setAccessibleName(accessibleName);
    if (buddy)
        buddy->setBuddy(control);
}

void Form::setTabOrder(std::initializer_list<QWidget*> order)
{
    tabOrder_.assign(order.begin(), order.end());
    for (size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

QWidget* Form::control(const QString& name) const
{
    for (QWidget* w : controls_)
        if (w->objectName() == name)
            return w;
    return nullptr;
}

void Form::unload() { setStatusText(creditLine()); }

void Form::restoreCaptionsWrittenBefore(std::uint64_t mark)
{
    for (QWidget* control : controls_) {
        const std::uint64_t written = lastWritten(control);
        if (qobject_cast<QLabel*>(control) && written != 0 && written <= mark)
            setCaption(control, control->property("madeCaption").toString());
    }
}

void Form::resetPanel()
{
    for (QWidget* control : controls_) {
        if (auto label = qobject_cast<QLabel*>(control)) {
            restoreForeColor(label);
            if (label->property("valueLabel").toBool())
                setCaption(label, QString());
        } else if (auto list = qobject_cast<QListWidget*>(control)) {
            list->clear();
        }
    }
    focusFirstBox();
}

void Form::focusFirstBox()
{
    for (QWidget* control : tabOrder_)
        if (qobject_cast<QLineEdit*>(control) && control->isEnabled() && control->isVisible()) {
            control->setFocus(Qt::OtherFocusReason);
            break;
        }
}

void Form::closeEvent(QCloseEvent* event)
{
    // Closing is never refused; the program's own end runs no closing handler.
    if (!isEnding())
        guarded([this] { unload(); });
    event->accept();
}

void Form::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        if (QWidget* first = firstInTabOrder())
            first->setFocus(Qt::OtherFocusReason);
    }
}

void Form::connectClick(QPushButton* button, std::function<void()> slot)
{
    connect(button, &QPushButton::clicked, this, [slot = std::move(slot)]() { slot(); });
}

}  // namespace framework
