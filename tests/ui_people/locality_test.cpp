// Localities: the tree (build, search, actions, map button), the upward picker,
// the editor (nesting, coordinates, saving a new locality, alternative names) and
// the flat list.

#include "fixture.h"

#include "controls/dbgrid.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/openers.h"
#include "db/sqltext.h"
#include "reference/alt_loc.h"
#include "reference/loc_fa_f.h"
#include "reference/localitymod.h"
#include "reference/pickfield.h"
#include "reference/reflist.h"
#include "reference/searchtree.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>

using reference::LocalityTree;
using reference::RefList;
using reference::SearchTree;
using reference::Talt_loc;
using reference::Tlocalitym;

namespace peopletest {
namespace {

class Localities : public PeopleWindows {
protected:
    // Alps; Hungary > Bakony (in Asia, for the test) > Tés, Hungary > Mecsek; and
    // two localities that point at each other
    void SetUp() override
    {
        PeopleWindows::SetUp();
        hungary = locality("Hungary");
        alps = locality("Alps");
        mecsek = locality("Mecsek", hungary);
        bakony = locality("Bakony", hungary, "Asia");
        tes = locality("Tés", bakony);
        const QString a = locality("Loop A"), b = locality("Loop B", a);
        admin().exec("update localityt set upward=" + b + " where locality_id=" + a);
        admin().exec("insert into loc_nev (loc_name,locality_id) values ('Bakony-hegység'," + bakony +
                     "),('Bakony Mts'," + bakony + "),('Tési-fennsík'," + tes + ")");
    }

    LocalityTree* tree() { return window<LocalityTree>("Tloc_fa"); }
    Tlocalitym* editor() { return window<Tlocalitym>("Tlocalitym"); }
    // the tree window from the "Basic data" item, with a handler acting in it
    void browse(std::function<void(LocalityTree*)> act)
    {
        when<LocalityTree>("Tloc_fa", std::move(act));
        ASSERT_TRUE(core::openWindow("Tloc_fa"));
    }
    void edit(const QString& id, std::function<void(Tlocalitym*)> act)
    {
        editor()->setId(id);
        open<Tlocalitym>(editor(), std::move(act));
    }
    static QStringList outline(LocalityTree* w)
    {
        QStringList out;
        for (QTreeWidgetItem* n : w->tree()->nodes()) {
            int depth = 0;
            for (QTreeWidgetItem* p = n->parent(); p; p = p->parent()) ++depth;
            out << QStringLiteral("%1@%2").arg(n->text(0)).arg(depth);
        }
        return out;
    }
    static QStringList bold(LocalityTree* w)
    {
        QStringList out;
        for (QTreeWidgetItem* n : w->tree()->nodes())
            if (n->font(0).bold()) out << n->text(0);
        return out;
    }
    static QString current(LocalityTree* w)
    {
        return w->tree()->currentItem() ? w->tree()->currentItem()->text(0) : QString();
    }
    QString hungary, alps, mecsek, bakony, tes;
};

TEST_F(Localities, TreeIsBuiltDepthFirstByNameAndShowsTheSelectedDetails)
{
    browse([&](LocalityTree* w) {
        EXPECT_EQ(outline(w), (QStringList{"Alps@0", "Hungary@0", "Bakony@1", "Tés@2", "Mecsek@1"}));
        ASSERT_TRUE(w->tree()->selectNode(tes.toInt()));
        EXPECT_EQ(w->detail("locality_id")->text(), tes);
        EXPECT_EQ(w->detail("l2")->text(), "Bakony");
        EXPECT_EQ(w->detail("teljnev")->text(), "Administrator");
        EXPECT_EQ(w->continent()->currentText(), "Europe");
        EXPECT_EQ(w->altNames()->count(), 1);
        w->tree()->selectNode(bakony.toInt());
        EXPECT_EQ(w->continent()->currentText(), "Asia");
        ASSERT_EQ(w->altNames()->count(), 2);
        EXPECT_EQ(w->altNames()->item(0)->text(), "Bakony Mts");
        EXPECT_TRUE(w->mapButton());
        EXPECT_EQ(w->contextMenu()->actions().size(), 5);
    });
}

TEST_F(Localities, SearchMarksInAnyCaseAndTheMatchButtonsWrap)
{
    browse([&](LocalityTree* w) {
        w->filter()->setText("a");
        w->searchButton()->click();
        EXPECT_EQ(bold(w), (QStringList{"Alps", "Hungary", "Bakony"}));
        EXPECT_EQ(current(w), "Hungary");  // the search starts after the first node
        w->nextButton()->click();
        EXPECT_EQ(current(w), "Bakony");
        w->nextButton()->click();
        EXPECT_EQ(current(w), "Alps");  // wrapped
        w->previousButton()->click();
        EXPECT_EQ(current(w), "Bakony");  // wrapped backwards

        w->filter()->setText("TÉ");
        w->searchButton()->click();
        EXPECT_EQ(bold(w), QStringList{"Tés"});

        w->clearButton()->click();
        EXPECT_EQ(w->filter()->text(), "");
        EXPECT_TRUE(bold(w).isEmpty());
        w->tree()->selectNode(mecsek.toInt());
        w->nextButton()->click();
        EXPECT_EQ(current(w), "Mecsek");

        // "Show/Edit" forgets the search even when nothing was saved
        w->filter()->setText("bak");
        w->searchButton()->click();
        when<Tlocalitym>("Tlocalitym", [](Tlocalitym* e) { e->reject(); });
        w->editButton()->click();
        w->tree()->selectNode(mecsek.toInt());
        w->nextButton()->click();
        EXPECT_EQ(current(w), "Mecsek");

        w->collapseButton()->click();
        EXPECT_FALSE(w->tree()->findNode(hungary.toInt())->isExpanded());
        w->expandButton()->click();
        EXPECT_TRUE(w->tree()->findNode(hungary.toInt())->isExpanded());
    });
}

TEST_F(Localities, AddChildAndAddPresetTheUpwardLocalityAndItsContinent)
{
    user->prompter.alwaysAnswer(true);
    browse([&](LocalityTree* w) {
        w->tree()->selectNode(bakony.toInt());
        when<Tlocalitym>("Tlocalitym", [&](Tlocalitym* e) {
            EXPECT_EQ(e->id(), "");
            EXPECT_EQ(e->upward()->id(), bakony);
            EXPECT_EQ(e->upward()->name(), "Bakony");
            EXPECT_EQ(e->continent()->currentText(), "Asia");
            EXPECT_EQ(e->country()->id(), "0");
            e->name()->setText("Úrkút");
            e->region()->setText("Jurassic");
            EXPECT_TRUE(e->ment(true));
        });
        w->addChild();
        EXPECT_EQ(outline(w), (QStringList{"Alps@0", "Hungary@0", "Bakony@1", "Tés@2", "Úrkút@2", "Mecsek@1"}));
        EXPECT_EQ(current(w), "Úrkút");  // the new locality is selected after the rebuild

        w->tree()->selectNode(tes.toInt());
        when<Tlocalitym>("Tlocalitym", [&](Tlocalitym* e) {
            EXPECT_EQ(e->upward()->id(), bakony);  // beside Tés
            e->reject();
        });
        w->addSibling();
        when<Tlocalitym>("Tlocalitym", [&](Tlocalitym* e) {
            EXPECT_EQ(e->upward()->id(), "");  // the button adds at the top
            EXPECT_EQ(e->continent()->currentIndex(), -1);
            e->reject();
        });
        w->addButton()->click();
    });
    EXPECT_EQ(rowOf("select region,orszag_kod,kont_kod=(select kont_kod from kontinentt where kont_name='Asia') as asia,"
                    "upward=" + bakony + " as under,date_added=current_date as today from localityt where loc_name='Úrkút'"),
              "region=Jurassic orszag_kod=null asia=True under=True today=True");
}

TEST_F(Localities, AnUpwardLocalityThatIsItselfOrBelowItIsRefused)
{
    struct Case {
        QString candidate;
        bool refused;
    } cases[] = {{hungary, true}, {bakony, true}, {tes, true}, {alps, false}};
    for (const Case& c : cases) {
        user->prompter.clear();
        when<LocalityTree>("Tloc_fa_2", [&](LocalityTree* p) {
            EXPECT_FALSE(p->addButton());
            ASSERT_TRUE(p->tree()->selectNode(c.candidate.toInt()));
            p->ok();
        });
        edit(hungary, [&](Tlocalitym* e) {
            e->pickUpward();
            EXPECT_EQ(e->upward()->id(), c.refused ? QString() : c.candidate);
            EXPECT_EQ(user->prompter.notices(), c.refused ? QStringList{msg::localityUpwardSelf} : QStringList{});
        });
    }

    // a nesting that reaches the save all the same (say, set before a move) is refused there too
    edit(hungary, [&](Tlocalitym* e) {
        e->upward()->set(tes, "Tés");
        user->prompter.clear();
        EXPECT_FALSE(e->ment(true));
        EXPECT_EQ(user->prompter.notices(), QStringList{msg::localityUpwardSelf + "\r"});
        EXPECT_TRUE(user->prompter.questions().isEmpty());
    });
    EXPECT_EQ(scalar("select upward is null from localityt where locality_id=" + hungary), "True");
}

TEST_F(Localities, CoordinatesAreWrittenAsNumbersOrNullAndOtherTextIsRefused)
{
    user->prompter.alwaysAnswer(true);
    edit(tes, [&](Tlocalitym* e) {
        const QString typed[] = {"47.25", "-17.5", "", ".5", "5.", " 12 "};
        for (int c = 0; c < reference::CoordinateCount; ++c) e->coordinate(c)->setText(typed[c]);
        EXPECT_TRUE(e->ment(false));
    });
    EXPECT_EQ(rowOf("select cen_lat,cen_lon,min_lat,min_lon,max_lat,max_lon from localityt where locality_id=" + tes),
              "cen_lat=47.25 cen_lon=-17.5 min_lat=null min_lon=0.5 max_lat=5 max_lon=12");

    edit(tes, [&](Tlocalitym* e) {
        for (int c = 0; c < reference::CoordinateCount; ++c) e->coordinate(c)->clear();
        EXPECT_TRUE(e->ment(false));
    });
    EXPECT_EQ(rowOf("select num_nulls(cen_lat,cen_lon,min_lat,min_lon,max_lat,max_lon) from localityt where locality_id=" + tes),
              "num_nulls=6");

    // pasted text passes no key filter; the save refuses it before sending anything
    user->prompter.clear();
    edit(tes, [&](Tlocalitym* e) {
        e->coordinate(reference::CenLat)->setText("47,5");
        e->coordinate(reference::MaxLon)->setText("-");
        EXPECT_FALSE(e->ment(false));
        EXPECT_EQ(user->prompter.notices(), QStringList{"The field 'Centroid latitude' is not a number!\r"
                                                        "The field 'Maximum longitude' is not a number!\r"});
        EXPECT_TRUE(user->prompter.questions().isEmpty());

        // typed keys pass the numeric key filter: digits, one point, one minus
        auto* f = e->coordinate(reference::MinLat);
        f->clear();
        for (QChar k : QString("1,2.5.-x-")) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(k));
            QApplication::sendEvent(f, &press);
        }
        EXPECT_EQ(f->text(), "12.5-");
    });
}

TEST_F(Localities, ANewLocalityGetsItsKeyAndTakesAlternativeNamesAfterTheSaveQuestion)
{
    user->prompter.answers({true, true, true, true});
    when<Talt_loc>("Talt_loc", [&](Talt_loc* d) {
        d->save();
        EXPECT_EQ(user->prompter.lastNotice(), msg::localityNameMissing);
        d->name()->setText(" Sás-völgy ");
        d->save();
    });
    editor()->setUpward(QString(), QString());
    edit("", [&](Tlocalitym* e) {
        e->name()->setText("Sásd");
        e->region()->setText("Mecsek Mts");
        e->continent()->setCurrentIndex(e->continent()->findText("Europe"));
        e->addAltName();  // not saved yet: asks, saves and stays open with the key
        EXPECT_TRUE(e->isVisible());
        ASSERT_FALSE(e->id().isEmpty());
        EXPECT_FALSE(user->modal.shownWindows().contains("Talt_loc"));
        e->addAltName();
        ASSERT_EQ(e->altNames()->count(), 1);
        EXPECT_EQ(e->altNames()->item(0)->text(), "Sás-völgy");
        e->deleteAltName();
        EXPECT_EQ(e->altNames()->count(), 0);
    });
    EXPECT_EQ(user->prompter.questions(), (QStringList{msg::saveBeforeLocalityName, msg::confirmSave,
                                                       msg::confirmSave, msg::confirmDelete}));
    EXPECT_EQ(rowOf("select loc_name,letre_user is not null as creator,(select count(*) from loc_nev n where "
                    "n.locality_id=l.locality_id) as alt from localityt l where locality_id=" + editor()->id()),
              "loc_name=Sásd creator=True alt=0");
}

TEST_F(Localities, AFailedInsertLeavesNoTransactionOpen)
{
    // one insert refused by a foreign key, one at its commit by a deferred check
    admin().exec("create function refuse_bad() returns trigger language plpgsql as $$ begin "
                 "if new.loc_name = 'Refused at commit' then raise exception 'refused at commit'; end if; "
                 "return new; end $$");
    admin().exec("create constraint trigger refuse_bad after insert on localityt deferrable initially deferred "
                 "for each row execute function refuse_bad()");
    const QString gone = locality("Gone");
    admin().exec("delete from localityt where locality_id=" + gone);
    auto session = [&] {
        return scalar("select state from pg_stat_activity where usename='saxora_prog' and datname=current_database()");
    };
    struct Case {
        QString name, upward, message;
    } cases[] = {{"Orphan", gone, "localityt_upward_fkey"}, {"Refused at commit", "", "refused at commit"}};
    for (const Case& c : cases) {
        user->prompter.clear();
        user->prompter.answer(true);
        editor()->setUpward(c.upward, "Gone");
        edit("", [&](Tlocalitym* e) {
            e->name()->setText(c.name);
            e->region()->setText("x");
            e->continent()->setCurrentIndex(0);
            EXPECT_FALSE(e->ment(true));
            EXPECT_TRUE(e->isVisible());
            EXPECT_EQ(e->id(), "");
        });
        EXPECT_TRUE(user->prompter.lastNotice().contains(c.message)) << user->prompter.lastNotice().toStdString();
        EXPECT_EQ(session(), "idle") << c.name.toStdString();
        EXPECT_EQ(scalar("select count(*) from localityt where loc_name=" + db::quote(c.name)), "0");
    }
}

TEST_F(Localities, DeletingALocalityThatOthersReferToIsRefused)
{
    browse([&](LocalityTree* w) {
        user->prompter.answers({true, true});
        w->tree()->selectNode(bakony.toInt());
        w->deleteButton()->click();
        EXPECT_EQ(user->prompter.questions().last(), msg::confirmDelete + " (\"Bakony\")");
        EXPECT_EQ(user->prompter.lastNotice(), msg::recordLinked);
        EXPECT_TRUE(w->tree()->findNode(bakony.toInt()));
        w->tree()->selectNode(tes.toInt());
        w->deleteButton()->click();
        EXPECT_FALSE(w->tree()->findNode(tes.toInt()));
    });
    EXPECT_EQ(scalar("select count(*) from localityt where locality_id in (" + bakony + "," + tes + ")"), "1");
}

TEST_F(Localities, TheLockedEditorOfAnotherUsersLocalityRefusesChanges)
{
    loginAs("editor");
    edit(tes, [&](Tlocalitym* e) {
        EXPECT_TRUE(e->locked());
        EXPECT_TRUE(e->name()->isReadOnly());
        EXPECT_TRUE(e->coordinate(reference::CenLat)->isReadOnly());
        EXPECT_FALSE(e->continent()->isEnabled());
        EXPECT_FALSE(e->ment(true));
        e->pickCountry();
        EXPECT_EQ(user->prompter.notices(), QStringList(2, msg::noRight));
    });
}

TEST_F(Localities, TheMapButtonWorksOnlyWhenAMapIsThere)
{
    browse([](LocalityTree* w) { EXPECT_FALSE(w->mapButton()->isEnabled()); });
    std::vector<std::pair<reference::MapKind, int>> shown;
    reference::setLocalityMap([&](reference::MapKind k, const db::Dataset& d) { shown.emplace_back(k, d.rowCount()); });
    browse([&](LocalityTree* w) {
        ASSERT_TRUE(w->mapButton()->isEnabled());
        w->mapButton()->click();
        QStringList items;
        for (QAction* a : w->mapMenu()->actions()) items << a->text();
        EXPECT_EQ(items, (QStringList{"Koordinata", "Város"}));
        w->mapMenu()->actions().at(1)->trigger();
    });
    reference::setLocalityMap({});
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].first, reference::MapKind::Coordinates);
    EXPECT_EQ(shown[1].first, reference::MapKind::Geocoded);
    EXPECT_EQ(shown[0].second, 7);  // every locality, also those the tree cannot show
}

TEST_F(Localities, TheFlatListSortsOnTheServerAndShowsTheDescription)
{
    admin().exec("update localityt set description='limestone plateau' where locality_id=" + bakony);
    when<RefList>("Tlocalityt", [&](RefList* l) {
        EXPECT_EQ(l->list().text(0, "loc_name"), "Alps");
        clickTitle(l->grid(), "kont_name");
        EXPECT_TRUE(l->list().sql().endsWith("order by kont_name")) << l->list().sql().toStdString();
        EXPECT_EQ(l->list().text(0, "loc_name"), "Bakony");  // Asia first
        EXPECT_EQ(l->memo()->toPlainText(), "limestone plateau");
        l->grid()->setCurrentRow(1);
        EXPECT_EQ(l->memo()->toPlainText(), "");
        l->grid()->setCurrentRow(0);
        l->ok();
    });
    EXPECT_EQ(dm->localitytorzs(tes), bakony);
}

}  // namespace
}  // namespace peopletest
