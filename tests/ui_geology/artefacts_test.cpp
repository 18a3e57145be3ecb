// The artefact list and editor against a real server: the list over its view with
// the description under the cursor, the editor's compulsory fields, dimensions,
// institution buttons, alternative names and rights, and a refused UPDATE that
// keeps what the user typed.

#include "geowindows.h"

#include "controls/csakszamedit.h"
#include "core/messages.h"
#include "db/sqltext.h"
#include "reference/alt_art.h"
#include "reference/artmod.h"
#include "reference/labormod.h"
#include "reference/reflist.h"
#include "reference/numcheck.h"
#include "reference/pickfield.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace geotest;
using reference::Talt_art;
using reference::Tlaborm;
using reference::Tartm;
using reference::RefList;

namespace {

class Artefacts : public GeoWindows {
protected:
    // the editor for a new artefact, opened by the list's "Add"
    void addArtefact(std::function<void(Tartm*)> handler)
    {
        open<RefList>("Tartt", [&](RefList* list) {
            when<Tartm>("Tartm", handler);
            list->addButton()->click();
        });
    }
    // the editor for an existing artefact, opened by the list's "Show/Edit"
    void editArtefact(const QString& id, std::function<void(Tartm*)> handler)
    {
        open<RefList>("Tartt", [&](RefList* list) {
            ASSERT_TRUE(selectKey(list->grid(), "art_id", id));
            when<Tartm>("Tartm", handler);
            list->editButton()->click();
        });
    }
    QString column(const QString& id, const QString& col)
    {
        return scalar(QStringLiteral("select %1 from artefactt where art_id=%2").arg(col, id));
    }
    int artefacts() { return scalar("select count(*) from artefactt").toInt(); }
};

TEST_F(Artefacts, ListShowsTheViewAndTheDescriptionFollowsTheCursor)
{
    const QString lab = seedLabor("Museum of Stone");
    seedArtefact("celt", lab, "polished celt");
    seedArtefact("Axe", lab, "a shaft-hole axe");
    seedArtefact("blade", "", "flint blade");
    open<RefList>("Tartt", [&](RefList* w) {
        EXPECT_EQ(w->windowTitle(), "Artefact");
        EXPECT_EQ(shown(w->grid(), "art_name"), (QStringList{"Axe", "blade", "celt"}));  // letter case ignored
        EXPECT_EQ(shown(w->grid(), "labor_nev"), (QStringList{"Museum of Stone", "", "Museum of Stone"}));
        EXPECT_EQ(w->editButton()->text(), "Show/Edit");
        EXPECT_EQ(w->memo()->toPlainText(), "a shaft-hole axe");
        pressKey(w->grid(), Qt::Key_Down);
        EXPECT_EQ(w->memo()->toPlainText(), "flint blade");
        clickRow(w->grid(), 2);
        EXPECT_EQ(w->memo()->toPlainText(), "polished celt");
        pressKey(w->grid(), Qt::Key_Up);
        EXPECT_EQ(w->memo()->toPlainText(), "flint blade");
    });
}

TEST_F(Artefacts, ColumnsShareAWideGrid)
{
    open<RefList>("Tartt", [&](RefList* w) {
        auto widthOf = [&](const char* f) { return w->grid()->columnWidth(w->grid()->dataModel()->columnOf(f)); };
        w->resize(500, 400);
        ASSERT_LT(w->grid()->width(), 690);
        EXPECT_EQ(widthOf("art_name"), 200);
        EXPECT_EQ(widthOf("labor_nev"), 200);
        w->resize(1000, 400);
        ASSERT_GE(w->grid()->width(), 690);
        const int share = qRound((w->grid()->width() - 360) * 0.5);
        EXPECT_EQ(widthOf("art_name"), share);
        EXPECT_EQ(widthOf("labor_nev"), share);
        EXPECT_EQ(widthOf("art_id"), 40);
        EXPECT_EQ(widthOf("orszag_nev"), 100);
    });
}

TEST_F(Artefacts, CompulsoryFieldsAreReportedTogetherAndNothingIsWritten)
{
    const QString lab = seedLabor("Museum");
    struct Case {
        const char* name;
        bool institution;
        QString notice;
    } cases[] = {
        {"", false, msg::artNameEmpty + "\r" + msg::instituteEmpty + "\r"},
        {"Axe", false, msg::instituteEmpty + "\r"},
        {"", true, msg::artNameEmpty + "\r"},
    };
    for (const Case& c : cases) {
        user->prompter.clear();
        addArtefact([&](Tartm* e) {
            e->nameEdit()->setText(c.name);
            if (c.institution) {
                chooseInstitution(lab);
                e->institutionField()->pickButton()->click();
            }
            e->okButton()->click();
            EXPECT_TRUE(e->isVisible());
        });
        EXPECT_EQ(user->prompter.notices(), QStringList{c.notice}) << c.name;
        EXPECT_TRUE(user->prompter.questions().isEmpty());
    }
    EXPECT_EQ(artefacts(), 0);
}

TEST_F(Artefacts, NewArtefactIsStoredAsTypedWithEmptyDimensionsAsNull)
{
    const QString lab = seedLabor("Museum");
    user->prompter.answer(true);
    QString id;
    addArtefact([&](Tartm* e) {
        EXPECT_TRUE(e->idEdit()->text().isEmpty());
        EXPECT_EQ(e->dateAddedEdit()->date(), QDate::currentDate());
        chooseInstitution(lab);
        e->institutionField()->pickButton()->click();
        EXPECT_EQ(e->institutionField()->name(), "Museum");
        e->nameEdit()->setText(" O'Brien's axe; drop table users -- ");
        e->widthEdit()->setText("12.5");
        e->weightEdit()->setText("-3");
        e->materialEdit()->setText("it's basalt");
        e->ageEdit()->setText("Neolithic");
        e->dateAddedEdit()->setDate(QDate(2024, 2, 29));
        e->descriptionEdit()->setPlainText("two\nlines 'quoted'");
        e->okButton()->click();
        EXPECT_FALSE(e->isVisible());
        id = e->idEdit()->text();
    });
    EXPECT_EQ(user->prompter.questions(), QStringList{msg::confirmSave});
    ASSERT_FALSE(id.isEmpty());
    const db::Dataset r = admin().open(
        "select art_name, labor_id, width, length, depth, weight, tip_mat, tip_age, dateadd, description, "
        "letre_user, letre_dat is not null as stamped from artefactt where art_id=" + id);
    ASSERT_EQ(r.rowCount(), 1);
    EXPECT_EQ(r.text(0, "art_name"), " O'Brien's axe; drop table users -- ");  // as typed, not trimmed
    EXPECT_EQ(r.text(0, "labor_id"), lab);
    EXPECT_EQ(r.text(0, "width"), "12.5");
    EXPECT_TRUE(r.isNull(0, "length"));
    EXPECT_TRUE(r.isNull(0, "depth"));
    EXPECT_EQ(r.text(0, "weight"), "-3");
    EXPECT_EQ(r.text(0, "tip_mat"), "it's basalt");
    EXPECT_EQ(r.text(0, "dateadd"), "2024.02.29");
    EXPECT_EQ(r.text(0, "description"), "two\nlines 'quoted'");
    EXPECT_EQ(r.text(0, "letre_user"), QString::number(dm->current_user_id));
    EXPECT_EQ(r.text(0, "stamped"), "True");
    EXPECT_EQ(scalar("select count(*) from users"), "6");
}

TEST_F(Artefacts, DimensionsThatHoldNoNumberAreRefusedBeforeAnythingIsSent)
{
    const QString id = seedArtefact("Axe", seedLabor("Museum"));
    struct Case {
        const char* field;
        const char* text;
        const char* label;
    } cases[] = {
        {"width", "-", "Width"}, {"length", ".", "Length"}, {"depth", "1-2", "Depth"},
        {"weight", "12,5", "Weight"}, {"width", "1e3", "Width"}, {"depth", "٣", "Depth"},
        {"length", "1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000", "Length"},
    };
    for (const Case& c : cases) {
        user->prompter.clear();
        editArtefact(id, [&](Tartm* e) {
            e->findChild<QLineEdit*>(c.field)->setText(c.text);  // pasted: the key filter never saw it
            const long long before = sent();
            e->okButton()->click();
            EXPECT_EQ(sent(), before) << c.text;
            EXPECT_TRUE(e->isVisible());
        });
        EXPECT_EQ(user->prompter.notices(), QStringList{reference::notANumber(c.label) + "\r"}) << c.text;
        EXPECT_TRUE(user->prompter.questions().isEmpty());
    }
    EXPECT_TRUE(admin().open("select width, length, depth, weight from artefactt").isNull(0, "width"));
}

TEST_F(Artefacts, DimensionFieldsLetOnlyNumberKeysThrough)
{
    addArtefact([&](Tartm* e) {
        typeInto(e->widthEdit(), "1a2.3.4-,5");
        EXPECT_EQ(e->widthEdit()->text(), "12.34-5");  // one ".", one "-" anywhere, no letters or commas
        e->reject();
    });
}

TEST_F(Artefacts, ExistingArtefactIsUpdatedInEveryColumn)
{
    const QString lab = seedLabor("Museum"), other = seedLabor("Gallery");
    const QString id = seedArtefact("Axe", lab, "old");
    admin().exec("update artefactt set width=4, weight=9, dateadd='2020-01-02' where art_id=" + id);
    user->prompter.answer(true);
    editArtefact(id, [&](Tartm* e) {
        EXPECT_EQ(e->nameEdit()->text(), "Axe");
        EXPECT_EQ(e->institutionField()->name(), "Museum");
        EXPECT_EQ(e->widthEdit()->text(), "4");
        EXPECT_EQ(e->dateAddedEdit()->date(), QDate(2020, 1, 2));
        EXPECT_EQ(e->createdByLabel()->text(), "Administrator");
        chooseInstitution(other);
        e->institutionField()->pickButton()->click();
        e->nameEdit()->setText("Axe 'B' ");
        e->widthEdit()->clear();
        e->depthEdit()->setText("0.25");
        e->descriptionEdit()->setPlainText("new");
        e->okButton()->click();
        EXPECT_FALSE(e->isVisible());
    });
    const db::Dataset r = admin().open("select * from artefactt where art_id=" + id);
    EXPECT_EQ(r.text(0, "art_name"), "Axe 'B' ");
    EXPECT_EQ(r.text(0, "labor_id"), other);
    EXPECT_TRUE(r.isNull(0, "width"));
    EXPECT_EQ(r.text(0, "depth"), "0.25");
    EXPECT_EQ(r.text(0, "weight"), "9");
    EXPECT_EQ(r.text(0, "description"), "new");
    EXPECT_EQ(r.text(0, "dateadd"), "2020.01.02");
}

TEST_F(Artefacts, ArtefactWithoutDateKeepsNoDate)
{
    const QString id = seedArtefact("Axe", seedLabor("Museum"));
    user->prompter.answer(true);
    editArtefact(id, [&](Tartm* e) {
        EXPECT_EQ(e->dateAddedEdit()->text(), " ");
        e->okButton()->click();
    });
    EXPECT_EQ(column(id, "dateadd is null"), "True");
}

TEST_F(Artefacts, RefusedUpdateKeepsTheEditorOpenWithTheInput)
{
    const QString id = seedArtefact("Axe", seedLabor("Museum"));
    const QString gone = seedLabor("Closed gallery");
    user->prompter.answer(true);
    editArtefact(id, [&](Tartm* e) {
        chooseInstitution(gone);
        e->institutionField()->pickButton()->click();
        admin().exec("delete from labort where labor_kod=" + gone);  // another user, meanwhile
        e->nameEdit()->setText("Renamed");
        e->weightEdit()->setText("2.5");
        e->okButton()->click();
        EXPECT_TRUE(e->isVisible());
        EXPECT_EQ(e->nameEdit()->text(), "Renamed");
        EXPECT_EQ(e->weightEdit()->text(), "2.5");
        EXPECT_EQ(e->institutionField()->name(), "Closed gallery");
        EXPECT_EQ(e->idEdit()->text(), id);
        e->reject();
    });
    ASSERT_EQ(user->prompter.notices().size(), 1);
    EXPECT_TRUE(user->prompter.lastNotice().contains("foreign key")) << user->prompter.lastNotice().toStdString();
    EXPECT_EQ(column(id, "art_name"), "Axe");
    EXPECT_EQ(dm->conn().open("select 1 as one").text(0, 0), "1");  // the session is usable
}

TEST_F(Artefacts, ShowButtonOpensTheInstitutionNewOrChosenAndShowsItsNameAfterwards)
{
    const QString lab = admin()
                            .open("insert into labort (labor_nev, orszag_kod, varos_kod, iranyitosz, utca_hazsz) "
                                  "select 'Museum', orszag_kod, varos_kod, '1088', 'Múzeum krt. 14' from orszagt, "
                                  "varost limit 1 returning labor_kod")
                            .text(0, 0);
    user->prompter.answer(true);
    addArtefact([&](Tartm* e) {
        // nothing chosen yet: a new institution
        when<Tlaborm>("Tlaborm", [&](Tlaborm* l) {
            EXPECT_TRUE(l->idEdit()->text().isEmpty());
            EXPECT_TRUE(l->name()->text().isEmpty());
            l->reject();
        });
        e->showInstitutionButton()->click();

        chooseInstitution(lab);
        e->institutionField()->pickButton()->click();
        when<Tlaborm>("Tlaborm", [&](Tlaborm* l) {
            EXPECT_EQ(l->idEdit()->text(), lab);
            EXPECT_EQ(l->name()->text(), "Museum");
            l->name()->setText("Museum of Stone");
            l->saveButton()->click();
            l->reject();
        });
        e->showInstitutionButton()->click();
        EXPECT_EQ(e->institutionField()->name(), "Museum of Stone");
        e->reject();
    });
    EXPECT_EQ(user->prompter.notices(), QStringList{msg::recordSaved});
    EXPECT_EQ(user->modal.shownWindows().count("Tlaborm"), 2);
}

TEST_F(Artefacts, AlternativeNameOnAnUnsavedArtefactSavesItFirstAndStaysOpen)
{
    const QString lab = seedLabor("Museum");
    user->prompter.answers({true, true, true, true});
    QString id;
    addArtefact([&](Tartm* e) {
        e->nameEdit()->setText("Axe");
        chooseInstitution(lab);
        e->institutionField()->pickButton()->click();
        e->addAltButton()->click();
        EXPECT_TRUE(e->isVisible());  // saved, not closed
        id = e->idEdit()->text();
        EXPECT_FALSE(id.isEmpty());
        EXPECT_EQ(e->createdByLabel()->text(), "Administrator");

        // now the name can be given; an empty one is refused first
        when<Talt_art>("Talt_art", [&](Talt_art* a) {
            EXPECT_EQ(a->artefact(), id);
            a->okButton()->click();
            EXPECT_TRUE(a->isVisible());
            a->nameEdit()->setText("  Hammer-axe ");
            a->okButton()->click();
            EXPECT_FALSE(a->isVisible());
        });
        e->addAltButton()->click();
        EXPECT_EQ(shown(e->altNamesGrid(), "art_name"), QStringList{"Hammer-axe"});

        e->altNamesGrid()->setCurrentRow(0);
        e->deleteAltButton()->click();
        EXPECT_TRUE(shown(e->altNamesGrid(), "art_name").isEmpty());
        e->reject();
    });
    EXPECT_EQ(user->prompter.questions(),
              (QStringList{msg::saveBeforeArtefactName, msg::confirmSave, msg::confirmSave, msg::confirmDelete}));
    EXPECT_EQ(user->prompter.notices(), QStringList{msg::artNameEmpty});
    EXPECT_EQ(column(id, "art_name"), "Axe");
    EXPECT_EQ(scalar("select count(*) from art_nev"), "0");
}

TEST_F(Artefacts, AlternativeNamesAreListedByName)
{
    const QString id = seedArtefact("Axe", seedLabor("Museum"));
    admin().exec("insert into art_nev (art_name, art_id) values ('zeta', " + id + "), ('Alpha', " + id + ")");
    editArtefact(id, [&](Tartm* e) {
        EXPECT_EQ(shown(e->altNamesGrid(), "art_name"), (QStringList{"Alpha", "zeta"}));
        e->reject();
    });
}

TEST_F(Artefacts, AnotherUsersArtefactIsReadOnlyForAnOwnerOfRightC)
{
    const QString id = seedArtefact("Axe", seedLabor("Museum"));
    loginAs("editor");
    editArtefact(id, [&](Tartm* e) {
        EXPECT_TRUE(e->nameEdit()->isReadOnly());
        EXPECT_TRUE(e->weightEdit()->isReadOnly());
        EXPECT_TRUE(e->descriptionEdit()->isReadOnly());
        EXPECT_FALSE(e->dateAddedEdit()->isEnabled());
        e->okButton()->click();
        e->institutionField()->pickButton()->click();
        e->institutionField()->clearButton()->click();
        e->addAltButton()->click();
        EXPECT_EQ(e->institutionField()->name(), "Museum");
        e->reject();
    });
    EXPECT_EQ(user->prompter.notices(), QStringList(4, msg::noRight));
}

TEST_F(Artefacts, PickerHandsBackTheChosenArtefactAndItsNameIsLookedUp)
{
    seedArtefact("Axe", "");
    const QString celt = seedArtefact("Celt", "");
    when<RefList>("Tartt", [&](RefList* w) {
        EXPECT_EQ(w->browse(), 0);
        ASSERT_TRUE(selectKey(w->grid(), "art_id", celt));
        pressKey(w->grid(), Qt::Key_Return);
    });
    const QString picked = dm->arttorzs("");
    EXPECT_EQ(picked, celt);
    EXPECT_EQ(dm->artnev(picked), "Celt");
}

TEST_F(Artefacts, DeletingAnArtefactThatASampleUsesIsRefused)
{
    const QString id = seedArtefact("Axe", "");
    admin().exec("insert into samplet (sample_name, mint_jel, art_id) values ('S1', 1, " + id + ")");
    user->prompter.answer(true);
    open<RefList>("Tartt", [&](RefList* w) { w->deleteButton()->click(); });
    EXPECT_EQ(user->prompter.notices(), QStringList{msg::recordLinked});
    EXPECT_EQ(artefacts(), 1);
}

}  // namespace
