#pragma once
// The program's pictures, drawn by the program itself: splash, window
// backgrounds and toolbar glyphs.

#include <QPixmap>

namespace artwork {

QPixmap splash(const QSize& size = QSize(480, 280));
// a soft, light background for windows and panels
QPixmap background(const QSize& size);

}  // namespace artwork
