#include "core/uzenetm.h"

#include "core/datam.h"
#include "core/dialogbuttons.h"
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
    const CloseButtons closing = closeButtons(this, QStringLiteral("Write"), EnterKey::PressesNone);
    write_ = closing.ok;
    write_->setObjectName(QStringLiteral("GradBtn1"));
    cancel_ = closing.cancel;
    cancel_->setObjectName(QStringLiteral("GradBtn2"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttonRow({write_, cancel_}));
    resize(440, 260);
    connect(write_, &QPushButton::clicked, this, [this] { write(); });
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
