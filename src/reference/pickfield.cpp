#include "reference/pickfield.h"

#include "core/datam.h"
#include "core/gradbtn.h"

#include <QHBoxLayout>
#include <QLineEdit>

namespace reference {

PickField::PickField(const QString& what, QWidget* parent) : QWidget(parent)
{
    name_ = new QLineEdit(this);
    name_->setReadOnly(true);
    name_->setFocusPolicy(Qt::ClickFocus);
    QPalette pal = name_->palette();
    pal.setColor(QPalette::Base, QColor(246, 238, 228));
    name_->setPalette(pal);
    pick_ = new core::GradBtn(QStringLiteral("..."), this);
    clear_ = new core::GradBtn(QStringLiteral("X"), this);
    for (core::GradBtn* b : {pick_, clear_}) {
        b->setFixedSize(26, 24);
        b->setAutoDefault(false);
    }
    pick_->setToolTip(QStringLiteral("Choose %1").arg(what));
    pick_->setAccessibleName(QStringLiteral("Choose %1").arg(what));
    clear_->setToolTip(QStringLiteral("Clear %1").arg(what));
    clear_->setAccessibleName(QStringLiteral("Clear %1").arg(what));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    row->addWidget(name_, 1);
    row->addWidget(pick_);
    row->addWidget(clear_);
    connect(pick_, &QPushButton::clicked, this, &PickField::pickClicked);
    connect(clear_, &QPushButton::clicked, this, &PickField::clearClicked);
    setFocusProxy(pick_);
}

QString PickField::name() const { return name_->text(); }
void PickField::setName(const QString& name)
{
    name_->setText(name);
    name_->setCursorPosition(0);
}

void pickCountry(PickField* field)
{
    core::Tdm& dm = core::dm();
    const int id = dm.orszagtorzs(field->id().trimmed().toInt());
    field->set(QString::number(id), dm.orszagnev(id));
}

void pickCity(PickField* field)
{
    core::Tdm& dm = core::dm();
    const int id = dm.varostorzs(field->id().trimmed().toInt());
    field->set(QString::number(id), dm.varosnev(id));
}

void clearToZero(PickField* field)
{
    if (!core::dm().jogell(QStringLiteral("D"))) return;
    field->set(QStringLiteral("0"), QString());
}

}  // namespace reference
