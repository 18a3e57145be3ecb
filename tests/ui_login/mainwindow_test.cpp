// The main window: the notice board and its rights, the menus and their openers,
// the maintainer's item, the update offer, the footer.

#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/noticeboard.h"
#include "core/openers.h"
#include "core/uzenetm.h"
#include "fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

namespace {

QStringList texts(const core::NoticeBoard* b)
{
    QStringList out;
    for (const auto& e : b->entries()) out << e.text->toPlainText();
    return out;
}

void activate(QWidget* w)
{
    QEvent e(QEvent::WindowActivate);
    QCoreApplication::sendEvent(w, &e);
}

// counts the showings of windows opened through the registry; unregisters them at the end
struct FakeOpeners {
    explicit FakeOpeners(const QStringList& names) : names_(names)
    {
        for (const QString& n : names) core::registerOpener(n, [this, n] { opened << n; });
    }
    ~FakeOpeners()
    {
        for (const QString& n : names_) core::unregisterOpener(n);
    }
    QStringList opened;

private:
    QStringList names_;
};

}  // namespace

class MainWindow : public CoreWindows {
protected:
    int enter(const QString& name, const QString& rights, const QString& fullName = QStringLiteral("Kiss Anna"))
    {
        const int id = addUser(name, QStringLiteral("pw"), rights, fullName);
        main->hide();
        EXPECT_TRUE(logIn(name, QStringLiteral("pw")));
        return id;
    }
    core::NoticeBoard* board() { return main->board(); }
    int messages() { return scalar(QStringLiteral("select count(*) from uzenofal")).toInt(); }
};

TEST_F(MainWindow, NoticeBoardNewestFirstWithHeadersSizedToTheirLines)
{
    const int anna = enter("anna", "D");
    EXPECT_TRUE(board()->entries().empty());
    EXPECT_TRUE(board()->refreshButton()->isEnabled());  // an empty board is a successful load

    const QString insert = QStringLiteral("insert into uzenofal (iro,uzenet,datum,torolt) values (%1, :t, :d, :x)").arg(anna);
    admin().exec(insert, {{"t", "first"}, {"d", "2024-01-01 10:00:00"}, {"x", false}});
    admin().exec(insert, {{"t", "one\ntwo\nthree\nfour\nfive"}, {"d", "2024-01-02 11:30:00"}, {"x", false}});
    admin().exec(insert, {{"t", "third"}, {"d", "2024-01-03 09:05:07"}, {"x", false}});
    admin().exec(insert, {{"t", "deleted"}, {"d", "2024-01-04 00:00:00"}, {"x", true}});
    admin().exec(insert, {{"t", "unmarked"}, {"d", "2024-01-05 00:00:00"}, {"x", db::Value()}});  // a null mark hides it too
    board()->refreshButton()->click();

    EXPECT_EQ(texts(board()), (QStringList{"third", "one\ntwo\nthree\nfour\nfive", "first"}));
    const auto& e = board()->entries();
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].header->text(), " Kiss Anna - 2024.01.03 09:05:07");
    EXPECT_EQ(e[2].header->text(), " Kiss Anna - 2024.01.01 10:00:00");
    const int line = board()->fontMetrics().height() + 1;
    EXPECT_EQ(board()->lineHeight(), line);
    EXPECT_EQ(e[0].text->height(), line);
    EXPECT_EQ(e[1].text->height(), 5 * line);
    QApplication::processEvents();  // new entries show once the event loop runs
    board()->list()->widget()->layout()->activate();
    for (const auto& entry : e) {
        EXPECT_EQ(entry.header->height(), 20);
        EXPECT_EQ(entry.text->y(), entry.header->y() + 20);  // each header right above its text
        EXPECT_EQ(entry.header->deleteButton()->x(), entry.header->width() - 40);
        EXPECT_TRUE(entry.text->isReadOnly());
    }
    EXPECT_LT(e[0].header->y(), e[1].header->y());

    // a long line wraps in a narrow board, and its box grows so that nothing is cut off
    admin().exec(insert, {{"t", QString("a rather long message about thin sections ").repeated(6)}, {"d", "2024-02-01 00:00:00"}, {"x", false}});
    main->showNormal();
    main->resize(520, 600);
    QApplication::processEvents();
    board()->refreshButton()->click();
    QApplication::processEvents();
    const QTextEdit* longOne = board()->entries()[0].text;
    EXPECT_GT(longOne->height(), 2 * line);
    EXPECT_EQ(longOne->height() % line, 0);
    EXPECT_LE(longOne->document()->size().height(), longOne->height());
}

TEST_F(MainWindow, AddAndDeleteFollowTheRights)
{
    struct Case {
        const char* rights;
        bool mayAdd, mayDelete;
    };
    const std::vector<Case> cases = {{"A", false, false}, {"B", false, false}, {"C", true, false}, {"D", true, true}, {"cd", true, true}};
    int n = 0;
    for (const Case& c : cases) {
        const QString name = QStringLiteral("user%1").arg(++n);
        const int id = enter(name, c.rights);
        user->prompter.clear();
        const int before = messages();
        if (c.mayAdd)
            user->modal.on("Tuzenetm", [](QDialog* w) {
                auto* m = static_cast<core::Tuzenetm*>(w);
                EXPECT_TRUE(m->textField()->toPlainText().isEmpty());  // emptied on every showing
                m->textField()->setPlainText("Hello\nfrom the lab");
                m->writeButton()->click();
            });
        board()->addButton()->click();
        EXPECT_EQ(messages(), before + (c.mayAdd ? 1 : 0)) << c.rights;
        EXPECT_EQ(user->prompter.notices(), c.mayAdd ? QStringList() : QStringList{msg::noRight}) << c.rights;
        EXPECT_EQ(user->modal.pendingHandlers(), 0);
        if (c.mayAdd) {
            EXPECT_EQ(scalar(QStringLiteral("select uzenet from uzenofal where iro=%1").arg(id)), "Hello\nfrom the lab");
            EXPECT_EQ(texts(board()).value(0), "Hello\nfrom the lab");  // reloaded: the new one on top
        }

        if (board()->entries().empty()) continue;
        user->prompter.clear();
        const int count = messages();
        if (c.mayDelete) user->prompter.answers({false, true});
        board()->entries()[0].header->deleteButton()->click();  // "No": stays
        if (c.mayDelete) {
            EXPECT_EQ(messages(), count);
            board()->entries()[0].header->deleteButton()->click();  // "Yes": gone
            EXPECT_EQ(messages(), count - 1);
            EXPECT_EQ(user->prompter.questions(), (QStringList{msg::confirmDelete, msg::confirmDelete}));
            EXPECT_EQ(int(board()->entries().size()), count - 1);
        } else {
            EXPECT_EQ(messages(), count) << c.rights;
            EXPECT_EQ(user->prompter.notices(), QStringList{msg::noRight}) << c.rights;
            EXPECT_TRUE(user->prompter.questions().isEmpty());
        }
    }
}

TEST_F(MainWindow, MessageWindowStoresEmptyTextAndKeepsTheTextOnFailure)
{
    enter("anna", "C");
    user->modal.on("Tuzenetm", [](QDialog* w) { static_cast<core::Tuzenetm*>(w)->writeButton()->click(); });
    board()->addButton()->click();
    EXPECT_EQ(scalar("select count(*) from uzenofal where uzenet=''"), "1");

    dm->current_user_id = 999999;  // an author the server does not know: refused
    bool stayedOpen = false;
    user->modal.on("Tuzenetm", [&](QDialog* w) {
        auto* m = static_cast<core::Tuzenetm*>(w);
        m->textField()->setPlainText("keep me");
        m->writeButton()->click();
        stayedOpen = m->isVisible() && m->textField()->toPlainText() == "keep me";
        m->cancelButton()->click();
    });
    board()->addButton()->click();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(user->prompter.notices().size(), 1);
    EXPECT_TRUE(user->prompter.notices()[0].contains("violates foreign key constraint")) << user->prompter.notices()[0].toStdString();
    EXPECT_EQ(messages(), 1);
}

TEST_F(MainWindow, FailedLoadLeavesRefreshDisabledUntilTheNextGoodOne)
{
    const int anna = enter("anna", "D");
    admin().exec(QStringLiteral("insert into uzenofal (iro,uzenet) values (%1,'hi')").arg(anna));
    admin().exec("alter table uzenofal rename column torolt to torolt_old");
    user->prompter.clear();
    EXPECT_FALSE(board()->reload());
    EXPECT_EQ(user->prompter.notices().size(), 1);
    EXPECT_TRUE(board()->entries().empty());
    EXPECT_FALSE(board()->refreshButton()->isEnabled());
    admin().exec("alter table uzenofal rename column torolt_old to torolt");
    EXPECT_TRUE(board()->reload());
    EXPECT_TRUE(board()->refreshButton()->isEnabled());
    EXPECT_EQ(texts(board()), QStringList{"hi"});
}

TEST_F(MainWindow, MenusOpenTheirWindowsAfterTheRightsCheck)
{
    // text, window, whether the item checks "ABCD"
    struct Item {
        const char* text;
        const char* window;
        bool checked;
    };
    const std::vector<Item> items = {
        {"City", "Tvarost", true}, {"Country", "Torszagt", true}, {"People", "Tszemelyt", true},
        {"Institution", "Tlabort", true}, {"Boundary Shape", "Tboundt", true}, {"Fabric", "Tfabrict", true},
        {"Fabric Type", "Tfabtypet", true}, {"Color", "Tcolort", true}, {"Methods", "Tmetodt", true},
        {"Locality", "Tloc_fa", true}, {"Minerals", "Tjarulekt", true}, {"Element", "Telemt", true},
        {"Artefact", "Tartt", true}, {"Literature", "Tlitt", true}, {"Methods-Elements", "Tmet_elem_mt", true},
        {"Conservation", "Tkonzt", true}, {"Journal", "Tjournalt", true}, {"Geological Units", "Tgeo_un", false},
        {"Geological Time", "Tkorok", false}, {"Metamorphic grade", "Tmgrade", false},
        {"Minaralogic Inv", "Tmeres_modszer", true}, {"Isotops", "TIsotops", false}, {"RAL", "Tralt", false},
        {"Munsell", "Tmunsellt", false},
    };
    QStringList menuTexts;
    for (QAction* a : main->basicDataMenu()->actions()) menuTexts << a->text();
    QStringList want;
    for (const Item& i : items) want << (QString(i.window) == "Tmeres_modszer" ? "Measurement methode" : i.text);
    EXPECT_EQ(menuTexts, want);
    EXPECT_EQ(main->samplesButton()->text(), "  Samples");
    EXPECT_EQ(main->basicDataButton()->text(), "  Basic data");
    EXPECT_EQ(main->optionsButton()->text(), " Options");
    EXPECT_EQ(main->exitButton()->text(), "Exit");
    for (QToolButton* b : {main->basicDataButton(), main->optionsButton(), main->exitButton()})
        EXPECT_EQ(b->popupMode(), QToolButton::InstantPopup);

    enter("viewer", "A");
    // nothing registered yet: present but disabled
    for (const Item& i : items) EXPECT_FALSE(main->action(main->basicDataMenu(), i.text)->isEnabled()) << i.text;
    EXPECT_FALSE(main->samplesButton()->isEnabled());
    EXPECT_FALSE(main->action(main->basicDataMenu(), "Measurement methode")->isEnabled());

    QStringList names{"Tsamplet2"};
    for (const Item& i : items) names << i.window;
    FakeOpeners openers(names);
    emit main->basicDataMenu()->aboutToShow();  // checked again whenever the menu opens
    for (const Item& i : items) EXPECT_TRUE(main->action(main->basicDataMenu(), i.text)->isEnabled()) << i.text;
    main->hide();
    main->show();  // and at every showing
    EXPECT_TRUE(main->samplesButton()->isEnabled());

    // rights "A" open everything
    main->samplesButton()->click();
    for (const Item& i : items) main->action(main->basicDataMenu(), i.text)->trigger();
    EXPECT_EQ(openers.opened, names);
    EXPECT_TRUE(user->prompter.notices().isEmpty());

    // without any letter only the unchecked items open
    dm->rights.clear();
    openers.opened.clear();
    user->prompter.clear();
    main->samplesButton()->click();
    QStringList unchecked;
    int refusals = 1;
    for (const Item& i : items) {
        main->action(main->basicDataMenu(), i.text)->trigger();
        if (i.checked) ++refusals;
        else unchecked << i.window;
    }
    EXPECT_EQ(openers.opened, unchecked);
    EXPECT_EQ(user->prompter.notices(), QStringList(QList<QString>(refusals, msg::noRight)));
}

TEST_F(MainWindow, FrissitoOnlyForTheMaintainerExactly)
{
    FakeOpeners openers({"Tfrissit"});
    const QString maintainer = core::Tf_main::maintainerName();
    addUser(maintainer, "pw", "D");
    addUser(maintainer.toUpper(), "pw", "D");
    addUser(maintainer.left(1).toUpper() + maintainer.mid(1), "pw", "D");
    addUser("anna", "pw", "D");
    const std::vector<std::pair<QString, bool>> cases = {
        {maintainer, true},
        {QStringLiteral("  ") + maintainer, true},  // the stored name counts, not the typed one
        {maintainer.toUpper(), false},
        {maintainer.left(1).toUpper() + maintainer.mid(1), false},
        {"anna", false},
    };
    for (const auto& [typed, visible] : cases) {
        main->hide();
        ASSERT_TRUE(logIn(typed, "pw"));
        QAction* item = main->action(main->optionsMenu(), "Frissito");
        EXPECT_EQ(item->isVisible(), visible) << typed.toStdString();
        if (visible) {
            item->trigger();
            EXPECT_EQ(openers.opened, QStringList{"Tfrissit"});
            openers.opened.clear();
        }
    }
    QStringList options;
    for (QAction* a : main->optionsMenu()->actions()) options << a->text();
    EXPECT_EQ(options, (QStringList{"Change password", "Frissito", "Database backup"}));
    QStringList exits;
    for (QAction* a : main->exitMenu()->actions()) exits << a->text();
    EXPECT_EQ(exits, (QStringList{"Logout", "Exit"}));
}

TEST_F(MainWindow, UpdateOfferOncePerShowingOnTheFirstActivation)
{
    FakeOpeners openers({"Tfrissle"});
    enter("anna", "C");  // whatever activations the platform sent: no update, no offer
    EXPECT_TRUE(openers.opened.isEmpty());
    dm->update_available = true;
    for (int showing = 1; showing <= 2; ++showing) {
        main->hide();
        main->show();
        QApplication::processEvents();
        activate(main);
        activate(main);
        EXPECT_EQ(openers.opened.size(), showing);
        EXPECT_TRUE(main->activated());
    }
    dm->update_available = false;
    main->hide();
    main->show();
    activate(main);
    EXPECT_EQ(openers.opened.size(), 2);
}

TEST_F(MainWindow, FooterShowsVersionBesideItsCaptionAndTheUser)
{
    enter("anna", "C", "Kiss Anna");
    EXPECT_EQ(main->windowTitle(), "Saxora");
    EXPECT_TRUE(main->isMaximized());
    EXPECT_EQ(main->productLabel()->text(), "Saxora");
    EXPECT_EQ(main->versionCaption()->text(), "version:");
    EXPECT_EQ(main->versionLabel()->text(), "1.7.1.2");
    EXPECT_EQ(main->userLabel()->text(), "user: Kiss Anna");
    main->centralWidget()->layout()->activate();
    const QRect caption = main->versionCaption()->geometry();
    EXPECT_EQ(main->versionLabel()->x(), caption.x() + caption.width() + 2);
    const QWidget* footer = main->userLabel()->parentWidget();
    EXPECT_EQ(main->userLabel()->geometry().right(), footer->width() - 1 - 2);
    EXPECT_TRUE(main->userLabel()->alignment() & Qt::AlignRight);
}
