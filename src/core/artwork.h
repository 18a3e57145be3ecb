#pragma once
// The program's pictures, drawn by the program itself: splash, window
// backgrounds and toolbar glyphs.

#include <QPixmap>

class QWidget;

namespace artwork {

QPixmap splash(const QSize& size = QSize(480, 280));
// a soft, light background for windows and panels
QPixmap background(const QSize& size);
// paints the background over the whole of a window (from its paintEvent)
void paintBackground(QWidget* window);

// the pictures of the main window's toolbar and of the notice board
enum class Glyph { Samples, BasicData, Options, Exit, Delete };
QPixmap glyph(Glyph which, int size);
// the notice board's own background: paper on the window's background
QPixmap boardBackground(const QSize& size);

}  // namespace artwork
