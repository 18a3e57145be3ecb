#include "core/loginform.h"

#include "core/datam.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace core {

Tlogin::Tlogin(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Tlogin"));
    setWindowTitle(QStringLiteral("Login"));
    setAccessibleName(windowTitle());
    user_ = new QLineEdit(this);
    user_->setObjectName(QStringLiteral("Edit1"));
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("Edit2"));
    password_->setEchoMode(QLineEdit::Password);
    login_ = new QPushButton(QStringLiteral("Login"), this);
    close_ = new QPushButton(QStringLiteral("Close"), this);
    auto* form = new QFormLayout;
    auto* userLabel = new QLabel(QStringLiteral("Username:"), this);
    auto* passwordLabel = new QLabel(QStringLiteral("Password:"), this);
    userLabel->setBuddy(user_);
    passwordLabel->setBuddy(password_);
    user_->setAccessibleName(userLabel->text());
    password_->setAccessibleName(passwordLabel->text());
    form->addRow(userLabel, user_);
    form->addRow(passwordLabel, password_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(login_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(320, 140);
    connect(password_, &QLineEdit::returnPressed, login_, &QPushButton::click);
    connect(login_, &QPushButton::clicked, this, &Tlogin::loginRequested);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

bool Tlogin::checkConnection()
{
    Tdm& d = dm();
    if (d.connect_result == QLatin1String("Ok")) return true;
    d.uzenet(d.connect_result);
    close();
    return false;
}

void Tlogin::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
    // after the window is on the screen, so the notice stands over it
    QTimer::singleShot(0, this, [this] { checkConnection(); });
}

void Tlogin::closeEvent(QCloseEvent* e)
{
    // the login window is the application's main window: closing it ends the program
    QWidget::closeEvent(e);
    QCoreApplication::exit(0);
}

}  // namespace core
