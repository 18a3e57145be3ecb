#include "core/loginform.h"

#include "core/artwork.h"
#include "core/datam.h"
#include "core/fmain.h"
#include "core/forms.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/pwait_procf.h"
#include "core/style.h"
#include "core/workstation.h"
#include "db/sqltext.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace core {

namespace loginsql {

QString userWithPassword(const QString& trimmedName)
{
    return QStringLiteral("select user_id,user_name,password,teljnev from users where user_name=")
         + db::quote(trimmedName) + QStringLiteral(" and password=md5(:par)");
}

QString userWithoutPassword(const QString& trimmedName)
{
    return QStringLiteral("select user_id,user_name,teljnev from users where user_name=") + db::quote(trimmedName)
         + QStringLiteral(" and password isnull");
}

const QString auditInsert = QStringLiteral(
    "begin; insert into belepesek (belep,username,ip_cim,mac,win_ver,win_nyelv) values (now(),:par2,:par3,:par4,:par5,:par6) ");
const QString auditInsertShort = QStringLiteral("begin; insert into belepesek (belep,username) values (now(),:par2) ");
const QString auditKey = QStringLiteral("commit; select currval('gen_id') as be_id;");
const QString auditRefused = QStringLiteral("update belepesek set sikeres='false' where be_id=:par");
const QString auditAccepted = QStringLiteral("update belepesek set sikeres='true',user_id=:par2 where be_id=:par");

QString rights(int userId) { return QStringLiteral("select jogok(%1) as jog").arg(userId); }

QString audienceLiteral(const QString& userName)
{
    QString escaped;
    escaped.reserve(userName.size());
    for (QChar c : userName) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_')) escaped += QLatin1Char('\\');
        escaped += c;
    }
    return db::quote(QStringLiteral("%;") + escaped + QStringLiteral(";%"));
}

QString updateCheck(const QString& userName)
{
    return QStringLiteral("select 1 from program where (userek like '%;All;%' or userek like ") + audienceLiteral(userName)
         + QStringLiteral(" )") + QStringLiteral(" and verzioszam>:par2") + QStringLiteral(" order by datum desc");
}

}  // namespace loginsql

namespace {

// The process wait indicator for one login attempt; taken down before any
// message and at the end, whichever comes first.
class AttemptWait {
public:
    AttemptWait() { pwaitProc()->indit(); }
    ~AttemptWait() { stop(); }
    void stop()
    {
        if (!on_) return;
        on_ = false;
        pwaitProc()->leallit();
    }

private:
    bool on_ = true;
};

void rollback(Tdm& d)
{
    try {
        d.conn().exec(QStringLiteral("rollback;"));
    } catch (const db::DbError&) {
    }
}

}  // namespace

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
    login_ = new GradBtn(QStringLiteral("Login"), this);
    login_->setObjectName(QStringLiteral("Button1"));
    close_ = new GradBtn(QStringLiteral("Close"), this);
    close_->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {login_, close_}) b->setMinimumWidth(90);
    auto* picture = new QLabel(this);
    picture->setPixmap(artwork::glyph(artwork::Glyph::Samples, 56));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    auto* form = new QFormLayout;
    form->setVerticalSpacing(8);
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
    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addSpacing(10);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->setSpacing(16);
    layout->addWidget(picture);
    layout->addLayout(right, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    user_->setMinimumWidth(200);
    setTabOrder(user_, password_);
    setTabOrder(password_, login_);
    setTabOrder(login_, close_);
    // Enter in the name moves on to the password; Enter there logs in
    connect(user_, &QLineEdit::returnPressed, password_, [this] { password_->setFocus(); });
    connect(password_, &QLineEdit::returnPressed, login_, &QPushButton::click);
    connect(login_, &QPushButton::clicked, this, [this] { belep(); });
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

bool Tlogin::belep()
{
    Tdm& d = dm();
    AttemptWait wait;
    const QString typed = user_->text();
    const QString name = typed.trimmed();
    const QString password = password_->text();
    db::Dataset user;
    // Only this attempt's own audit row may be stamped: when its insert fails, the
    // row of an earlier login must not be marked with this attempt's outcome.
    d.login_id = 0;

    auto takeKey = [&d] {
        const db::Dataset key = d.conn().open(loginsql::auditKey);
        if (!key.isEmpty() && !key.isNull(0, QStringLiteral("be_id")))
            d.login_id = key.row(0).toInt(QStringLiteral("be_id"));
    };

    if (!password.isEmpty()) {
        const QString ip = workstation::publicAddress();
        const QString mac = workstation::adapterAddress();
        const QString os = workstation::osText();
        const int language = workstation::displayLanguage();
        try {
            user = d.conn().open(loginsql::userWithPassword(name), {{QStringLiteral("par"), password}});
            d.conn().exec(loginsql::auditInsert, {{QStringLiteral("par2"), typed},
                                                  {QStringLiteral("par3"), ip},
                                                  {QStringLiteral("par4"), mac},
                                                  {QStringLiteral("par5"), os},
                                                  {QStringLiteral("par6"), language}});
            takeKey();
        } catch (const db::DbError& e) {
            rollback(d);
            wait.stop();
            d.showError(e);
        }
    } else {
        try {
            user = d.conn().open(loginsql::userWithoutPassword(name));
            d.conn().exec(loginsql::auditInsertShort, {{QStringLiteral("par2"), typed}});
            takeKey();
        } catch (const db::DbError& e) {
            rollback(d);
            wait.stop();
            d.showError(e);
        }
    }

    if (user.isEmpty() || user.text(0, QStringLiteral("user_id")).isEmpty()) {
        try {
            d.conn().exec(loginsql::auditRefused, {{QStringLiteral("par"), d.login_id}});
        } catch (const db::DbError& e) {
            wait.stop();
            d.showError(e);
        }
        wait.stop();
        d.uzenet(msg::wrongLogin);
        return false;
    }

    d.current_user_name = user.text(0, QStringLiteral("user_name"));
    d.current_user_id = user.row(0).toInt(QStringLiteral("user_id"));
    try {
        d.conn().exec(loginsql::auditAccepted,
                      {{QStringLiteral("par2"), d.current_user_id}, {QStringLiteral("par"), d.login_id}});
    } catch (const db::DbError& e) {
        wait.stop();
        d.showError(e);
    }
    auto* mainWindow = Forms::get<Tf_main>(QStringLiteral("Tf_main"));
    if (mainWindow) mainWindow->setUserText(QStringLiteral("user: ") + user.text(0, QStringLiteral("teljnev")));

    try {
        const db::Dataset jog = d.conn().open(loginsql::rights(d.current_user_id));
        d.rights = jog.isEmpty() ? QString() : jog.text(0, QStringLiteral("jog"));
    } catch (const db::DbError& e) {
        // without the letters nothing may be granted, least of all an earlier user's
        d.rights.clear();
        wait.stop();
        d.showError(e);
    }
    if (d.rights.isEmpty()) {
        wait.stop();
        d.uzenet(msg::noRight);
        close();
        return false;
    }

    try {
        const db::Dataset newer = d.conn().open(loginsql::updateCheck(d.current_user_name),
                                                {{QStringLiteral("par2"), d.program_version}});
        d.update_available = !newer.isEmpty();
    } catch (const db::DbError& e) {
        wait.stop();
        d.showError(e);
    }

    wait.stop();
    if (mainWindow) mainWindow->showMaximized();
    return true;
}

void Tlogin::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    ending_ = false;
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
    // after the window is on the screen, so the notice stands over it
    QTimer::singleShot(0, this, [this] { checkConnection(); });
}

void Tlogin::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, artwork::background(size()));
    p.setPen(style::gradientBorder);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Tlogin::closeEvent(QCloseEvent* e)
{
    // the login window is the application's main window: closing it ends the
    // program (the message loop ends on this signal)
    QWidget::closeEvent(e);
    if (!ending_) {
        ending_ = true;
        emit programEnding();
    }
}

}  // namespace core
