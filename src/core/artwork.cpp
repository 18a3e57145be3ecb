#include "core/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QWidget>

namespace artwork {

QPixmap splash(const QSize& size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(255, 240, 222));
    g.setColorAt(1, QColor(240, 180, 120));
    p.fillRect(pm.rect(), g);
    // three stones, stacked like a cairn
    const QColor stones[] = {QColor(120, 104, 92), QColor(150, 128, 108), QColor(96, 88, 84)};
    const QRectF shapes[] = {QRectF(60, 170, 150, 70), QRectF(85, 118, 110, 58), QRectF(105, 78, 70, 44)};
    for (int i = 0; i < 3; ++i) {
        QRadialGradient rg(shapes[i].center() - QPointF(shapes[i].width() / 5, shapes[i].height() / 4),
                           shapes[i].width() * 0.7);
        rg.setColorAt(0, stones[i].lighter(150));
        rg.setColorAt(1, stones[i]);
        p.setBrush(rg);
        p.setPen(QPen(stones[i].darker(140), 1.5));
        p.drawEllipse(shapes[i]);
    }
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(56);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(90, 52, 20));
    p.drawText(QRect(230, 80, size.width() - 240, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Saxora"));
    f.setPixelSize(16);
    f.setBold(false);
    f.setItalic(true);
    p.setFont(f);
    p.drawText(QRect(232, 150, size.width() - 240, 60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Stone samples, their investigations\nand the literature that cites them"));
    p.setPen(QPen(QColor(196, 132, 72), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pm.rect().adjusted(1, 1, -2, -2));
    return pm;
}

QPixmap background(const QSize& size)
{
    QPixmap pm(size.expandedTo(QSize(1, 1)));
    QPainter p(&pm);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, QColor(253, 246, 238));
    g.setColorAt(1, QColor(246, 226, 204));
    p.fillRect(pm.rect(), g);
    return pm;
}

void paintBackground(QWidget* window)
{
    QPainter p(window);
    p.drawPixmap(window->rect(), background(window->size()));
}

}  // namespace artwork

namespace artwork {
namespace {

void drawStones(QPainter& p, qreal s)
{
    const QColor colours[] = {QColor(128, 110, 96), QColor(164, 138, 112), QColor(98, 90, 86)};
    const QRectF shapes[] = {QRectF(0.08 * s, 0.56 * s, 0.84 * s, 0.36 * s),
                             QRectF(0.20 * s, 0.30 * s, 0.60 * s, 0.32 * s),
                             QRectF(0.32 * s, 0.08 * s, 0.36 * s, 0.26 * s)};
    for (int i = 0; i < 3; ++i) {
        QRadialGradient g(shapes[i].center() - QPointF(shapes[i].width() / 5, shapes[i].height() / 4),
                          shapes[i].width() * 0.7);
        g.setColorAt(0, colours[i].lighter(155));
        g.setColorAt(1, colours[i]);
        p.setBrush(g);
        p.setPen(QPen(colours[i].darker(150), s / 32));
        p.drawEllipse(shapes[i]);
    }
}

void drawCards(QPainter& p, qreal s)
{
    // three index cards fanned out, the front one lined
    const QColor edge(120, 84, 44);
    for (int i = 2; i >= 0; --i) {
        p.save();
        p.translate(0.5 * s, 0.55 * s);
        p.rotate(-12 + 12 * i);
        const QRectF card(-0.36 * s, -0.30 * s, 0.72 * s, 0.52 * s);
        p.setPen(QPen(edge, s / 32));
        p.setBrush(i == 0 ? QColor(255, 250, 238) : QColor(250, 226, 190).darker(100 + 6 * i));
        p.drawRoundedRect(card, s / 24, s / 24);
        if (i == 0) {
            p.setPen(QPen(QColor(196, 132, 72), s / 40));
            for (int l = 0; l < 4; ++l) {
                const qreal y = card.top() + 0.12 * s + l * 0.09 * s;
                p.drawLine(QPointF(card.left() + 0.07 * s, y), QPointF(card.right() - 0.07 * s, y));
            }
        }
        p.restore();
    }
}

void drawGear(QPainter& p, qreal s)
{
    const QPointF c(0.5 * s, 0.5 * s);
    QPainterPath teeth;
    const int n = 8;
    for (int i = 0; i < n; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(360.0 * i / n);
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-0.08 * s, -0.46 * s, 0.16 * s, 0.2 * s), s / 40, s / 40);
        teeth.addPath(t.map(tooth));
    }
    QPainterPath body;
    body.addEllipse(c, 0.32 * s, 0.32 * s);
    QPainterPath hole;
    hole.addEllipse(c, 0.12 * s, 0.12 * s);
    const QPainterPath gear = teeth.united(body).subtracted(hole);
    QLinearGradient g(0, 0, s, s);
    g.setColorAt(0, QColor(214, 200, 186));
    g.setColorAt(1, QColor(120, 104, 92));
    p.setBrush(g);
    p.setPen(QPen(QColor(84, 70, 60), s / 32));
    p.drawPath(gear);
}

void drawExit(QPainter& p, qreal s)
{
    // a door ajar with an arrow leaving through it
    p.setPen(QPen(QColor(96, 60, 28), s / 28));
    p.setBrush(QColor(236, 220, 196));
    p.drawRect(QRectF(0.18 * s, 0.10 * s, 0.46 * s, 0.80 * s));
    QPolygonF door;
    door << QPointF(0.18 * s, 0.10 * s) << QPointF(0.46 * s, 0.18 * s) << QPointF(0.46 * s, 0.96 * s)
         << QPointF(0.18 * s, 0.90 * s);
    QLinearGradient g(0, 0, s, 0);
    g.setColorAt(0, QColor(196, 132, 72));
    g.setColorAt(1, QColor(150, 92, 40));
    p.setBrush(g);
    p.drawPolygon(door);
    p.setBrush(QColor(60, 40, 20));
    p.drawEllipse(QPointF(0.40 * s, 0.55 * s), s / 30, s / 30);
    QPainterPath arrow;
    arrow.moveTo(0.56 * s, 0.50 * s);
    arrow.lineTo(0.80 * s, 0.50 * s);
    arrow.lineTo(0.80 * s, 0.40 * s);
    arrow.lineTo(0.96 * s, 0.55 * s);
    arrow.lineTo(0.80 * s, 0.70 * s);
    arrow.lineTo(0.80 * s, 0.60 * s);
    arrow.lineTo(0.56 * s, 0.60 * s);
    arrow.closeSubpath();
    p.setBrush(QColor(200, 60, 40));
    p.setPen(QPen(QColor(130, 30, 20), s / 40));
    p.drawPath(arrow);
}

void drawDelete(QPainter& p, qreal s)
{
    p.setPen(QPen(QColor(180, 40, 30), s / 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0.25 * s, 0.25 * s), QPointF(0.75 * s, 0.75 * s));
    p.drawLine(QPointF(0.75 * s, 0.25 * s), QPointF(0.25 * s, 0.75 * s));
}

}  // namespace

QPixmap glyph(Glyph which, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case Glyph::Samples: drawStones(p, size); break;
    case Glyph::BasicData: drawCards(p, size); break;
    case Glyph::Options: drawGear(p, size); break;
    case Glyph::Exit: drawExit(p, size); break;
    case Glyph::Delete: drawDelete(p, size); break;
    }
    return pm;
}

QPixmap boardBackground(const QSize& size)
{
    QPixmap pm(size.expandedTo(QSize(1, 1)));
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(255, 252, 246));
    g.setColorAt(1, QColor(250, 238, 222));
    p.fillRect(pm.rect(), g);
    return pm;
}

}  // namespace artwork
