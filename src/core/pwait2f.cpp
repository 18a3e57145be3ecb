#include "core/pwait2f.h"

#include "core/forms.h"
#include "core/style.h"
#include "core/waitlook.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace core {

WaitBarPanel::WaitBarPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    timer_ = new QTimer(this);
    timer_->setInterval(25);
    connect(timer_, &QTimer::timeout, this, &WaitBarPanel::advance);
}

int WaitBarPanel::step() const { return contentsRect().width() / 50; }

void WaitBarPanel::start()
{
    // one animation at a time: a second start restarts it instead of adding another
    phase_ = 0;
    left_ = right_ = 0;
    timer_->start();
}

void WaitBarPanel::stop()
{
    timer_->stop();
    update();
}

bool WaitBarPanel::running() const { return timer_->isActive(); }

void WaitBarPanel::advance()
{
    const int w = contentsRect().width();
    const int s = step();
    switch (phase_) {
    case 0:
        right_ += s;
        if (right_ > w) { right_ = w; phase_ = 1; }
        break;
    case 1:
        left_ += s;
        if (left_ >= right_) { left_ = right_; phase_ = 2; }
        break;
    case 2:
        left_ -= s;
        if (left_ <= 0) { left_ = 0; phase_ = 3; }
        break;
    default:
        right_ -= s;
        if (right_ <= 0) { right_ = 0; phase_ = 0; }
        break;
    }
    update();
}

void WaitBarPanel::paintEvent(QPaintEvent* e)
{
    QFrame::paintEvent(e);
    if (!running()) return;
    QPainter p(this);
    const QRect r = contentsRect();
    p.fillRect(r, palette().window());
    p.fillRect(QRect(r.left() + left_, r.top(), right_ - left_, r.height()), style::waitBar);
    ++frames_;
}

Tpwait2::Tpwait2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tpwait2"));
    setWindowTitle(QStringLiteral("Please wait..."));
    setAccessibleName(windowTitle());
    setWaitWindowLook(this);
    QLabel* label = pleaseWaitLabel(this);
    panel_ = new WaitBarPanel(this);
    panel_->setFixedHeight(22);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->addWidget(label);
    layout->addWidget(panel_);
    setFixedWidth(300);
    fitHeight();
}

void Tpwait2::fitHeight()
{
    // the window ends 10 pixels below the panel
    resize(width(), sizeHint().height());
    layout()->activate();
    setFixedHeight(panel_->geometry().bottom() + 1 + 10);
}

Tpwait2* pwait2()
{
    return Forms::ensure<Tpwait2>(QStringLiteral("Tpwait2"));
}

}  // namespace core
