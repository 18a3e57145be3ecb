#include "core/pwaitform.h"

#include "core/datam.h"
#include "core/forms.h"
#include "core/style.h"
#include "core/waitlook.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace core {

namespace {

// our own hourglass picture
QPixmap hourglass(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size, m = size * 0.18;
    p.setPen(QPen(style::gradientBorder, size / 16.0));
    p.setBrush(style::gradientFrom);
    QPainterPath glass;
    glass.moveTo(m, m);
    glass.lineTo(w - m, m);
    glass.lineTo(w / 2 + size * 0.05, w / 2);
    glass.lineTo(w - m, w - m);
    glass.lineTo(m, w - m);
    glass.lineTo(w / 2 - size * 0.05, w / 2);
    glass.closeSubpath();
    p.drawPath(glass);
    // the sand: a little left on top, a heap below
    p.setPen(Qt::NoPen);
    p.setBrush(style::waitBar);
    QPainterPath top;
    top.moveTo(m + size * 0.12, m + size * 0.12);
    top.lineTo(w - m - size * 0.12, m + size * 0.12);
    top.lineTo(w / 2, w / 2 - size * 0.04);
    top.closeSubpath();
    p.drawPath(top);
    QPainterPath heap;
    heap.moveTo(m + size * 0.06, w - m - size * 0.03);
    heap.lineTo(w - m - size * 0.06, w - m - size * 0.03);
    heap.lineTo(w / 2, w - m - size * 0.22);
    heap.closeSubpath();
    p.drawPath(heap);
    p.setPen(QPen(style::gradientBorder, size / 12.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(m - size * 0.04, m), QPointF(w - m + size * 0.04, m));
    p.drawLine(QPointF(m - size * 0.04, w - m), QPointF(w - m + size * 0.04, w - m));
    return pm;
}

}  // namespace

Tpwait::Tpwait(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tpwait"));
    setWindowTitle(QStringLiteral("Wait"));
    setAccessibleName(windowTitle());
    setWaitWindowLook(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(hourglass(48));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(pleaseWaitLabel(this), 1);
    setFixedSize(260, 80);
    timer_ = new QTimer(this);
    timer_->setInterval(10);
    connect(timer_, &QTimer::timeout, this, &Tpwait::tick);
}

void Tpwait::showNow()
{
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    show();
    repaint();
}

void Tpwait::tick()
{
    // A statement's wait serves timers so that windows keep painting; the work it
    // belongs to has not ended, so that is not yet the return to the event loop.
    if (hasDm() && dm().conn().busy()) return;
    hide();
}

void Tpwait::enableTimer() { timer_->start(); }
bool Tpwait::timerEnabled() const { return timer_->isActive(); }

Tpwait* pwait()
{
    return Forms::ensure<Tpwait>(QStringLiteral("Tpwait"));
}

}  // namespace core
