#pragma once
// What a window shows, control by control: captions and texts, colours, enabled and visible
// states, places and sizes, drawn strokes and list rows. A window can be put back exactly as
// a state of it was, and two states can name the controls where they differ.
#include "framework/colors.h"

#include <QLineF>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <memory>
#include <vector>

class QListWidget;

namespace framework {

class Form;

struct ControlState {
    QString text;
    OleColor fore = 0;
    bool enabled = true;  // the control's own flag (a control in a disabled frame keeps it)
    bool visible = true;  // likewise
    QRect geometry;
    static constexpr float NoTop = -1e30f;
    float top = NoTop;    // twips, as shapes keep it (NoTop: not placed in twips)
    QLineF stroke;        // a line control's stroke
    // A list's rows: the first `rowCount` of `rows`, which the states of one run share.
    std::shared_ptr<QStringList> rows;
    int rowCount = 0;
    quint64 rowsTakenAway = 0;  // the list's count of removals when the state was taken

    bool operator==(const ControlState& other) const;
};

// Every named control of a window, in the order the window made them.
// Places and sizes hold at the zoom they were taken at; at another, the window lays itself out
// from what it shows.
struct WindowState {
    double scale = 1;
    QSize size;
    std::vector<ControlState> controls;

    // What the window shows now. `previous` (a state of the same window) lends its list rows
    // where the list has only grown since, so that the states of a long run share them.
    static WindowState of(const Form& form, const WindowState* previous = nullptr);
    // Puts the window back as it was in this state. Places and sizes are put back too where
    // the state was taken at the window's zoom; true then (else the window lays itself out).
    bool restore(Form& form) const;
    // Whether the two states show the same texts, colours, states and rows, wherever they are.
    bool sameContent(const WindowState& other) const;
    // The names of the controls whose state differs (the window's own size as its name).
    QStringList differences(const WindowState& other, const Form& form) const;
};

}  // namespace framework
