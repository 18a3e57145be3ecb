#include "controls/keplet.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace controls {

Tkeplet::Tkeplet(QWidget* parent) : Tkeplet(QString(), parent) {}

Tkeplet::Tkeplet(const QString& szoveg, QWidget* parent) : QWidget(parent), szoveg_(szoveg)
{
    resize(20, 20);
    relayout();
}

void Tkeplet::setSzoveg(const QString& text)
{
    szoveg_ = text;
    relayout();
    repaint();
}

void Tkeplet::relayout()
{
    // The base size follows the screen's resolution; the height is twice the line
    // height of the unscaled font, the width the end of the last run.
    const QtKepletMetrics metrics(font(), this);
    const int base = roundHalfEven(fontPointSize(font()) * logicalDpiY() / 96.0);
    layout_ = layoutKeplet(szoveg_, base, font().family(), metrics, {false, 0.75, 1});
    setAccessibleName(kepletPlain(szoveg_));
    const int height = 2 * QFontMetrics(font(), this).height();
    setFixedSize(layout_.endX, height);
    updateGeometry();
}

QSize Tkeplet::sizeHint() const { return {layout_.endX, 2 * QFontMetrics(font(), this).height()}; }

void Tkeplet::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    paintKeplet(p, rect(), layout_, font());
}

void Tkeplet::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        relayout();
        update();
    }
}

}  // namespace controls
