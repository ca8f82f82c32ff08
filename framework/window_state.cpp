#include "framework/window_state.h"

#include "framework/controls.h"
#include "framework/form.h"

#include <QLabel>
#include <QListWidget>

namespace framework {

namespace {

QStringList rowsOf(const QListWidget* list)
{
    QStringList rows;
    rows.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

// Whether the list shows `rows` and more after them.
bool extends(const QListWidget* list, const QStringList& rows, int count)
{
    if (list->count() < count)
        return false;
    for (int i = 0; i < count; ++i)
        if (list->item(i)->text() != rows[i])
            return false;
    return true;
}

ControlState stateOf(const QWidget* control, const ControlState* before)
{
    ControlState s;
    s.text = caption(control);
    s.fore = foreColor(control);
    s.enabled = !control->testAttribute(Qt::WA_ForceDisabled);
    s.visible = !control->isHidden();
    s.geometry = control->geometry();
    // An empty label with no frame shows nothing: only its top-left corner counts.
    if (auto label = qobject_cast<const QLabel*>(control);
        label && s.text.isEmpty() && label->frameShape() == QFrame::NoFrame && !label->autoFillBackground())
        s.geometry.setSize(QSize());
    // Only a control placed in twips keeps its top (a shape the program moves).
    const QVariant top = control->property("topTwips");
    s.top = top.isValid() ? top.toFloat() : ControlState::NoTop;
    if (auto line = dynamic_cast<const LineControl*>(control))
        s.stroke = line->segment();
    if (auto list = qobject_cast<const QListWidget*>(control)) {
        s.rowCount = list->count();
        // The rows a run adds one by one are kept once: where no row was taken away from the
        // list since the earlier state (a list emptied and filled again may end alike), it
        // still begins with that state's rows, and the new rows are added to them.
        s.rowsTakenAway = rowsTakenAway(list);
        if (before && before->rows && before->rowCount <= s.rowCount && before->rows->size() >= before->rowCount
            && before->rowsTakenAway == s.rowsTakenAway) {
            s.rows = before->rows;
            if (s.rows->size() > before->rowCount)
                s.rows->erase(s.rows->begin() + before->rowCount, s.rows->end());
            for (int i = before->rowCount; i < s.rowCount; ++i)
                s.rows->append(list->item(i)->text());
        } else if (s.rowCount > 0) {
            s.rows = std::make_shared<QStringList>(rowsOf(list));
        }
    }
    return s;
}

void restoreList(QListWidget* list, const ControlState& s)
{
    if (s.rowCount == 0) {
        if (list->count())
            list->clear();
        return;
    }
    // Rows taken away one by one cost more than the list made again, beyond a few.
    const int kept = qMin(s.rowCount, list->count());
    if (!extends(list, *s.rows, kept) || list->count() - s.rowCount > 16)
        list->clear();
    while (list->count() > s.rowCount)
        delete list->takeItem(list->count() - 1);
    if (list->count() < s.rowCount) {
        list->addItems(s.rows->mid(list->count(), s.rowCount - list->count()));
        list->scrollToBottom();
    }
}

}  // namespace

bool ControlState::operator==(const ControlState& o) const
{
    if (text != o.text || fore != o.fore || enabled != o.enabled || visible != o.visible || geometry != o.geometry
        || top != o.top || stroke != o.stroke || rowCount != o.rowCount)
        return false;
    for (int i = 0; i < rowCount; ++i)
        if ((*rows)[i] != (*o.rows)[i])
            return false;
    return true;
}

WindowState WindowState::of(const Form& form, const WindowState* previous)
{
    WindowState state;
    state.scale = form.madeAt();
    state.size = form.size();
    const auto& controls = form.controls();
    state.controls.reserve(controls.size());
    for (size_t i = 0; i < controls.size(); ++i) {
        const ControlState* before =
            previous && i < previous->controls.size() ? &previous->controls[i] : nullptr;
        state.controls.push_back(stateOf(controls[i], before));
    }
    return state;
}

bool WindowState::sameContent(const WindowState& other) const
{
    if (controls.size() != other.controls.size())
        return false;
    for (size_t i = 0; i < controls.size(); ++i) {
        ControlState a = controls[i], b = other.controls[i];
        a.geometry = b.geometry;
        a.stroke = b.stroke;
        if (!(a == b))
            return false;
    }
    return true;
}

bool WindowState::restore(Form& form) const
{
    const bool samePlaces = scale == form.madeAt();
    // Its places are those of the state: a caption written here does not lay the window out.
    const bool held = form.holdArrangement(true);
    form.holdArrangement(held || samePlaces);
    const auto& controls = form.controls();
    for (size_t i = 0; i < controls.size() && i < this->controls.size(); ++i) {
        QWidget* control = controls[i];
        const ControlState& s = this->controls[i];
        if (auto list = qobject_cast<QListWidget*>(control))
            restoreList(list, s);
        else if (caption(control) != s.text)
            setCaption(control, s.text);
        if (foreColor(control) != s.fore) {
            if (s.fore == restingForeColor(control))
                restoreForeColor(control);
            else
                setForeColor(control, s.fore);
        }
        if (control->testAttribute(Qt::WA_ForceDisabled) == s.enabled)
            control->setEnabled(s.enabled);
        if (control->isHidden() == s.visible)
            control->setVisible(s.visible);
        if (!samePlaces) {
            if (s.top != ControlState::NoTop && topTwips(control) != s.top)
                setTopTwips(control, s.top);
            continue;
        }
        if (auto line = dynamic_cast<LineControl*>(control))
            line->setStroke(s.geometry, s.stroke);
        else if (s.geometry.isEmpty() && qobject_cast<QLabel*>(control))
            control->move(s.geometry.topLeft());
        else if (control->geometry() != s.geometry)
            control->setGeometry(s.geometry);
        if (s.top != ControlState::NoTop && topTwips(control) != s.top)
            control->setProperty("topTwips", s.top);
    }
    if (samePlaces && form.size() != size) {
        form.setFixedSize(size);
        if (QWidget* frame = form.parentWidget())
            frame->adjustSize();
    }
    form.holdArrangement(held);
    return samePlaces;
}

QStringList WindowState::differences(const WindowState& other, const Form& form) const
{
    QStringList names;
    if (size != other.size)
        names << form.objectName();
    const auto& controls = form.controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        const bool here = i < this->controls.size(), there = i < other.controls.size();
        if (here != there) {
            names << controls[i]->objectName();
            continue;
        }
        if (!here || this->controls[i] == other.controls[i])
            continue;
        // What differs, as "Label2(6) (text, place)".
        const ControlState& a = this->controls[i];
        const ControlState& b = other.controls[i];
        QStringList what;
        if (a.text != b.text)
            what << QStringLiteral("text");
        if (a.fore != b.fore)
            what << QStringLiteral("colour");
        if (a.enabled != b.enabled)
            what << QStringLiteral("enabled");
        if (a.visible != b.visible)
            what << QStringLiteral("visible");
        const auto rect = [](const QRect& r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); };
        if (a.geometry != b.geometry)
            what << QStringLiteral("place %1, not %2").arg(rect(a.geometry), rect(b.geometry));
        if (a.top != b.top)
            what << QStringLiteral("top %1, not %2").arg(a.top).arg(b.top);
        if (a.stroke != b.stroke)
            what << QStringLiteral("stroke");
        if (what.isEmpty())
            what << QStringLiteral("rows");
        names << QStringLiteral("%1 (%2)").arg(controls[i]->objectName(), what.join(QStringLiteral(", ")));
    }
    return names;
}

}  // namespace framework
