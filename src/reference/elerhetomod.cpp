#include "reference/elerhetomod.h"

#include "core/artwork.h"
#include "core/datam.h"
#include "core/dialogbuttons.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/pwaitform.h"
#include "db/sqltext.h"
#include "reference/formrow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace reference {

using db::quote;

QString contactMissing(const QString& type, const QString& value)
{
    QString out;
    if (type.isEmpty()) out += msg::availabilityTypeMissing + QLatin1Char('\r');
    if (value.isEmpty()) out += msg::availabilityMissing + QLatin1Char('\r');
    return out;
}

QString contactUpdateSql(const QString& contactId, const QString& type, const QString& value)
{
    return QStringLiteral("update elerheto set eler_megnev=") + quote(type) + QStringLiteral(",eler=") +
           quote(value) + QStringLiteral(" where eler_kod=") + db::sqlKey(contactId);
}

QString contactInsertSql(const QString& personId, const QString& type, const QString& value)
{
    return QStringLiteral("insert into elerheto (nev_kod,eler_megnev,eler) values (") + db::sqlKey(personId) +
           QLatin1Char(',') + quote(type) + QLatin1Char(',') + quote(value) + QLatin1Char(')');
}

Telerhetom::Telerhetom(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Telerhetom"));
    setWindowTitle(QStringLiteral("Availability(Edit)"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);

    type_ = new QComboBox(this);
    type_->setEditable(true);
    type_->setInsertPolicy(QComboBox::NoInsert);
    type_->addItems({QStringLiteral("Phone(Home)"), QStringLiteral("Phone(Work)"), QStringLiteral("Mobil(Work)"),
                     QStringLiteral("Email(Home)"), QStringLiteral("Email(Work)")});
    value_ = new QLineEdit(this);
    value_->setMinimumWidth(240);
    auto* form = editForm();
    formRow(form, QStringLiteral("Availability Type :"), type_, this);
    formRow(form, QStringLiteral("Availability :"), value_, this);

    const core::CloseButtons closing = core::closeButtons(this, QStringLiteral("Ok"), core::EnterKey::PressesOk);
    ok_ = closing.ok;
    cancel_ = closing.cancel;
    connect(ok_, &QPushButton::clicked, this, &Telerhetom::save);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(14, 14, 14, 12);
    top->addLayout(form);
    top->addStretch(1);
    top->addLayout(core::buttonRow({ok_, cancel_}));
    resize(400, 150);
}

void Telerhetom::setContact(const QString& contactId, const QString& personId)
{
    contactId_ = contactId;
    personId_ = personId;
}

void Telerhetom::paintEvent(QPaintEvent*)
{
    artwork::paintBackground(this);
}

void Telerhetom::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    core::Tdm& dm = core::dm();
    cmd_.setConnection(&dm.conn());
    type_->setEditText(QString());
    value_->clear();
    if (!contactId_.trimmed().isEmpty()) {
        try {
            core::WaitWindow wait;
            cmd_.open(QStringLiteral("select eler_megnev,eler from elerheto where eler_kod=") + db::sqlKey(contactId_));
            if (!cmd_.isEmpty()) {
                type_->setEditText(cmd_.text(0, QStringLiteral("eler_megnev")));
                value_->setText(cmd_.text(0, QStringLiteral("eler")));
            }
        } catch (const db::DbError& err) {
            dm.showError(err);
        }
    }
    type_->setFocus(Qt::OtherFocusReason);
}

void Telerhetom::save()
{
    core::Tdm& dm = core::dm();
    const QString type = type_->currentText();
    const QString value = value_->text();
    const QString missing = contactMissing(type, value);
    if (!missing.isEmpty()) {
        dm.uzenet(missing);
        return;
    }
    if (!dm.kerdes(msg::confirmSave)) return;
    try {
        cmd_.exec(contactId_.trimmed().isEmpty() ? contactInsertSql(personId_, type, value)
                                                 : contactUpdateSql(contactId_, type, value));
    } catch (const db::DbError& err) {
        dm.showError(err);
        return;
    }
    accept();
}

}  // namespace reference
