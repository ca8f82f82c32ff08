#pragma once
// The number rules speak UTF-8 std::string; the windows speak QString.
#include "framework/numbers/value.h"

#include <QString>
#include <string>

namespace framework {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

// The display rule, as a window writes a number into a caption, box or list row.
inline QString shown(const num::Value& v) { return qs(num::display(v)); }
inline QString shownDouble(double v) { return qs(num::displayDouble(v)); }
inline QString shownWhole(long long v) { return qs(num::displayWhole(v)); }

// The Val rule of a text as typed.
inline double valOf(const QString& text) { return num::val(ss(text)); }

}  // namespace framework
