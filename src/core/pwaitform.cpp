#include "core/pwaitform.h"

#include "core/forms.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace core {

Tpwait::Tpwait(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tpwait"));
    setWindowTitle(QStringLiteral("Wait"));
    setAccessibleName(windowTitle());
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* label = new QLabel(QStringLiteral("Please wait..."), this);
    QFont f = label->font();
    f.setBold(true);
    f.setItalic(true);
    f.setPointSize(f.pointSize() + 4);
    label->setFont(f);
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    setStyleSheet(QStringLiteral("Tpwait { background: rgb(255,236,214); border: 2px solid rgb(196,132,72); }"));
    setFixedSize(240, 80);
    timer_ = new QTimer(this);
    timer_->setInterval(10);
    connect(timer_, &QTimer::timeout, this, [this] { hide(); });
}

void Tpwait::showNow()
{
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    show();
    repaint();
}

void Tpwait::enableTimer() { timer_->start(); }
bool Tpwait::timerEnabled() const { return timer_->isActive(); }

Tpwait* pwait()
{
    auto* w = Forms::get<Tpwait>(QStringLiteral("Tpwait"));
    if (!w) {
        w = new Tpwait;
        Forms::add(w);
    }
    return w;
}

}  // namespace core
