#pragma once
// The login window Tlogin: the application's main window, the first the user
// sees; closing it ends the program. When shown it checks the result of the
// connection made at start-up and ends the program when there is none.
//
// "Login" checks the name and password against users, records the attempt with
// the workstation's facts in belepesek, loads the rights letters through jogok(),
// looks for a newer program version meant for the user and opens the main window.

#include <QString>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace core {

// The statements of the login. The user name is always a complete quoted literal,
// so whatever is typed cannot change the statement.
namespace loginsql {
QString userWithPassword(const QString& trimmedName);     // password=md5(:par)
QString userWithoutPassword(const QString& trimmedName);  // password isnull
extern const QString auditInsert;       // :par2 name as typed, :par3 ip, :par4 mac, :par5 os, :par6 language
extern const QString auditInsertShort;  // :par2 name as typed
extern const QString auditKey;          // commit; and the new be_id
extern const QString auditRefused;      // :par be_id
extern const QString auditAccepted;     // :par be_id, :par2 user_id
QString rights(int userId);
// the like pattern that finds ";name;" in program.userek, as a quoted literal
// (wildcards in the name match only themselves)
QString audienceLiteral(const QString& userName);
// "select 1 from program where ..." for the user, newer than :par2
QString updateCheck(const QString& userName);
}  // namespace loginsql

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

    // "Login": true when the user got in and the main window is on show
    bool belep();

signals:
    // the login window closed: the program ends (runMessageLoop quits on it)
    void programEnding();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QLineEdit* user_;
    QLineEdit* password_;
    QPushButton* login_;
    QPushButton* close_;
    bool ending_ = false;  // the program's end has been announced since the last showing
};

}  // namespace core
