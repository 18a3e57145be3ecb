#include "reference/altname.h"

#include "core/artwork.h"
#include "core/datam.h"
#include "core/dialogbuttons.h"
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
    const core::CloseButtons closing = core::closeButtons(this, QStringLiteral("Ok"), core::EnterKey::PressesOk);
    ok_ = closing.ok;
    cancel_ = closing.cancel;
    connect(ok_, &QPushButton::clicked, this, &AltNameDialog::save);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(14, 14, 14, 12);
    top->addLayout(form);
    top->addStretch(1);
    top->addLayout(core::buttonRow({ok_, cancel_}));
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
