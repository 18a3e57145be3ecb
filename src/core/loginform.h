#pragma once
// The login window Tlogin: the application's main window, the first the user
// sees; closing it ends the program. When shown it checks the result of the
// connection made at start-up and ends the program when there is none.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace core {

class Tlogin : public QWidget {
    Q_OBJECT
public:
    explicit Tlogin(QWidget* parent = nullptr);

    QLineEdit* userField() const { return user_; }
    QLineEdit* passwordField() const { return password_; }
    QPushButton* loginButton() const { return login_; }
    QPushButton* closeButton() const { return close_; }

    // the check made on every showing: false (after the notice, the window
    // closed) when the start-up connection failed
    bool checkConnection();

signals:
    void loginRequested();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    QLineEdit* user_;
    QLineEdit* password_;
    QPushButton* login_;
    QPushButton* close_;
};

}  // namespace core
