#include "framework/colors.h"

#include <QApplication>
#include <QPalette>

namespace framework {

QColor toQColor(OleColor value)
{
    if (value & 0x80000000u) {
        const QPalette pal = QApplication::palette();
        switch (value & 0xFFu) {
        case 0x05: return pal.color(QPalette::Base);
        case 0x08: return pal.color(QPalette::WindowText);
        case 0x0C: return QColor(0xAB, 0xAB, 0xAB);
        case 0x0F: return pal.color(QPalette::Button);
        case 0x12: return pal.color(QPalette::ButtonText);
        default: return pal.color(QPalette::WindowText);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

}  // namespace framework
