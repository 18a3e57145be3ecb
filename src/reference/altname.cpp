#include "reference/altname.h"

#include "core/artwork.h"
#include "core/datam.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "reference/formrow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace reference {

AltNameDialog::AltNameDialog(Config config, QWidget* parent) : QDialog(parent), config_(std::move(config))
{
    setObjectName(config_.className);
    setWindowTitle(config_.caption);
    setAccessibleName(config_.caption);
    setSizeGripEnabled(true);
    name_ = new QLineEdit(this);
    name_->setMinimumWidth(260);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    formRow(form, config_.label, name_, this);
    ok_ = new core::GradBtn(QStringLiteral("Ok"), this);
    cancel_ = new core::GradBtn(QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    for (core::GradBtn* b : {ok_, cancel_}) b->setMinimumWidth(90);
    connect(ok_, &QPushButton::clicked, this, &AltNameDialog::save);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(14, 14, 14, 12);
    top->addLayout(form);
    top->addStretch(1);
    top->addLayout(buttons);
    resize(380, 120);
}

void AltNameDialog::paintEvent(QPaintEvent*)
{
    artwork::paintBackground(this);
}

void AltNameDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    name_->clear();
    name_->setFocus(Qt::OtherFocusReason);
}

void AltNameDialog::save()
{
    core::Tdm& dm = core::dm();
    if (name_->text().isEmpty()) {
        dm.uzenet(config_.emptyMessage);
        return;
    }
    if (!dm.kerdes(msg::confirmSave)) return;
    cmd_.setConnection(&dm.conn());
    try {
        cmd_.exec(config_.insertSql(name_->text(), owner_));
    } catch (const db::DbError& err) {
        dm.showError(err);  // the dialog stays open with the name
        return;
    }
    accept();
}

}  // namespace reference
