#include "core/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

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

}  // namespace artwork
