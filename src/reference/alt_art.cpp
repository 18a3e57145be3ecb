#include "reference/alt_art.h"

#include "core/artwork.h"
#include "core/datam.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "reference/artsql.h"
#include "reference/formrow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>
#include <QVBoxLayout>

namespace reference {

Talt_art::Talt_art(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Talt_art"));
    setWindowTitle(QStringLiteral("Alternative name"));
    setAccessibleName(windowTitle());

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("art_name"));
    name_->setMinimumWidth(260);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    formRow(form, QStringLiteral("Art.name:"), name_, this);

    ok_ = new core::GradBtn(QStringLiteral("Ok"), this);
    cancel_ = new core::GradBtn(QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    for (auto* b : {ok_, cancel_}) b->setMinimumWidth(90);
    connect(ok_, &QPushButton::clicked, this, &Talt_art::save);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(14, 14, 14, 12);
    top->addLayout(form);
    top->addSpacing(8);
    top->addLayout(buttons);
}

void Talt_art::setArtefact(const QString& artId)
{
    artId_ = artId;
    name_->clear();
}

void Talt_art::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) name_->setFocus(Qt::OtherFocusReason);
}

void Talt_art::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(rect(), artwork::background(size()));
}

void Talt_art::save()
{
    core::Tdm& dm = core::dm();
    if (name_->text().isEmpty()) {
        dm.uzenet(msg::artNameEmpty);
        return;
    }
    if (!dm.kerdes(msg::confirmSave)) return;
    cmd_.setConnection(&dm.conn());
    try {
        cmd_.exec(altInsertSql(name_->text(), artId_));
    } catch (const db::DbError& e) {
        dm.showError(e);  // the dialog stays open with the name
        return;
    }
    accept();
}

}  // namespace reference
