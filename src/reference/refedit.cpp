#include "reference/refedit.h"

#include "core/artwork.h"
#include "core/datam.h"
#include "core/dialogbuttons.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/msgbox.h"
#include "reference/formrow.h"
#include "reference/refsql.h"
#include "reference/waitfor.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace reference {

RefEdit::RefEdit(const RefDesc& desc, QWidget* parent) : QDialog(parent), d_(desc)
{
    setObjectName(d_.editClass);
    setWindowTitle(d_.editCaption);
    setAccessibleName(d_.editCaption);
    setSizeGripEnabled(true);

    auto* form = editForm();
    id_ = new QLineEdit(this);
    id_->setObjectName(QStringLiteral("id"));
    idLabel_ = formRow(form, QStringLiteral("ID:"), id_, this);
    if (d_.idField == IdField::ReadOnly) id_->setReadOnly(true);
    if (d_.idField != IdField::Typed) id_->setMaximumWidth(90);
    for (const EditField& f : d_.fields) {
        auto* e = new QLineEdit(this);
        e->setObjectName(f.column);
        e->setMinimumWidth(240);
        formRow(form, f.label, e, this);
        values_.push_back(e);
    }
    if (!d_.idVisible) {
        idLabel_->hide();
        id_->hide();
        form->setRowVisible(id_, false);
    }

    const core::CloseButtons closing = core::closeButtons(this, QStringLiteral("Ok"), core::EnterKey::PressesOk);
    ok_ = closing.ok;
    cancel_ = closing.cancel;
    connect(ok_, &QPushButton::clicked, this, &RefEdit::save);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(14, 14, 14, 12);
    top->addLayout(form);
    top->addStretch(1);
    top->addSpacing(8);
    top->addLayout(core::buttonRow({ok_, cancel_}));

    // tab order: the ID (where one types it), the values, then the buttons
    QWidget* prev = id_;
    for (QLineEdit* e : values_) {
        setTabOrder(prev, e);
        prev = e;
    }
    setTabOrder(prev, ok_);
    setTabOrder(ok_, cancel_);
}

void RefEdit::clearFields()
{
    id_->clear();
    for (QLineEdit* e : values_) e->clear();
}

void RefEdit::setRecord(const QString& id, const QStringList& values)
{
    id_->setText(id);
    for (size_t i = 0; i < values_.size(); ++i) values_[i]->setText(values.value(int(i)));
}

void RefEdit::prepareId()
{
    if (d_.idField == IdField::Disabled) id_->setEnabled(false);
}

void RefEdit::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    nameAsOpened_ = values_.front()->text().trimmed();
    idAsOpened_ = id_->text();
    // a new record with a typed key starts at the key, every other at the name
    QLineEdit* first = (d_.idField == IdField::Typed && id_->text().isEmpty()) ? id_ : values_.front();
    first->setFocus(Qt::OtherFocusReason);
}

void RefEdit::paintEvent(QPaintEvent*)
{
    artwork::paintBackground(this);
}

QString RefEdit::fieldText(int i) const
{
    return i == 0 ? id_->text() : values_.at(size_t(i - 1))->text();
}

QStringList RefEdit::fieldTexts() const
{
    QStringList out{id_->text()};
    for (QLineEdit* e : values_) out << e->text();
    return out;
}

bool RefEdit::isExisting() const
{
    // a typed key cannot tell new from existing: the key the window opened with does
    return d_.idField == IdField::Typed ? !idAsOpened_.isEmpty() : !id_->text().isEmpty();
}

void RefEdit::save()
{
    core::Tdm& dm = core::dm();
    cmd_.setConnection(&dm.conn());

    // compulsory fields, as typed (blanks count as content); every message is shown
    bool missing = false;
    for (const EmptyCheck& c : d_.emptyChecks) {
        if (fieldText(c.field).isEmpty()) {
            dm.uzenet(c.message);
            missing = true;
        }
    }
    if (missing) return;

    const bool existing = isExisting();
    if (existing && d_.reread) {
        QString stored;
        try {
            WaitFor wait(d_.rereadWait);
            cmd_.open(rereadSql(d_, id_->text()));
            stored = cmd_.isEmpty() ? QString() : cmd_.text(0, d_.nameColumn());
        } catch (const db::DbError& e) {
            // not one of the expected refusals: the general error report, the window stays
            core::showMessage(e.message());
            return;
        }
        if (stored != nameAsOpened_) {
            if (!dm.kerdes(changedQuestion(nameAsOpened_, stored))) {
                // show what is stored now; a further "Ok" compares against it
                nameAsOpened_ = stored;
                values_.front()->setText(stored);
                return;
            }
        }
    }

    if (!dm.kerdes(msg::confirmSave)) return;

    EditValues v{fieldTexts(), idAsOpened_, arg_};
    try {
        WaitFor wait(d_.saveWait);
        const Statement s = existing ? updateStatement(d_, v) : insertStatement(d_, v);
        cmd_.exec(s.sql, s.params);
    } catch (const db::DbError& e) {
        dm.showError(e);
        return;
    }
    accept();
}

}  // namespace reference
