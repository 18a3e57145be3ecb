#include "samples/idfield.h"

#include "core/gradbtn.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace samples {

IdField::IdField(const QString& label, int buttons, QWidget* parent) : QWidget(parent)
{
    label_ = new QLabel(label, parent);
    name_ = new QLineEdit(this);
    name_->setReadOnly(true);
    name_->setAccessibleName(label);
    label_->setBuddy(name_);
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(2);
    h->addWidget(name_, 1);
    // the small buttons read as what they do, with the field they act on
    auto small = [&](const QString& glyph, const QString& what, const QString& tip) {
        auto* b = new core::GradBtn(glyph, this);
        b->setAutoDefault(false);
        b->setFixedSize(24, 22);
        b->setToolTip(tip);
        b->setAccessibleName(what + QLatin1Char(' ') + label);
        h->addWidget(b);
        return b;
    };
    if (buttons & Pick) {
        pick_ = small(QStringLiteral("..."), QStringLiteral("Pick"), QStringLiteral("Choose from the list"));
        connect(pick_, &QPushButton::clicked, this, &IdField::pickClicked);
    }
    if (buttons & Show) {
        show_ = small(QStringLiteral("?"), QStringLiteral("Show"), QStringLiteral("Show the record"));
        connect(show_, &QPushButton::clicked, this, &IdField::showClicked);
    }
    if (buttons & Clear) {
        clear_ = small(QStringLiteral("X"), QStringLiteral("Clear"), QStringLiteral("Clear"));
        connect(clear_, &QPushButton::clicked, this, &IdField::clearClicked);
    }
}

QString IdField::name() const { return name_->text(); }

void IdField::setName(const QString& name)
{
    name_->setText(name);
    name_->setCursorPosition(0);
}

QLineEdit* readOnlyBox(const QString& label, QLabel** labelOut, QWidget* parent)
{
    auto* l = new QLabel(label, parent);
    auto* e = new QLineEdit(parent);
    e->setReadOnly(true);
    e->setAccessibleName(label);
    l->setBuddy(e);
    if (labelOut) *labelOut = l;
    return e;
}

}  // namespace samples
