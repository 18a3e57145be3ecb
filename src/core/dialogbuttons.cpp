#include "core/dialogbuttons.h"

#include "core/gradbtn.h"

#include <QDialog>
#include <QHBoxLayout>

namespace core {

CloseButtons closeButtons(QDialog* dialog, const QString& okText, EnterKey enter, const QString& cancelText)
{
    CloseButtons b{new GradBtn(okText, dialog), new GradBtn(cancelText, dialog)};
    for (GradBtn* button : {b.ok, b.cancel}) {
        button->setMinimumWidth(90);
        if (enter == EnterKey::PressesNone) button->setAutoDefault(false);
    }
    if (enter == EnterKey::PressesOk) b.ok->setDefault(true);
    QObject::connect(b.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return b;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget* b : buttons) row->addWidget(b);
    return row;
}

}  // namespace core
