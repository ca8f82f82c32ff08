#pragma once
// The program's own pictures, drawn in code so they scale with the screen.
#include <QIcon>

class QPainter;
class QRect;

namespace shell {

QIcon programIcon();
// The About window's title card.
void paintTitlePicture(QPainter& painter, const QRect& area);

}  // namespace shell
