// The geological unit trees and the unit editor against a real server: the tree
// built from parents and names with the details of the selected unit, the search
// marks and the match walk, the delete refusals and the one-transaction delete,
// the parents of "Add" and "Add Child", the ages of a unit not saved yet, and the
// refusal of the unit itself or a descendant as its parent.

#include "geowindows.h"

#include "core/messages.h"
#include "reference/geo_un_f.h"
#include "reference/geo_un_mod.h"
#include "reference/kor_f.h"
#include "reference/pickfield.h"
#include "reference/reflist.h"
#include "reference/searchbar.h"
#include "reference/searchtree.h"

#include <QLineEdit>
#include <QPlainTextEdit>

using namespace geotest;
using reference::GeoUnitTree;
using reference::KorTree;
using reference::SearchTree;
using reference::Tgeo_un_mod;

namespace {

class Units : public GeoWindows {
protected:
    void SetUp() override
    {
        GeoWindows::SetUp();
        admin().exec("truncate geo_un cascade");
    }
    QString unit(const QString& name, const QString& parent = {})
    {
        return admin()
            .open(QStringLiteral("insert into geo_un (geo_nev, geo_papa, letre_user, letre_datum) values ('%1', %2, 1, "
                                 "'2024-03-05 10:20:30') returning geo_id")
                      .arg(name, parent.isEmpty() ? "null" : parent))
            .text(0, 0);
    }
    QString kor(const QString& name) { return scalar("select kor_id from korok where kor_nev='" + name + "'"); }
    QString papa(const QString& id) { return scalar("select geo_papa from geo_un where geo_id=" + id); }

    // the captions of the tree, depth first, children indented by two blanks
    static QStringList outline(SearchTree* t)
    {
        QStringList out;
        for (QTreeWidgetItem* n : t->nodes()) {
            int depth = 0;
            for (auto* p = n->parent(); p; p = p->parent()) ++depth;
            out << QString(depth * 2, ' ') + n->text(0) + (SearchTree::marked(n) ? "*" : "");
        }
        return out;
    }
    static QString current(SearchTree* t) { return t->currentItem() ? t->currentItem()->text(0) : QString(); }

    // the unit picker confirms the node of this key
    void pickUnit(const QString& id)
    {
        when<GeoUnitTree>("Tgeo_un2", [id](GeoUnitTree* w) {
            ASSERT_TRUE(w->tree()->selectNode(id.toInt()));
            w->okButton()->click();
        });
    }
    void pickTime(const QString& id)
    {
        when<KorTree>("Tkorok", [id](KorTree* w) {
            ASSERT_TRUE(w->tree()->selectNode(id.toInt()));
            w->okButton()->click();
        });
    }
};

TEST_F(Units, TreeIsBuiltByParentAndNameWithTheDetailsOfTheSelectedUnit)
{
    const QString tisza = unit("Tisza"), alcapa = unit("ALCAPA");
    const QString mecsek = unit("Mecsek", tisza), villany = unit("Villány", tisza);
    const QString moragy = unit("Mórágy", mecsek);
    admin().exec("update geo_un set age_of_pr=" + kor("Jurassic") + ", met_grade=(select mgrade_id from mgrade where "
                 "mgrade_nev='Greenschist facies'), description='granite body' where geo_id=" + moragy);
    admin().exec("insert into geoun_kor (geo_id, kor_id) values (" + moragy + "," + kor("Cretaceous") + "), (" + moragy +
                 "," + kor("Triassic") + ")");
    open<GeoUnitTree>("Tgeo_un", [&](GeoUnitTree* w) {
        EXPECT_EQ(w->windowTitle(), "Geological");
        EXPECT_EQ(outline(w->tree()), (QStringList{"ALCAPA", "Tisza", "  Mecsek", "    Mórágy", "  Villány"}));
        EXPECT_TRUE(w->tree()->findNode(mecsek.toInt())->isExpanded());
        EXPECT_EQ(current(w->tree()), "ALCAPA");
        EXPECT_EQ(w->detail("geo_id")->text(), alcapa);
        EXPECT_TRUE(w->detail("papa")->text().isEmpty());
        EXPECT_TRUE(w->searchBar()->filter()->text().isEmpty());

        w->tree()->selectNode(moragy.toInt());
        EXPECT_EQ(w->detail("geo_id")->text(), moragy);
        EXPECT_EQ(w->detail("geo_nev")->text(), "Mórágy");
        EXPECT_EQ(w->detail("papa")->text(), "Mecsek");
        EXPECT_EQ(w->detail("ageofpr")->text(), "Jurassic");  // the time unit's own name
        EXPECT_EQ(w->detail("mgrade_nev")->text(), "Greenschist facies");
        EXPECT_EQ(w->detail("teljnev")->text(), "Administrator");
        EXPECT_EQ(w->detail("letre_datum")->text(), "2024.03.05 10:20:30");
        EXPECT_EQ(w->description()->toPlainText(), "granite body");
        EXPECT_EQ(shown(w->agesGrid(), "kor_nev"),
                  (QStringList{"Phanerozoic / Mesozoic / Cretaceous", "Phanerozoic / Mesozoic / Triassic"}));

        w->tree()->selectNode(villany.toInt());
        EXPECT_TRUE(shown(w->agesGrid(), "kor_nev").isEmpty());
        EXPECT_EQ(w->detail("papa")->text(), "Tisza");
    });
}

TEST_F(Units, SearchMarksInBoldAndTheMatchesAreWalkedRoundInBothDirections)
{
    const QString a = unit("Alpine"), b = unit("Bükk");
    unit("alpine foreland", a);
    unit("Sub-ALPINE", b);
    unit("Carpathian", b);
    open<GeoUnitTree>("Tgeo_un", [&](GeoUnitTree* w) {
        w->searchBar()->filter()->setText("alpine");
        w->searchBar()->searchButton()->click();
        EXPECT_EQ(outline(w->tree()), (QStringList{"Alpine*", "  alpine foreland*", "Bükk", "  Carpathian", "  Sub-ALPINE*"}));
        EXPECT_EQ(current(w->tree()), "alpine foreland");  // the first match after the first node
        w->searchBar()->nextButton()->click();
        EXPECT_EQ(current(w->tree()), "Sub-ALPINE");
        w->searchBar()->nextButton()->click();
        EXPECT_EQ(current(w->tree()), "Alpine");  // round again
        w->searchBar()->previousButton()->click();
        EXPECT_EQ(current(w->tree()), "Sub-ALPINE");
        EXPECT_EQ(w->tree()->font().bold(), false);
        EXPECT_TRUE(w->tree()->findNode(a.toInt())->font(0).bold());

        w->searchBar()->collapseButton()->click();
        EXPECT_FALSE(w->tree()->findNode(b.toInt())->isExpanded());
        w->searchBar()->expandButton()->click();
        EXPECT_TRUE(w->tree()->findNode(b.toInt())->isExpanded());

        w->searchBar()->clearButton()->click();
        EXPECT_TRUE(w->searchBar()->filter()->text().isEmpty());
        EXPECT_EQ(outline(w->tree()), (QStringList{"Alpine", "  alpine foreland", "Bükk", "  Carpathian", "  Sub-ALPINE"}));
    });
}

TEST_F(Units, DeleteRefusesUnitsWithSamplesBeforeAskingAndUnitsWithChildrenAfter)
{
    const QString used = unit("Used"), parent = unit("Parent"), leaf = unit("Leaf");
    unit("Child", parent);
    admin().exec("insert into samplet (sample_name, mint_jel, geo_id) values ('S1', 1, " + used + ")");
    admin().exec("insert into geoun_kor (geo_id, kor_id) values (" + leaf + "," + kor("Jurassic") + ")");
    struct Case {
        QString id;
        QStringList questions, notices;
        bool gone;
    } cases[] = {
        {used, {}, {msg::recordLinked}, false},
        {parent, {msg::confirmDelete}, {msg::recordLinked}, false},
        {leaf, {msg::confirmDelete}, {}, true},
    };
    for (const Case& c : cases) {
        user->prompter.clear();
        user->prompter.alwaysAnswer(true);
        open<GeoUnitTree>("Tgeo_un", [&](GeoUnitTree* w) {
            ASSERT_TRUE(w->tree()->selectNode(c.id.toInt()));
            w->deleteButton()->click();
            EXPECT_EQ(w->tree()->findNode(c.id.toInt()) == nullptr, c.gone);
        });
        EXPECT_EQ(user->prompter.questions(), c.questions) << c.id.toStdString();
        EXPECT_EQ(user->prompter.notices(), c.notices) << c.id.toStdString();
        EXPECT_EQ(scalar("select count(*) from geo_un where geo_id=" + c.id), c.gone ? "0" : "1");
    }
    EXPECT_EQ(scalar("select count(*) from geoun_kor"), "0");
}

// a user who answers yes while another user links a sample to the unit
class LinkWhileAsking : public core::Prompter {
public:
    LinkWhileAsking(db::Connection& other, QString unit) : other_(other), unit_(std::move(unit)) {}
    void notice(const QString& text) override { notices << text; }
    bool question(const QString&) override
    {
        other_.exec("insert into samplet (sample_name, mint_jel, geo_id) values ('Late', 1, " + unit_ + ")");
        return true;
    }
    QStringList notices;

private:
    db::Connection& other_;
    QString unit_;
};

TEST_F(Units, ARefusedUnitDeleteKeepsItsMetamorphicAges)
{
    const QString id = unit("Unit");
    admin().exec("insert into geoun_kor (geo_id, kor_id) values (" + id + "," + kor("Jurassic") + ")");
    LinkWhileAsking other(admin(), id);
    dm->setPrompter(&other);
    open<GeoUnitTree>("Tgeo_un", [&](GeoUnitTree* w) { w->deleteButton()->click(); });
    dm->setPrompter(&user->prompter);
    EXPECT_EQ(other.notices, QStringList{msg::recordLinked});
    EXPECT_EQ(scalar("select count(*) from geo_un"), "1");
    EXPECT_EQ(scalar("select count(*) from geoun_kor"), "1");
    EXPECT_EQ(dm->conn().open("select 1 as one").text(0, 0), "1");  // not left in a failed transaction
}

TEST_F(Units, AddTakesTheSelectedUnitsParentAndAddChildTheUnitItself)
{
    const QString top = unit("Top"), mid = unit("Mid", top);
    struct Case {
        const char* action;
        QString selected;
        QString parent;  // expected parent key ("" none)
        const char* parentName;
    } cases[] = {
        {"Add", mid, top, "Top"},          // beside Mid: under Top
        {"Add Child", mid, mid, "Mid"},    // under Mid
        {"Add", top, "", ""},              // beside a top-level unit: top level
        {"button", mid, "", ""},           // the "Add" button: always top level
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString name = QStringLiteral("New %1").arg(++n);
        user->prompter.answer(true);
        open<GeoUnitTree>("Tgeo_un", [&](GeoUnitTree* w) {
            ASSERT_TRUE(w->tree()->selectNode(c.selected.toInt()));
            when<Tgeo_un_mod>("Tgeo_un_mod", [&](Tgeo_un_mod* e) {
                EXPECT_TRUE(e->idEdit()->text().isEmpty());
                EXPECT_EQ(e->parentField()->id(), c.parent) << c.action;
                EXPECT_EQ(e->parentField()->name(), c.parentName) << c.action;
                e->nameEdit()->setText("  " + name + " ");
                e->saveButton()->click();
                EXPECT_FALSE(e->isVisible());
            });
            if (QString(c.action) == "button")
                w->addButton()->click();
            else
                w->trigger(c.action);
            // built again, the new unit selected
            EXPECT_EQ(current(w->tree()), name);
        });
        const QString id = scalar("select geo_id from geo_un where geo_nev='" + name + "'");  // trimmed
        ASSERT_FALSE(id.isEmpty()) << c.action;
        EXPECT_EQ(papa(id), c.parent) << c.action;
        EXPECT_EQ(scalar("select letre_user from geo_un where geo_id=" + id), QString::number(dm->current_user_id));
    }
}

TEST_F(Units, EditorWritesEveryColumnOfAnExistingUnit)
{
    const QString a = unit("A"), b = unit("B"), c = unit("C", a);
    user->prompter.answer(true);
    open<GeoUnitTree>("Tgeo_un", [&](GeoUnitTree* w) {
        ASSERT_TRUE(w->tree()->selectNode(c.toInt()));
        when<Tgeo_un_mod>("Tgeo_un_mod", [&](Tgeo_un_mod* e) {
            EXPECT_EQ(e->idEdit()->text(), c);
            EXPECT_FALSE(e->idEdit()->isEnabled());
            EXPECT_EQ(e->parentField()->name(), "A");
            EXPECT_EQ(e->createdByEdit()->text(), "Administrator");
            e->nameEdit()->setText("C'est la ' unité ");
            pickUnit(b);
            e->parentField()->pickButton()->click();
            when<KorTree>("Tkorok", [&](KorTree* k) {
                ASSERT_TRUE(k->tree()->selectNode(kor("Jurassic").toInt()));
                k->okButton()->click();
            });
            e->ageField()->pickButton()->click();
            EXPECT_EQ(e->ageField()->name(), "Phanerozoic / Mesozoic / Jurassic");  // the full path here
            when<reference::RefList>("Tmgrade", [&](reference::RefList* g) {
                ASSERT_TRUE(selectKey(g->grid(), "mgrade_id", "3"));
                g->okButton()->click();
            });
            e->gradeField()->pickButton()->click();
            e->descriptionEdit()->setPlainText("it's here");
            e->saveButton()->click();
            EXPECT_FALSE(e->isVisible());
        });
        w->editButton()->click();
        EXPECT_EQ(current(w->tree()), "C'est la ' unité ");
        EXPECT_EQ(w->detail("papa")->text(), "B");
    });
    const db::Dataset r = admin().open("select * from geo_un where geo_id=" + c);
    EXPECT_EQ(r.text(0, "geo_nev"), "C'est la ' unité ");  // as typed
    EXPECT_EQ(r.text(0, "geo_papa"), b);
    EXPECT_EQ(r.text(0, "age_of_pr"), kor("Jurassic"));
    EXPECT_EQ(r.text(0, "met_grade"), "3");
    EXPECT_EQ(r.text(0, "description"), "it's here");

    // cleared again: the button beside the parent and the clear buttons
    user->prompter.answer(true);
    open<GeoUnitTree>("Tgeo_un", [&](GeoUnitTree* w) {
        ASSERT_TRUE(w->tree()->selectNode(c.toInt()));
        when<Tgeo_un_mod>("Tgeo_un_mod", [&](Tgeo_un_mod* e) {
            e->parentField()->clearButton()->click();
            e->ageField()->clearButton()->click();
            e->gradeField()->clearButton()->click();
            e->saveButton()->click();
        });
        w->trigger("Edit");
    });
    EXPECT_EQ(scalar("select concat_ws('/', geo_papa, age_of_pr, met_grade) from geo_un where geo_id=" + c), "");
}

TEST_F(Units, ANewUnitIsSavedThroughTheAgesPromptAndTheNextAddAssignsTheAge)
{
    const QString jurassic = kor("Jurassic");
    user->prompter.answers({true, true});
    open<GeoUnitTree>("Tgeo_un", [&](GeoUnitTree* w) {
        when<Tgeo_un_mod>("Tgeo_un_mod", [&](Tgeo_un_mod* e) {
            e->nameEdit()->setText("Fresh");
            e->addAgeButton()->click();
            EXPECT_TRUE(e->isVisible());
            ASSERT_FALSE(e->idEdit()->text().isEmpty());
            EXPECT_TRUE(shown(e->agesGrid(), "kor_nev").isEmpty());
            pickTime(jurassic);
            e->addAgeButton()->click();
            EXPECT_EQ(shown(e->agesGrid(), "kor_nev"), QStringList{"Phanerozoic / Mesozoic / Jurassic"});

            user->prompter.answer(true);
            e->agesGrid()->setCurrentRow(0);
            e->deleteAgeButton()->click();
            EXPECT_TRUE(shown(e->agesGrid(), "kor_nev").isEmpty());
            e->reject();
        });
        w->addButton()->click();
        EXPECT_NE(w->tree()->findNode(scalar("select geo_id from geo_un where geo_nev='Fresh'").toInt()), nullptr);
    });
    EXPECT_EQ(user->prompter.questions(),
              (QStringList{msg::saveBeforeMetamorphicAge, msg::confirmSave,
                           msg::confirmDelete + " (\"Phanerozoic / Mesozoic / Jurassic\")"}));
    EXPECT_EQ(scalar("select count(*) from geo_un where geo_nev='Fresh'"), "1");
}

TEST_F(Units, AUnitCannotBecomeItsOwnOrItsDescendantsChild)
{
    const QString top = unit("Top"), other = unit("Other"), mid = unit("Mid", top), low = unit("Low", mid);
    struct Case {
        QString chosen;
        bool refused;
        const char* shownParent;
    } cases[] = {
        {top, true, ""}, {mid, true, ""}, {low, true, ""}, {other, false, "Other"},
    };
    for (const Case& c : cases) {
        user->prompter.clear();
        open<GeoUnitTree>("Tgeo_un", [&](GeoUnitTree* w) {
            ASSERT_TRUE(w->tree()->selectNode(top.toInt()));
            when<Tgeo_un_mod>("Tgeo_un_mod", [&](Tgeo_un_mod* e) {
                pickUnit(c.chosen);
                e->parentField()->pickButton()->click();
                EXPECT_EQ(e->parentField()->name(), c.shownParent);
                EXPECT_EQ(e->parentField()->id(), c.refused ? "" : other);
                e->reject();
            });
            w->editButton()->click();
        });
        EXPECT_EQ(user->prompter.notices(), c.refused ? QStringList{msg::ownChild} : QStringList{});
    }
    EXPECT_EQ(papa(top), "");
}

TEST_F(Units, ThePickerTreeSelectsTheCallersUnitAndADoubleClickChoosesIt)
{
    unit("A");
    const QString b = unit("B"), b1 = unit("B1", b);
    when<GeoUnitTree>("Tgeo_un2", [&](GeoUnitTree* w) {
        EXPECT_EQ(w->windowTitle(), "Geological Unit");
        EXPECT_EQ(w->addButton(), nullptr);
        EXPECT_EQ(current(w->tree()), "B1");
        EXPECT_EQ(w->detail("papa")->text(), "B");
        w->tree()->selectNode(b.toInt());
        QTreeWidgetItem* n = w->tree()->currentItem();
        emit w->tree()->itemDoubleClicked(n, 0);
    });
    EXPECT_EQ(dm->geo_un2torzs(b1), b);
    EXPECT_EQ(dm->geonev(b), "B");
}

}  // namespace
