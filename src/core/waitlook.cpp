#include "core/waitlook.h"

#include <QDialog>
#include <QLabel>

namespace core {

void setWaitWindowLook(QDialog* window)
{
    window->setWindowFlags(Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setStyleSheet(QStringLiteral("#%1 { background: rgb(255,236,214); border: 2px solid rgb(196,132,72); }")
                              .arg(window->objectName()));
}

QLabel* pleaseWaitLabel(QWidget* parent)
{
    auto* label = new QLabel(QStringLiteral("Please wait..."), parent);
    QFont f = label->font();
    f.setBold(true);
    f.setItalic(true);
    f.setPointSize(f.pointSize() + 4);
    label->setFont(f);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace core
