#include "reference/kormod.h"

#include "controls/csakszamedit.h"
#include "core/artwork.h"
#include "core/datam.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/pwaitform.h"
#include "db/sqltext.h"
#include "reference/formrow.h"
#include "reference/geosql.h"
#include "reference/numcheck.h"
#include "reference/pickfield.h"
#include "reference/treewindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>
#include <QVBoxLayout>

namespace reference {

Tkorm::Tkorm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tkorm"));
    setWindowTitle(QStringLiteral("Geologic Time"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);

    id_ = new QLineEdit(this);
    id_->setObjectName(QStringLiteral("kor_id"));
    id_->setEnabled(false);
    id_->setMaximumWidth(90);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("kor_nev"));
    name_->setMinimumWidth(260);
    parent_ = new PickField(QStringLiteral("the enclosing time unit"), this);
    parent_->setObjectName(QStringLiteral("kor_papa"));
    order_ = new controls::CsakszamEdit(this);
    order_->setObjectName(QStringLiteral("sorrend"));
    order_->setMaximumWidth(90);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    formRow(form, QStringLiteral("ID:"), id_, this);
    formRow(form, QStringLiteral("Geologic Time:"), name_, this);
    formRow(form, QStringLiteral("Parent:"), parent_, this);
    formRow(form, QStringLiteral("Order:"), order_, this);

    save_ = new core::GradBtn(QStringLiteral("Save"), this);
    cancel_ = new core::GradBtn(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (core::GradBtn* b : {save_, cancel_}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(90);
        buttons->addWidget(b);
    }
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(14, 14, 14, 12);
    top->addLayout(form);
    top->addStretch(1);
    top->addSpacing(8);
    top->addLayout(buttons);

    connect(save_, &QPushButton::clicked, this, &Tkorm::ment);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(parent_, &PickField::pickClicked, this, &Tkorm::pickParent);
    connect(parent_, &PickField::clearClicked, this, [this] { parent_->set(QString(), QString()); });

    QWidget* order[] = {name_, parent_->pickButton(), parent_->clearButton(), order_, save_, cancel_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Tkorm::prepare(const QString& id, const QString& parentKey, const QString& parentName)
{
    id_->setText(id);
    name_->clear();
    order_->clear();
    parent_->set(parentKey, parentName);
}

QString Tkorm::id() const { return id_->text(); }

bool Tkorm::existing() const { return !id_->text().trimmed().isEmpty(); }

void Tkorm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    betolt();
    name_->setFocus(Qt::OtherFocusReason);
}

void Tkorm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(rect(), artwork::background(size()));
}

void Tkorm::betolt()
{
    core::Tdm& dm = core::dm();
    cmd_.setConnection(&dm.conn());
    if (!existing()) return;  // the fields keep what the tree put there
    try {
        cmd_.open(korLoadSql(), {{QStringLiteral("par"), db::Value(id_->text().trimmed().toInt())}});
        if (cmd_.isEmpty()) return;
        name_->setText(cmd_.text(0, QStringLiteral("kor_nev")));
        order_->setText(cmd_.text(0, QStringLiteral("sorrend")));
        parent_->set(cmd_.text(0, QStringLiteral("kor_papa")), cmd_.text(0, QStringLiteral("pnev")));
    } catch (const db::DbError& e) {
        dm.showError(e);
    }
}

void Tkorm::pickParent()
{
    core::Tdm& dm = core::dm();
    const QString chosen = dm.kor2(parent_->id());
    if (chosen.trimmed().isEmpty()) return;
    // a time unit under itself or under one of its own descendants would leave its tree
    if (existing() && ownDescendant(cmd_, korParentsSql(), chosen, id_->text())) {
        dm.uzenet(msg::ownChild);
        return;
    }
    parent_->set(chosen, dm.kornev(chosen));
}

bool Tkorm::ment()
{
    core::Tdm& dm = core::dm();
    cmd_.setConnection(&dm.conn());
    if (name_->text().isEmpty()) {
        dm.uzenet(msg::ageEmpty);
        return false;
    }
    // the order goes into the statement as a bare whole number
    if (!db::isPlainInteger(order_->text().trimmed())) {
        dm.uzenet(notANumber(QStringLiteral("Order")));
        return false;
    }
    if (!dm.kerdes(msg::confirmSave)) return false;
    const KorRecord r{id_->text(), name_->text(), order_->text(), parent_->id()};
    try {
        core::WaitWindow wait;
        cmd_.exec(existing() ? korUpdateSql(r) : korInsertSql(r));
    } catch (const db::DbError& e) {
        dm.showError(e);
        return false;
    }
    emit saved();
    accept();
    return true;
}

}  // namespace reference
