#include "core/fmain.h"

#include "buildconfig.h"
#include "core/amentes.h"
#include "core/artwork.h"
#include "core/datam.h"
#include "core/forms.h"
#include "core/jelszomod.h"
#include "core/modal.h"
#include "core/noticeboard.h"
#include "core/openers.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace core {
namespace {

const QString logoutSql = QStringLiteral("update belepesek set kilep=now() where be_id=:par");
const QString samplesWindow = QStringLiteral("Tsamplet2");
const QString measurementMethods = QStringLiteral("Measurement methode");

// the body of the window: the background picture behind the notice board
class Body : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawPixmap(0, 0, artwork::background(size()));
    }
};

void closeWindow(const QString& name)
{
    if (QWidget* w = Forms::find(name)) w->close();
}

}  // namespace

const std::vector<Tf_main::Item>& Tf_main::basicDataItems()
{
    const QString all = QStringLiteral("ABCD");
    static const std::vector<Item> items = {
        {QStringLiteral("City"), QStringLiteral("Tvarost"), all},
        {QStringLiteral("Country"), QStringLiteral("Torszagt"), all},
        {QStringLiteral("People"), QStringLiteral("Tszemelyt"), all},
        {QStringLiteral("Institution"), QStringLiteral("Tlabort"), all},
        {QStringLiteral("Boundary Shape"), QStringLiteral("Tboundt"), all},
        {QStringLiteral("Fabric"), QStringLiteral("Tfabrict"), all},
        {QStringLiteral("Fabric Type"), QStringLiteral("Tfabtypet"), all},
        {QStringLiteral("Color"), QStringLiteral("Tcolort"), all},
        {QStringLiteral("Methods"), QStringLiteral("Tmetodt"), all},
        {QStringLiteral("Locality"), QStringLiteral("Tloc_fa"), all},
        {QStringLiteral("Minerals"), QStringLiteral("Tjarulekt"), all},
        {QStringLiteral("Element"), QStringLiteral("Telemt"), all},
        {QStringLiteral("Artefact"), QStringLiteral("Tartt"), all},
        {QStringLiteral("Literature"), QStringLiteral("Tlitt"), all},
        {QStringLiteral("Methods-Elements"), QStringLiteral("Tmet_elem_mt"), all},
        {QStringLiteral("Conservation"), QStringLiteral("Tkonzt"), all},
        {QStringLiteral("Journal"), QStringLiteral("Tjournalt"), all},
        {QStringLiteral("Geological Units"), QStringLiteral("Tgeo_un"), {}},
        {QStringLiteral("Geological Time"), QStringLiteral("Tkorok"), {}},
        {QStringLiteral("Metamorphic grade"), QStringLiteral("Tmgrade"), {}},
        // the one item of the sub-menu "Measurement methode"
        {QStringLiteral("Minaralogic Inv"), QStringLiteral("Tmeres_modszer"), all},
        {QStringLiteral("Isotops"), QStringLiteral("TIsotops"), {}},
        {QStringLiteral("RAL"), QStringLiteral("Tralt"), {}},
        {QStringLiteral("Munsell"), QStringLiteral("Tmunsellt"), {}},
    };
    return items;
}

QString Tf_main::maintainerName() { return QStringLiteral(SAXORA_MAINTAINER); }

Tf_main::Tf_main(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Tf_main"));
    setWindowTitle(QStringLiteral("Saxora"));
    setAccessibleName(windowTitle());

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setIconSize(QSize(32, 32));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    addToolBar(Qt::TopToolBarArea, bar);
    samples_ = toolButton(QStringLiteral("  Samples"), artwork::glyph(artwork::Glyph::Samples, 32));
    basicData_ = toolButton(QStringLiteral("  Basic data"), artwork::glyph(artwork::Glyph::BasicData, 32));
    options_ = toolButton(QStringLiteral(" Options"), artwork::glyph(artwork::Glyph::Options, 32));
    exit_ = toolButton(QStringLiteral("Exit"), artwork::glyph(artwork::Glyph::Exit, 32));
    for (QToolButton* b : {samples_, basicData_, options_, exit_}) bar->addWidget(b);
    buildMenus();

    auto* body = new Body(this);
    body->setObjectName(QStringLiteral("Panel1"));
    board_ = new NoticeBoard(body);
    board_->setMinimumWidth(380);
    board_->setMaximumWidth(820);
    auto* centre = new QHBoxLayout;
    centre->setContentsMargins(0, 1, 0, 1);  // one pixel from the top, two less than the body
    centre->addStretch(1);
    centre->addWidget(board_, 3);
    centre->addStretch(1);

    auto* footer = new QWidget(body);
    footer->setObjectName(QStringLiteral("Panel2"));
    footer->setAutoFillBackground(true);
    footer->setFixedHeight(24);
    product_ = new QLabel(QStringLiteral("Saxora"), footer);
    QFont bold = product_->font();
    bold.setBold(true);
    product_->setFont(bold);
    versionCaption_ = new QLabel(QStringLiteral("version:"), footer);
    version_ = new QLabel(footer);
    version_->setObjectName(QStringLiteral("verzio"));
    user_ = new QLabel(footer);
    user_->setObjectName(QStringLiteral("userlabel"));
    user_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* versionPair = new QHBoxLayout;
    versionPair->setContentsMargins(0, 0, 0, 0);
    versionPair->setSpacing(2);  // the number two pixels right of its caption
    versionPair->addWidget(versionCaption_);
    versionPair->addWidget(version_);
    auto* foot = new QHBoxLayout(footer);
    foot->setContentsMargins(6, 0, 2, 0);  // the user two pixels inside the right edge
    foot->setSpacing(0);
    foot->addWidget(product_);
    foot->addSpacing(24);
    foot->addLayout(versionPair);
    foot->addStretch(1);
    foot->addWidget(user_);

    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(centre, 1);
    column->addWidget(footer);
    setCentralWidget(body);
    // the whole screen even where no window manager maximises it
    if (QScreen* s = QGuiApplication::primaryScreen()) setGeometry(s->availableGeometry());
}

QToolButton* Tf_main::toolButton(const QString& text, const QPixmap& picture)
{
    auto* b = new QToolButton(this);
    b->setText(text);
    b->setAccessibleName(text);
    b->setIcon(QIcon(picture));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    b->setMinimumWidth(110);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    return b;
}

void Tf_main::buildMenus()
{
    connect(samples_, &QToolButton::clicked, this,
            [this] { openItem({samples_->text(), samplesWindow, QStringLiteral("ABCD")}); });

    basicDataMenu_ = new QMenu(this);
    basicDataMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu* methods = nullptr;
    for (const Item& item : basicDataItems()) {
        QMenu* into = basicDataMenu_;
        if (item.window == QLatin1String("Tmeres_modszer")) {
            methods = basicDataMenu_->addMenu(measurementMethods);
            into = methods;
        }
        QAction* a = into->addAction(item.text);
        a->setObjectName(QStringLiteral("mi_") + item.window);
        connect(a, &QAction::triggered, this, [this, item] { openItem(item); });
        opened_.emplace_back(a, item.window);
    }
    basicData_->setMenu(basicDataMenu_);
    basicData_->setPopupMode(QToolButton::InstantPopup);

    optionsMenu_ = new QMenu(this);
    optionsMenu_->setObjectName(QStringLiteral("PopupMenu2"));
    connect(optionsMenu_->addAction(QStringLiteral("Change password")), &QAction::triggered, this,
            [] { showModal(Forms::ensure<Tjelszom>(QStringLiteral("Tjelszom"))); });
    frissito_ = optionsMenu_->addAction(QStringLiteral("Frissito"));
    frissito_->setVisible(false);
    connect(frissito_, &QAction::triggered, this, [] { openWindow(QStringLiteral("Tfrissit")); });
    opened_.emplace_back(frissito_, QStringLiteral("Tfrissit"));
    connect(optionsMenu_->addAction(QStringLiteral("Database backup")), &QAction::triggered, this,
            [] { showModal(Forms::ensure<Tamentes>(QStringLiteral("Tamentes"))); });
    options_->setMenu(optionsMenu_);
    options_->setPopupMode(QToolButton::InstantPopup);

    exitMenu_ = new QMenu(this);
    exitMenu_->setObjectName(QStringLiteral("PopupMenu3"));
    connect(exitMenu_->addAction(QStringLiteral("Logout")), &QAction::triggered, this, &Tf_main::logout);
    connect(exitMenu_->addAction(QStringLiteral("Exit")), &QAction::triggered, this, &Tf_main::exitProgram);
    exit_->setMenu(exitMenu_);
    exit_->setPopupMode(QToolButton::InstantPopup);

    for (QMenu* m : {basicDataMenu_, optionsMenu_}) connect(m, &QMenu::aboutToShow, this, &Tf_main::updateItems);
    if (methods) connect(methods, &QMenu::aboutToShow, this, &Tf_main::updateItems);
}

QAction* Tf_main::action(QMenu* menu, const QString& text) const
{
    for (QAction* a : menu->actions()) {
        if (a->text() == text) return a;
        if (a->menu())
            if (QAction* inner = action(a->menu(), text)) return inner;
    }
    return nullptr;
}

void Tf_main::updateItems()
{
    for (const auto& [a, window] : opened_) a->setEnabled(hasOpener(window));
    samples_->setEnabled(hasOpener(samplesWindow));
    if (QAction* sub = action(basicDataMenu_, measurementMethods)) sub->setEnabled(sub->menu()->actions().first()->isEnabled());
}

void Tf_main::setUserText(const QString& text) { user_->setText(text); }

void Tf_main::openItem(const Item& item)
{
    if (!item.rights.isEmpty() && !dm().jogell(item.rights)) return;
    openWindow(item.window);
}

void Tf_main::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (e->spontaneous()) return;  // back from minimised: not a new showing
    Tdm& d = dm();
    for (const char* w : {"Ttolto", "Tlogin"})
        if (QWidget* other = Forms::find(QString::fromLatin1(w))) other->hide();
    version_->setText(d.program_version);
    activated_ = false;
    frissito_->setVisible(d.current_user_name == maintainerName());
    updateItems();
    board_->reload();
}

bool Tf_main::event(QEvent* e)
{
    const bool r = QMainWindow::event(e);
    if (e->type() == QEvent::WindowActivate) firstActivation();
    return r;
}

void Tf_main::firstActivation()
{
    if (activated_ || !isVisible()) return;
    if (!isMaximized() && !isFullScreen())
        if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
            const QRect g = s->geometry();
            setGeometry(g.left(), g.top(), g.width(), g.height() - 30);
        }
    activated_ = true;
    if (dm().update_available) openWindow(QStringLiteral("Tfrissle"));
}

void Tf_main::closeEvent(QCloseEvent* e)
{
    closeWindow(QStringLiteral("Ttolto"));
    Tdm& d = dm();
    try {
        d.conn().exec(logoutSql, {{QStringLiteral("par"), d.login_id}});
    } catch (const db::DbError& x) {
        d.showError(x);
    }
    // the mark applies to the close that "Logout" started, and to no later one
    const bool backToLogin = logoutPending_;
    logoutPending_ = false;
    e->accept();
    QMainWindow::closeEvent(e);
    if (!backToLogin) closeWindow(QStringLiteral("Tlogin"));
}

void Tf_main::logout()
{
    logoutPending_ = true;
    if (QWidget* login = Forms::find(QStringLiteral("Tlogin"))) login->show();
    close();
}

void Tf_main::exitProgram()
{
    logoutPending_ = false;
    closeWindow(QStringLiteral("Ttolto"));
    // the close records the logout time (a failure there can still be read) and then
    // closes the login window, which ends the program
    close();
}

}  // namespace core
