// The geological time trees and the time editor against a real server: each level
// in its order, the enclosing units' path in the parent field, the parents of
// "Add" and "Add Child", the order checked as a whole number, the refusal of the
// unit itself or a descendant as its parent, and the server's refusal of a used unit.

#include "geowindows.h"

#include "core/messages.h"
#include "reference/kor_f.h"
#include "reference/kormod.h"
#include "reference/numcheck.h"
#include "reference/pickfield.h"
#include "reference/searchtree.h"

#include <QLineEdit>

using namespace geotest;
using reference::KorTree;
using reference::SearchTree;
using reference::Tkorm;

namespace {

class Time : public GeoWindows {
protected:
    QString kor(const QString& name) { return scalar("select kor_id from korok where kor_nev='" + name + "'"); }
    static QStringList children(SearchTree* t, const QString& id)
    {
        QStringList out;
        QTreeWidgetItem* n = t->findNode(id.toInt());
        for (int i = 0; n && i < n->childCount(); ++i) out << n->child(i)->text(0);
        return out;
    }
    static QStringList tops(SearchTree* t)
    {
        QStringList out;
        for (int i = 0; i < t->topLevelItemCount(); ++i) out << t->topLevelItem(i)->text(0);
        return out;
    }
    void pickParent(const QString& id)
    {
        when<KorTree>("Tkorok2", [id](KorTree* w) {
            ASSERT_TRUE(w->tree()->selectNode(id.toInt()));
            w->okButton()->click();
        });
    }
    // the editor opened by an action of the tree, on the node of this key
    void onEditor(const QString& selected, const char* action, std::function<void(Tkorm*)> handler)
    {
        open<KorTree>("Tkorok", [&](KorTree* w) {
            if (!selected.isEmpty()) {
                ASSERT_TRUE(w->tree()->selectNode(selected.toInt()));
            }
            when<Tkorm>("Tkorm", handler);
            if (QString(action) == "button")
                w->addButton()->click();
            else if (QString(action) == "Show/Edit")
                w->editButton()->click();
            else
                w->trigger(action);
        });
    }
};

TEST_F(Time, EveryLevelIsInItsOrderNotByName)
{
    open<KorTree>("Tkorok", [&](KorTree* w) {
        EXPECT_EQ(w->windowTitle(), "Geologic Time");
        EXPECT_EQ(tops(w->tree()), (QStringList{"Hadean", "Archean", "Proterozoic", "Phanerozoic"}));
        EXPECT_EQ(children(w->tree(), kor("Mesozoic")), (QStringList{"Triassic", "Jurassic", "Cretaceous"}));
        EXPECT_EQ(children(w->tree(), kor("Phanerozoic")), (QStringList{"Paleozoic", "Mesozoic", "Cenozoic"}));
        EXPECT_EQ(w->tree()->currentItem()->text(0), "Hadean");
    });
}

TEST_F(Time, EditorShowsTheEnclosingUnitsAsOnePathAndSavesTheChanges)
{
    const QString jurassic = kor("Jurassic");
    user->prompter.answer(true);
    onEditor(jurassic, "Show/Edit", [&](Tkorm* e) {
        EXPECT_EQ(e->idEdit()->text(), jurassic);
        EXPECT_EQ(e->nameEdit()->text(), "Jurassic");
        EXPECT_EQ(e->orderEdit()->text(), "2");
        EXPECT_EQ(e->parentField()->id(), kor("Mesozoic"));
        EXPECT_EQ(e->parentField()->name(), "Phanerozoic / Mesozoic");
        e->nameEdit()->setText(" Jura's period ");
        e->orderEdit()->setText(" 7 ");
        e->saveButton()->click();
        EXPECT_FALSE(e->isVisible());
    });
    EXPECT_EQ(scalar("select kor_nev||'|'||sorrend||'|'||kor_papa from korok where kor_id=" + jurassic),
              "Jura's period|7|" + kor("Mesozoic"));
}

TEST_F(Time, AddTakesTheSelectedUnitsParentAndAddChildTheUnitItself)
{
    const QString mesozoic = kor("Mesozoic"), jurassic = kor("Jurassic");
    struct Case {
        QString selected;
        const char* action;
        QString parent;
        const char* parentName;
    } cases[] = {
        {mesozoic, "Add Child", mesozoic, "Phanerozoic / Mesozoic"},
        {jurassic, "Add", mesozoic, "Phanerozoic / Mesozoic"},
        {kor("Hadean"), "Add", "", ""},
        {jurassic, "button", "", ""},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString name = QStringLiteral("Stage %1").arg(++n);
        user->prompter.answer(true);
        onEditor(c.selected, c.action, [&](Tkorm* e) {
            EXPECT_TRUE(e->idEdit()->text().isEmpty());
            EXPECT_TRUE(e->nameEdit()->text().isEmpty());
            EXPECT_TRUE(e->orderEdit()->text().isEmpty());
            EXPECT_EQ(e->parentField()->id(), c.parent) << c.action;
            EXPECT_EQ(e->parentField()->name(), c.parentName) << c.action;
            e->nameEdit()->setText(name);
            e->orderEdit()->setText(QString::number(10 + n));
            e->saveButton()->click();
            EXPECT_FALSE(e->isVisible());
        });
        EXPECT_EQ(scalar("select coalesce(kor_papa::text, '')||'/'||sorrend from korok where kor_nev='" + name + "'"),
                  c.parent + "/" + QString::number(10 + n))
            << c.action;
    }
    open<KorTree>("Tkorok", [&](KorTree* w) {
        EXPECT_EQ(children(w->tree(), mesozoic), (QStringList{"Triassic", "Jurassic", "Cretaceous", "Stage 1", "Stage 2"}));
    });
}

TEST_F(Time, NameAndOrderAreCheckedBeforeAnythingIsSent)
{
    struct Case {
        const char* name;
        const char* order;
        QString notice;
    } cases[] = {
        {"", "1", msg::ageEmpty},
        {"Stage", "", reference::notANumber("Order")},
        {"Stage", "1.5", reference::notANumber("Order")},
        {"Stage", "-", reference::notANumber("Order")},
        {"Stage", "1 2", reference::notANumber("Order")},
    };
    for (const Case& c : cases) {
        user->prompter.clear();
        onEditor({}, "button", [&](Tkorm* e) {
            e->nameEdit()->setText(c.name);
            e->orderEdit()->setText(c.order);
            const long long before = sent();
            e->saveButton()->click();
            EXPECT_EQ(sent(), before);
            EXPECT_TRUE(e->isVisible());
        });
        EXPECT_EQ(user->prompter.notices(), QStringList{c.notice}) << c.order;
        EXPECT_TRUE(user->prompter.questions().isEmpty());
    }
}

TEST_F(Time, ATimeUnitCannotBecomeItsOwnOrItsDescendantsChild)
{
    const QString mesozoic = kor("Mesozoic");
    struct Case {
        QString chosen;
        bool refused;
    } cases[] = {{mesozoic, true}, {kor("Jurassic"), true}, {kor("Paleozoic"), false}};
    for (const Case& c : cases) {
        user->prompter.clear();
        onEditor(mesozoic, "Edit", [&](Tkorm* e) {
            pickParent(c.chosen);
            e->parentField()->pickButton()->click();
            EXPECT_EQ(e->parentField()->id(), c.refused ? kor("Phanerozoic") : c.chosen);
            EXPECT_EQ(e->parentField()->name(), c.refused ? "Phanerozoic" : "Phanerozoic / Paleozoic");
            e->reject();
        });
        EXPECT_EQ(user->prompter.notices(), c.refused ? QStringList{msg::ownChild} : QStringList{});
    }
}

TEST_F(Time, AUnitInUseIsRefusedByTheServer)
{
    const QString jurassic = kor("Jurassic");
    admin().exec("insert into geo_un (geo_nev, age_of_pr) values ('U', " + jurassic + ")");
    user->prompter.alwaysAnswer(true);
    open<KorTree>("Tkorok", [&](KorTree* w) {
        ASSERT_TRUE(w->tree()->selectNode(jurassic.toInt()));
        w->deleteButton()->click();
        EXPECT_NE(w->tree()->findNode(jurassic.toInt()), nullptr);
    });
    EXPECT_EQ(user->prompter.notices(), QStringList{msg::recordLinked});
    const QString loose = admin().open("insert into korok (kor_nev, sorrend) values ('Loose', 9) returning kor_id").text(0, 0);
    open<KorTree>("Tkorok", [&](KorTree* w) {
        ASSERT_TRUE(w->tree()->selectNode(loose.toInt()));
        w->trigger("Delete");
        EXPECT_EQ(w->tree()->findNode(loose.toInt()), nullptr);
    });
    EXPECT_EQ(scalar("select count(*) from korok where kor_id=" + loose), "0");
}

TEST_F(Time, ThePickerTreeSelectsTheCallersUnitEnterChoosesAndItsNameIsThePath)
{
    const QString triassic = kor("Triassic"), cretaceous = kor("Cretaceous");
    when<KorTree>("Tkorok2", [&](KorTree* w) {
        EXPECT_EQ(w->addButton(), nullptr);
        EXPECT_EQ(w->tree()->currentId(), triassic.toInt());
        w->tree()->selectNode(cretaceous.toInt());
        pressKey(w->tree(), Qt::Key_Return);
    });
    EXPECT_EQ(dm->kor2(triassic), cretaceous);
    EXPECT_EQ(dm->kornev(cretaceous), "Phanerozoic / Mesozoic / Cretaceous");
}

}  // namespace
