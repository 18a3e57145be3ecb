#include "core/uzenetm.h"

#include "core/datam.h"
#include "core/gradbtn.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace core {

namespace noticesql {
const QString insert = QStringLiteral("insert into uzenofal (iro,uzenet) values (:par,:par2)");
}

Tuzenetm::Tuzenetm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tuzenetm"));
    setWindowTitle(QStringLiteral("Message"));
    setAccessibleName(windowTitle());
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Memo1"));
    text_->setAccessibleName(windowTitle());
    text_->setTabChangesFocus(true);
    write_ = new GradBtn(QStringLiteral("Write"), this);
    write_->setObjectName(QStringLiteral("GradBtn1"));
    cancel_ = new GradBtn(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("GradBtn2"));
    for (QPushButton* b : {write_, cancel_}) {
        b->setMinimumWidth(90);
        b->setAutoDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(write_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    resize(440, 260);
    connect(write_, &QPushButton::clicked, this, [this] { write(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void Tuzenetm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    text_->clear();
    text_->setFocus();
}

bool Tuzenetm::write()
{
    Tdm& d = dm();
    try {
        d.conn().exec(noticesql::insert,
                      {{QStringLiteral("par"), d.current_user_id}, {QStringLiteral("par2"), text_->toPlainText()}});
    } catch (const db::DbError& e) {
        d.showError(e);
        return false;
    }
    accept();
    return true;
}

}  // namespace core
