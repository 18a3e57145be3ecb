#include "core/jelszomod.h"

#include "core/datam.h"
#include "core/dialogbuttons.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "db/sqltext.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace core {

namespace passwordsql {

QString check(const QString& userName)
{
    return QStringLiteral("select user_id,password,user_name from users where user_name=") + db::quote(userName)
         + QStringLiteral(" and password=md5(:par)");
}

QString change(int userId) { return QStringLiteral("update users set password=md5(:par) where user_id=%1").arg(userId); }

}  // namespace passwordsql

Tjelszom::Tjelszom(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tjelszom"));
    setWindowTitle(QStringLiteral("Change Password"));
    setAccessibleName(windowTitle());
    auto* form = new QFormLayout;
    auto field = [&](QLineEdit*& edit, const char* name, const QString& label, bool masked) {
        edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        if (masked) edit->setEchoMode(QLineEdit::Password);
        auto* l = new QLabel(label, this);
        l->setBuddy(edit);
        edit->setAccessibleName(label);
        form->addRow(l, edit);
    };
    field(user_, "Edit1", QStringLiteral("Username:"), false);
    field(old_, "Edit2", QStringLiteral("Old password:"), true);
    field(new1_, "Edit3", QStringLiteral("New password:"), true);
    field(new2_, "Edit4", QStringLiteral("New password:"), true);
    const CloseButtons closing = closeButtons(this, QStringLiteral("Save"), EnterKey::PressesOk);
    save_ = closing.ok;
    save_->setObjectName(QStringLiteral("GradBtn1"));
    cancel_ = closing.cancel;
    cancel_->setObjectName(QStringLiteral("GradBtn2"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttonRow({save_, cancel_}));
    resize(360, 190);
    connect(save_, &QPushButton::clicked, this, [this] { ment(); });
}

void Tjelszom::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    user_->setText(dm().current_user_name);
    // passwords are not kept from one change to the next
    for (QLineEdit* f : {old_, new1_, new2_}) f->clear();
    old_->setFocus();
}

bool Tjelszom::ment()
{
    Tdm& d = dm();
    try {
        const db::Dataset row = d.conn().open(passwordsql::check(user_->text()), {{QStringLiteral("par"), old_->text()}});
        if (row.isEmpty()) {
            d.uzenet(QStringLiteral("Password Error"));
            return false;
        }
        // only the logged-in user's own password; another user's row changes nothing
        if (row.row(0).toInt(QStringLiteral("user_id")) != d.current_user_id
            || row.text(0, QStringLiteral("user_name")) != d.current_user_name)
            return false;
        if (new1_->text() != new2_->text()) {
            d.uzenet(msg::passwordsDiffer);
            return false;
        }
        d.conn().exec(passwordsql::change(d.current_user_id), {{QStringLiteral("par"), new1_->text()}});
    } catch (const db::DbError& e) {
        d.showError(e);
        return false;
    }
    accept();
    return true;
}

}  // namespace core
