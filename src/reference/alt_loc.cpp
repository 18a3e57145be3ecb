#include "reference/alt_loc.h"

#include "core/artwork.h"
#include "core/datam.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "db/sqltext.h"
#include "reference/formrow.h"
#include "reference/keytext.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>
#include <QVBoxLayout>

namespace reference {

QString altNameInsertSql(const QString& name, const QString& localityId)
{
    return QStringLiteral("insert into loc_nev (loc_name,locality_id) values (") + db::quote(name.trimmed()) +
           QLatin1Char(',') + keyText(localityId) + QLatin1Char(')');
}

Talt_loc::Talt_loc(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Talt_loc"));
    setWindowTitle(QStringLiteral("Alternative locality name"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);
    name_ = new QLineEdit(this);
    name_->setMinimumWidth(260);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    formRow(form, QStringLiteral("Loc.Name:"), name_, this);
    ok_ = new core::GradBtn(QStringLiteral("Ok"), this);
    cancel_ = new core::GradBtn(QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    for (core::GradBtn* b : {ok_, cancel_}) b->setMinimumWidth(90);
    connect(ok_, &QPushButton::clicked, this, &Talt_loc::save);
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

void Talt_loc::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(rect(), artwork::background(size()));
}

void Talt_loc::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    name_->clear();
    name_->setFocus(Qt::OtherFocusReason);
}

void Talt_loc::save()
{
    core::Tdm& dm = core::dm();
    if (name_->text().isEmpty()) {
        dm.uzenet(msg::localityNameMissing);
        return;
    }
    if (!dm.kerdes(msg::confirmSave)) return;
    cmd_.setConnection(&dm.conn());
    try {
        cmd_.exec(altNameInsertSql(name_->text(), localityId_));
    } catch (const db::DbError& err) {
        dm.showError(err);
        return;
    }
    accept();
}

}  // namespace reference
