#include "core/gradbtn.h"

#include "core/style.h"

#include <QEnterEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionButton>

namespace core {

GradBtn::GradBtn(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setAccessibleName(text);
    setMinimumHeight(26);
    setCursor(Qt::PointingHandCursor);
}

void GradBtn::setText(const QString& text)
{
    QPushButton::setText(text);
    setAccessibleName(text);
}

void GradBtn::setFlat(bool flat) { QPushButton::setFlat(flat); }

void GradBtn::enterEvent(QEnterEvent* e)
{
    hover_ = true;
    update();
    QPushButton::enterEvent(e);
}

void GradBtn::leaveEvent(QEvent* e)
{
    hover_ = false;
    update();
    QPushButton::leaveEvent(e);
}

void GradBtn::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool down = isDown() || isChecked();
    if (!isFlat() || hover_ || down) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        QColor top = style::gradientFrom, bottom = style::gradientTo;
        if (!isEnabled()) {
            top = QColor(240, 240, 240);
            bottom = QColor(214, 214, 214);
        } else if (down) {
            std::swap(top, bottom);
        } else if (hover_) {
            top = top.lighter(104);
            bottom = bottom.lighter(108);
        }
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.setBrush(g);
        p.setPen(QPen(isEnabled() ? style::gradientBorder : QColor(170, 170, 170), hasFocus() ? 1.6 : 1.0));
        p.drawRoundedRect(r, 3, 3);
    }
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QRect content = rect().adjusted(4, 2, -4, -2);
    QRect textRect = content;
    if (!icon().isNull()) {
        const QSize is = iconSize();
        const QPixmap pm = icon().pixmap(is, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        const int textW = text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(text()) + 4;
        const int x = content.left() + (content.width() - is.width() - textW) / 2;
        p.drawPixmap(x, content.top() + (content.height() - is.height()) / 2, pm);
        textRect.setLeft(x + is.width() + 4);
        textRect.setWidth(textW);
    }
    p.setPen(isEnabled() ? QColor(40, 24, 8) : QColor(140, 140, 140));
    p.setFont(font());
    if (down) textRect.translate(1, 1);
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

GradLabel::GradLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setMinimumHeight(20);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setAccessibleName(text);
}

void GradLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, style::gradientFrom);
    g.setColorAt(1, style::gradientTo);
    p.fillRect(rect(), g);
    p.setPen(style::gradientBorder);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(QColor(40, 24, 8));
    p.setFont(font());
    p.drawText(rect().adjusted(6, 0, -6, 0), int(alignment() == Qt::AlignLeft ? (Qt::AlignLeft | Qt::AlignVCenter) : alignment()), text());
}

}  // namespace core
