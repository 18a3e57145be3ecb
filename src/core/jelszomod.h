#pragma once
// Tjelszom ("Change Password"): the logged-in user sets a new password after
// giving the old one.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace core {

namespace passwordsql {
// the row of the named user whose password is :par (the name as a quoted literal)
QString check(const QString& userName);
// :par the new password
QString change(int userId);
}  // namespace passwordsql

class Tjelszom : public QDialog {
    Q_OBJECT
public:
    explicit Tjelszom(QWidget* parent = nullptr);
    QLineEdit* userField() const { return user_; }
    QLineEdit* oldField() const { return old_; }
    QLineEdit* newField() const { return new1_; }
    QLineEdit* repeatField() const { return new2_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* cancelButton() const { return cancel_; }

    // "Save": true when the password was changed (the window then closes)
    bool ment();

protected:
    void showEvent(QShowEvent* e) override;

private:
    QLineEdit* user_;
    QLineEdit* old_;
    QLineEdit* new1_;
    QLineEdit* new2_;
    QPushButton* save_;
    QPushButton* cancel_;
};

}  // namespace core
