#include "reference/kormod.h"

#include "controls/csakszamedit.h"
#include "core/datam.h"
#include "core/dialogbuttons.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/pwaitform.h"
#include "db/sqltext.h"
#include "reference/formrow.h"
#include "reference/geosql.h"
#include "reference/numcheck.h"
#include "reference/pickfield.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace reference {

Tkorm::Tkorm(QWidget* parent)
    : TreeEditDialog(QStringLiteral("Tkorm"), QStringLiteral("Geologic Time"),
                     {QStringLiteral("kor2"), [](const QString& key) { return core::dm().kornev(key); }, korParentsSql()},
                     parent)
{
    idEdit()->setObjectName(QStringLiteral("kor_id"));
    nameEdit()->setObjectName(QStringLiteral("kor_nev"));
    parentField()->setObjectName(QStringLiteral("kor_papa"));
    order_ = new controls::CsakszamEdit(this);
    order_->setObjectName(QStringLiteral("sorrend"));
    order_->setMaximumWidth(90);

    auto* form = editForm();
    formRow(form, QStringLiteral("ID:"), idEdit(), this);
    formRow(form, QStringLiteral("Geologic Time:"), nameEdit(), this);
    formRow(form, QStringLiteral("Parent:"), parentField(), this);
    formRow(form, QStringLiteral("Order:"), order_, this);

    const core::CloseButtons closing = core::closeButtons(this, QStringLiteral("Save"), core::EnterKey::PressesNone);
    save_ = closing.ok;
    cancel_ = closing.cancel;
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(14, 14, 14, 12);
    top->addLayout(form);
    top->addStretch(1);
    top->addSpacing(8);
    top->addLayout(core::buttonRow({save_, cancel_}));

    connect(save_, &QPushButton::clicked, this, &Tkorm::ment);

    QWidget* order[] = {nameEdit(), parentField()->pickButton(), parentField()->clearButton(), order_, save_, cancel_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Tkorm::prepare(const QString& id, const QString& parentKey, const QString& parentName)
{
    TreeEditDialog::prepare(id, parentKey, parentName);
    nameEdit()->clear();
    order_->clear();
}

void Tkorm::betolt()
{
    core::Tdm& dm = core::dm();
    cmd_.setConnection(&dm.conn());
    if (!existing()) return;  // the fields keep what the tree put there
    try {
        cmd_.open(korLoadSql(), {{QStringLiteral("par"), db::Value(id().trimmed().toInt())}});
        if (cmd_.isEmpty()) return;
        nameEdit()->setText(cmd_.text(0, QStringLiteral("kor_nev")));
        order_->setText(cmd_.text(0, QStringLiteral("sorrend")));
        parentField()->set(cmd_.text(0, QStringLiteral("kor_papa")), cmd_.text(0, QStringLiteral("pnev")));
    } catch (const db::DbError& e) {
        dm.showError(e);
    }
}

bool Tkorm::ment()
{
    core::Tdm& dm = core::dm();
    cmd_.setConnection(&dm.conn());
    if (nameEdit()->text().isEmpty()) {
        dm.uzenet(msg::ageEmpty);
        return false;
    }
    // the order goes into the statement as a bare whole number
    if (!db::isPlainInteger(order_->text().trimmed())) {
        dm.uzenet(notANumber(QStringLiteral("Order")));
        return false;
    }
    if (!dm.kerdes(msg::confirmSave)) return false;
    const KorRecord r{id(), nameEdit()->text(), order_->text(), parentField()->id()};
    try {
        core::WaitWindow wait;
        cmd_.exec(existing() ? korUpdateSql(r) : korInsertSql(r));
    } catch (const db::DbError& e) {
        dm.showError(e);
        return false;
    }
    markSaved();
    accept();
    return true;
}

}  // namespace reference
