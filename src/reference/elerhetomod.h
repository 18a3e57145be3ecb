#pragma once
// The contact dialog Telerhetom ("Availability(Edit)"): one phone number or
// e-mail address of a person. The person editor sets the contact's key (empty for
// a new contact) and the person's key before showing it.

#include "db/query.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace core { class GradBtn; }

namespace reference {

// the compulsory-field messages, each followed by a carriage return
QString contactMissing(const QString& type, const QString& value);
QString contactUpdateSql(const QString& contactId, const QString& type, const QString& value);
QString contactInsertSql(const QString& personId, const QString& type, const QString& value);

class Telerhetom : public QDialog {
    Q_OBJECT
public:
    explicit Telerhetom(QWidget* parent = nullptr);

    void setContact(const QString& contactId, const QString& personId);
    const QString& contactId() const { return contactId_; }
    const QString& personId() const { return personId_; }

    QComboBox* type() const { return type_; }
    QLineEdit* value() const { return value_; }
    core::GradBtn* okButton() const { return ok_; }
    core::GradBtn* cancelButton() const { return cancel_; }

    void save();

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QString contactId_;
    QString personId_;
    QComboBox* type_;
    QLineEdit* value_;
    core::GradBtn* ok_;
    core::GradBtn* cancel_;
    db::Query cmd_;
};

}  // namespace reference
