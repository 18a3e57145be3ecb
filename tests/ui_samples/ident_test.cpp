#include "samplewindows.h"

#include "core/messages.h"
#include "samples/desc_page.h"
#include "samples/idfield.h"
#include "reference/forms_reference.h"
#include "reference/loc_fa_f.h"
#include "reference/reflist.h"
#include "reference/searchtree.h"
#include "reference/szemelymod.h"
#include "reference/treewindow.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <libpq-fe.h>

using namespace samplestest;

namespace {

class Ident : public SampleWindows {
protected:
    void SetUp() override
    {
        SampleWindows::SetUp();
        country = scalar("insert into orszagt (orszag_nev) values ('Testland') returning orszag_kod");
        city = scalar("insert into varost (varos_nev) values ('Testcity') returning varos_kod");
        continent = scalar("insert into kontinentt (kont_name) values ('Testcontinent') returning kont_kod");
        lab = scalar("insert into labort (labor_nev, orszag_kod, varos_kod) values ('Museum', " + country + ", " + city + ") returning labor_kod");
        person = scalar("insert into szemelyt (lastname, firstname, orszag_kod, varos_kod) values ('Kis', 'Éva', 0, 0) returning nev_kod");
        loc1 = scalar("insert into localityt (loc_name, orszag_kod, kont_kod) values ('Quarry', " + country + ", " + continent + ") returning locality_id");
        loc2 = scalar("insert into localityt (loc_name, orszag_kod, kont_kod) values ('Tell', " + country + ", " + continent + ") returning locality_id");
        geo1 = scalar("insert into geo_un (geo_nev) values ('Unit one') returning geo_id");
        geo2 = scalar("insert into geo_un (geo_nev) values ('Unit two') returning geo_id");
        art = scalar("insert into artefactt (art_name, labor_id) values ('Axe', " + lab + ") returning art_id");
    }

    samples::DescSection* desc() const { return dynamic_cast<samples::DescSection*>(editor->section("desc")); }

    // "Save" of the identification page, answering the question
    void save(bool yes = true)
    {
        user->prompter.answer(yes);
        press(ident()->page(), "Save");
    }
    // the columns the page writes, as the server has them ("<null>" for null)
    QString row(const QString& id)
    {
        return scalar("select concat_ws('|', sample_name, mint_jel, coalesce(short_d, '<null>'), coalesce(description, '<null>'),"
                      " coalesce(locality_id::text, '<null>'), coalesce(geo_id::text, '<null>'), coalesce(art_id::text, '<null>'),"
                      " coalesce(other_type, '<null>')) from samplet where sample_id=" + id);
    }
    QString r(std::initializer_list<QString> parts) { return QStringList(parts).join('|'); }

    QString country, city, continent, lab, person, loc1, loc2, geo1, geo2, art;
};

}  // namespace

TEST_F(Ident, ANewSampleIsInsertedWithWhatItsTypeWrites)
{
    struct Case {
        QString what;
        std::function<void(samples::IdentSection*)> fill;
        std::function<QString()> expected;
    };
    const std::vector<Case> cases = {
        {"geological, name trimmed, empty short description as null",
         [&](samples::IdentSection* p) {
             p->nameBox()->setText("  Granite  ");
             p->geoLocality->set(loc1, "Quarry");
             p->geoUnitGeo->set(geo1, "Unit one");
         },
         [&] { return r({"Granite", "1", "<null>", "<null>", loc1, geo1, "<null>", "<null>"}); }},
        {"archaeological with a cleared excavation",
         [&](samples::IdentSection* p) {
             p->nameBox()->setText("Blade");
             p->shortBox()->setText("It's a blade");
             click(p->typeCaption(2));
             p->artefact->set(art, "Axe");
             p->excLocality->set("0", "");
             p->geoUnitArt->set(geo2, "Unit two");
         },
         [&] { return r({"Blade", "2", "It's a blade", "<null>", "<null>", geo2, art, "<null>"}); }},
        {"other: the text as typed, no unit even when one was picked before",
         [&](samples::IdentSection* p) {
             p->nameBox()->setText("Loose find");
             p->geoUnitGeo->set(geo1, "Unit one");
             click(p->typeFrame(3));
             p->otherText->setPlainText(" found ");
         },
         [&] { return r({"Loose find", "3", "<null>", "<null>", "<null>", "<null>", "<null>", " found "}); }},
    };
    for (const Case& c : cases) {
        QString newId;
        inEditor({}, [&] {
            c.fill(ident());
            desc()->textBox()->setPlainText("never written by an insert");
            save();
            newId = editor->sampleId();
        });
        ASSERT_FALSE(newId.isEmpty()) << c.what.toStdString() << ": " << user->prompter.lastNotice().toStdString();
        EXPECT_EQ(row(newId), c.expected()) << c.what.toStdString();
        EXPECT_EQ(scalar("select letre_user from samplet where sample_id=" + newId), QString::number(dm->current_user_id));
        EXPECT_FALSE(scalar("select letre_date from samplet where sample_id=" + newId).isEmpty());
    }
}

TEST_F(Ident, AnExistingSampleIsUpdatedWithWhatEachTypeWrites)
{
    const QString s = addSample("Basalt", 1, "locality_id, geo_id, short_d", loc1 + "," + geo1 + ",'old'");
    struct Case {
        QString what;
        std::function<void(samples::IdentSection*)> change;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"name as typed, empty short description as '', the description page's text, cleared locality as 0",
         [&](samples::IdentSection* p) {
             p->nameBox()->setText("  Basalt  ");
             p->shortBox()->clear();
             desc()->textBox()->setPlainText("O'Neil's notes");
             ASSERT_TRUE(p->geoLocality->clearButton());
             p->geoLocality->clearButton()->click();
         },
         r({"  Basalt  ", "1", "", "O'Neil's notes", "0", geo1, "<null>", "<null>"})},
        {"geological to archaeological: excavation and the archaeological unit",
         [&](samples::IdentSection* p) {
             click(p->typeCaption(2));
             p->artefact->set(art, "Axe");
             p->excLocality->set(loc2, "Tell");
             p->geoUnitArt->set(geo2, "Unit two");
         },
         r({"  Basalt  ", "2", "", "O'Neil's notes", loc2, geo2, art, "<null>"})},
        {"archaeological to other: the unit stays, the text trimmed",
         [&](samples::IdentSection* p) {
             click(p->typeFrame(3));
             p->otherText->setPlainText("  a note  ");
         },
         r({"  Basalt  ", "3", "", "O'Neil's notes", "<null>", geo2, "<null>", "a note"})},
    };
    for (const Case& c : cases) {
        inEditor(s, [&] {
            c.change(ident());
            save();
        });
        EXPECT_EQ(row(s), c.expected) << c.what.toStdString() << ": " << user->prompter.lastNotice().toStdString();
    }
    EXPECT_EQ(scalar("select coalesce(locality_id_ref::text, 'none') from samplet where sample_id=" + s), "none");
}

TEST_F(Ident, AClearedGeologicalLocalityReadsBackAsClearedAndSavesAgain)
{
    const QString s = addSample("Cleared", 1, "locality_id", "0");
    inEditor(s, [&] {
        EXPECT_EQ(ident()->geoLocality->id(), "0");
        EXPECT_TRUE(ident()->geoLocality->name().isEmpty());
        save();
        EXPECT_TRUE(user->prompter.notices().isEmpty()) << user->prompter.lastNotice().toStdString();
    });
    EXPECT_EQ(scalar("select locality_id from samplet where sample_id=" + s), "0");
}

TEST_F(Ident, EveryFailedCheckIsShownOnItsOwnLineAndNothingIsSent)
{
    struct Case { QString name; int type; QString locality; QString artefact; QString notice; };
    const std::vector<Case> cases = {
        {"", 1, "", "", msg::sampleNameMissing + "\r" + msg::localityNameMissing + "\r"},
        {"   ", 2, "", "", msg::sampleNameMissing + "\r" + msg::artefactEmpty + "\r"},
        {"x", 2, loc1, "", msg::artefactEmpty + "\r"},
        {"x", 1, "", art, msg::localityNameMissing + "\r"},
        {"", 3, "", "", msg::sampleNameMissing + "\r"},
    };
    for (const Case& c : cases) {
        inEditor({}, [&] {
            ident()->nameBox()->setText(c.name);
            click(ident()->typeCaption(c.type));
            ident()->geoLocality->setId(c.locality);
            ident()->excLocality->setId(c.locality);
            ident()->artefact->setId(c.artefact);
            user->prompter.clear();
            const QStringList sent = statementsDuring([&] { press(ident()->page(), "Save"); });
            EXPECT_TRUE(sent.isEmpty()) << sent.join("\n").toStdString();
            EXPECT_EQ(user->prompter.notices(), QStringList({c.notice})) << c.name.toStdString() << c.type;
            EXPECT_TRUE(user->prompter.questions().isEmpty());
        });
    }
    EXPECT_EQ(count("samplet"), 0);
}

TEST_F(Ident, AFailedInsertIsRolledBackAndTheSampleStaysNew)
{
    inEditor({}, [&] {
        ident()->nameBox()->setText("O'Brien's stone");
        click(ident()->typeCaption(3));
        ident()->storeName->set("999999", "nobody");  // a person the server does not know
        QStringList sent = statementsDuring([&] { save(); });
        ASSERT_EQ(sent.size(), 2) << sent.join("\n").toStdString();
        EXPECT_TRUE(sent[0].startsWith("begin;insert into samplet (sample_name,date_of_sam,locality_id,tnev_kod,tlabor_kod,sznev_kod,"
                                       "szlabor_kod,mint_jel,art_id,short_d,letre_user,letre_date,other_type,geo_id) values ('O''Brien''s stone',null,null,999999,"));
        EXPECT_EQ(sent[1], "rollback;");
        EXPECT_EQ(PQtransactionStatus(dm->conn().handle()), PQTRANS_IDLE);
        EXPECT_TRUE(user->prompter.lastNotice().contains("is not present in table")) << user->prompter.lastNotice().toStdString();
        EXPECT_TRUE(editor->isNewSample());
        ident()->storeName->clear();
        user->prompter.clear();
        save();
        EXPECT_FALSE(editor->isNewSample());
    });
    EXPECT_EQ(scalar("select sample_name from samplet"), "O'Brien's stone");
}

TEST_F(Ident, TheFirstSaveTurnsTheEditorToTheNewSample)
{
    editor->setSampleCaption("Some earlier sample");
    inEditor({}, [&] {
        EXPECT_EQ(editor->windowTitle(), "Samples(Edit)  ");
        EXPECT_EQ(editor->tree()->topLevelItemCount(), 0);
        ident()->nameBox()->setText("Firstling");
        ident()->dateCheck()->setChecked(true);
        ident()->dateEdit()->setDate(QDate(2023, 7, 9));
        ident()->geoLocality->set(loc1, "Quarry");
        list->list_order = "sample_name";
        save();
        const QString id = editor->sampleId();
        ASSERT_FALSE(id.isEmpty());
        EXPECT_EQ(ident()->sampleIdBox()->text(), id);
        EXPECT_EQ(editor->windowTitle(), "Samples(Edit)  Firstling");
        EXPECT_EQ(editor->createdByField()->text(), "Administrator");
        EXPECT_FALSE(editor->createdDateField()->text().isEmpty());
        EXPECT_TRUE(editor->treeReady());
        EXPECT_EQ(editor->tree()->topLevelItemCount(), 6);
        EXPECT_EQ(ident()->geoCountry->text(), "Testland");
        EXPECT_EQ(ident()->geoContinent->text(), "Testcontinent");
        EXPECT_EQ(list->list_order, "sample_id desc");
        EXPECT_EQ(scalar("select date_of_sam from samplet where sample_id=" + id), "2023.07.09");
        // from now on a save updates the same row
        ident()->nameBox()->setText("Firstling 2");
        save();
        EXPECT_EQ(count("samplet"), 1);
    });
}

TEST_F(Ident, TheLoadShowsTheDetailsOfEachType)
{
    const QString g = addSample("Geo", 1, "locality_id, geo_id, tnev_kod, tlabor_kod, date_of_sam", loc1 + "," + geo1 + "," + person + "," + lab + ",'2020-02-29'");
    const QString a = addSample("Arch", 2, "locality_id, geo_id, art_id", loc2 + "," + geo2 + "," + art);
    const QString o = addSample("Oth", 3, "other_type, geo_id", "'free', " + geo1);
    inEditor(g, [&] {
        auto* p = ident();
        EXPECT_EQ(p->subPageName(), "geo_sit");
        EXPECT_TRUE(p->typeButton(1)->isChecked());
        EXPECT_EQ(p->geoLocality->name(), "Quarry");
        EXPECT_EQ(p->geoCountry->text(), "Testland");
        EXPECT_EQ(p->geoContinent->text(), "Testcontinent");
        EXPECT_EQ(p->geoUnitGeo->name(), "Unit one");
        EXPECT_EQ(p->storeName->name(), "Kis, Éva");
        EXPECT_EQ(p->storeInst->name(), "Museum");
        EXPECT_TRUE(p->dateCheck()->isChecked());
        EXPECT_EQ(p->dateEdit()->date(), QDate(2020, 2, 29));
        EXPECT_EQ(p->sampleIdBox()->text(), g);
    });
    inEditor(a, [&] {
        auto* p = ident();
        EXPECT_EQ(p->subPageName(), "art_sit");
        EXPECT_EQ(p->artefact->name(), "Axe");
        EXPECT_EQ(p->artInstitute->text(), "Museum");
        EXPECT_EQ(p->artCountry->text(), "Testland");
        EXPECT_EQ(p->artCity->text(), "Testcity");
        EXPECT_EQ(p->excLocality->name(), "Tell");
        EXPECT_EQ(p->excContinent->text(), "Testcontinent");
        EXPECT_EQ(p->geoUnitArt->name(), "Unit two");
        EXPECT_TRUE(p->geoLocality->id().isEmpty());
        EXPECT_FALSE(p->dateCheck()->isChecked());
    });
    inEditor(o, [&] {
        auto* p = ident();
        EXPECT_EQ(p->subPageName(), "other_sit");
        EXPECT_EQ(p->otherText->toPlainText(), "free");
        EXPECT_TRUE(p->artefact->id().isEmpty());
        EXPECT_TRUE(p->excLocality->id().isEmpty());
    });
}

TEST_F(Ident, RefreshReadsThePageAgainWithoutARight)
{
    const QString s = addSample("Before", 1, "locality_id", loc1);
    loginAs("viewer");
    inEditor(s, [&] {
        ident()->nameBox()->setText("typed, not saved");
        scalar("update samplet set sample_name='After', short_d='new short' where sample_id=" + s + " returning 1");
        press(ident()->page(), "Refresh");
        EXPECT_EQ(ident()->nameBox()->text(), "After");
        EXPECT_EQ(ident()->shortBox()->text(), "new short");
        EXPECT_EQ(editor->windowTitle(), "Samples(Edit)  After");
        EXPECT_EQ(editor->creatorUserName(), "admin");
        EXPECT_EQ(ident()->geoLocality->name(), "Quarry");
        EXPECT_TRUE(user->prompter.shown().empty());
    });
}

TEST_F(Ident, TheTypeSwitchShowsTheSubPageOnlyToWhoMayChangeTheSample)
{
    const QString s = addSample("Mine not");
    loginAs("editor");  // right C, not the creator
    inEditor(s, [&] {
        click(ident()->typeFrame(2));
        EXPECT_TRUE(ident()->typeButton(2)->isChecked());
        EXPECT_EQ(ident()->subPageName(), "geo_sit");
    });
    loginAs("admin");
    inEditor(s, [&] {
        click(ident()->typeFrame(2));
        EXPECT_EQ(ident()->subPageName(), "art_sit");
        click(ident()->typeCaption(3));
        EXPECT_EQ(ident()->subPageName(), "other_sit");
        click(ident()->typeCaption(1));
        EXPECT_EQ(ident()->subPageName(), "geo_sit");
    });
    EXPECT_TRUE(user->prompter.notices().isEmpty()) << "the switch is silent";
}

TEST_F(Ident, RefreshOfANewSampleEmptiesItsFieldsButNotTheExcavationOrTheUnits)
{
    inEditor({}, [&] {
        auto* p = ident();
        p->nameBox()->setText("typed");
        p->shortBox()->setText("short");
        p->storeName->set(person, "Kis, Éva");
        p->geoLocality->set(loc1, "Quarry");
        p->geoUnitGeo->set(geo1, "Unit one");
        p->artefact->set(art, "Axe");
        p->excLocality->set(loc2, "Tell");
        p->geoUnitArt->set(geo2, "Unit two");
        press(p->page(), "Refresh");
        for (QString t : {p->nameBox()->text(), p->shortBox()->text(), p->storeName->id(), p->storeName->name(), p->geoLocality->id(),
                          p->geoLocality->name(), p->geoUnitGeo->name(), p->artefact->id(), p->artefact->name()})
            EXPECT_TRUE(t.isEmpty()) << t.toStdString();
        EXPECT_EQ(p->excLocality->id(), loc2);
        EXPECT_EQ(p->geoUnitGeo->id(), geo1);
        EXPECT_EQ(p->geoUnitArt->id(), geo2);
    });
}

namespace {

// the identification page with the real reference windows of the program behind its buttons
class IdentPicks : public Ident {
protected:
    void SetUp() override
    {
        Ident::SetUp();
        reference::createForms();
        user->modal.dismissUnexpected(true);
    }
    void TearDown() override
    {
        reference::destroyForms();
        Ident::TearDown();
    }
    // the next showing of a reference list picks the row with this key
    void pickFromList(const QString& listClass, const QString& keyField, const QString& key)
    {
        user->modal.on(listClass, [keyField, key](QDialog* d) {
            auto* l = static_cast<reference::RefList*>(d);
            l->grid()->setCurrentRow(l->list().locate(keyField, key.toInt()));
            l->ok();
        });
    }
    void pickFromTree(const QString& key)
    {
        user->modal.on("Tloc_fa", [key](QDialog* d) {
            auto* t = static_cast<reference::LocalityTree*>(d);
            ASSERT_TRUE(t->tree()->selectNode(key.toInt()));
            t->ok();
        });
    }
    void pickUnit(const QString& key)
    {
        user->modal.on("Tgeo_un", [key](QDialog* d) {
            auto* t = static_cast<reference::TreeWindow*>(d);
            ASSERT_TRUE(t->tree()->selectNode(key.toInt()));
            t->ok();
        });
    }
};

}  // namespace

TEST_F(IdentPicks, PickShowAndClearButtonsWithTheirRights)
{
    const QString mine = addSample("Admin's", 1, "locality_id, tnev_kod", loc1 + "," + person);
    struct Case {
        QString what;
        QString userName;
        bool newSample;
        std::function<void(samples::IdentSection*)> act;
        QStringList windows;  // the windows the button opened
        QStringList notices;
        std::function<void(samples::IdentSection*)> check;
    };
    auto none = [](samples::IdentSection*) {};
    const std::vector<Case> cases = {
        {"storage person, right A", "viewer", false, [](auto* p) { p->storeName->pickButton()->click(); }, {}, {msg::noRight}, none},
        {"storage institute of somebody else's sample, right C", "editor", false, [](auto* p) { p->storeInst->pickButton()->click(); }, {}, {msg::noRight}, none},
        {"storage person of a new sample, right C", "editor", true,
         [&](auto* p) {
             pickFromList("Tszemelyt", "nev_kod", person);
             p->storeName->pickButton()->click();
         },
         {"Tszemelyt"}, {}, [&](auto* p) { EXPECT_EQ(p->storeName->id(), person); EXPECT_EQ(p->storeName->name(), "Kis, Éva"); }},
        {"sampler's institute", "admin", false,
         [&](auto* p) {
             pickFromList("Tlabort", "labor_kod", lab);
             p->sampInst->pickButton()->click();
         },
         {"Tlabort"}, {}, [&](auto* p) { EXPECT_EQ(p->sampInst->id(), lab); EXPECT_EQ(p->sampInst->name(), "Museum"); }},
        {"geological locality of an existing sample, right A: refused silently", "viewer", false,
         [](auto* p) { p->geoLocality->pickButton()->click(); }, {}, {}, none},
        {"geological locality of a new sample, right A: refused with the message", "viewer", true,
         [](auto* p) { p->geoLocality->pickButton()->click(); }, {}, {msg::noRight}, none},
        {"excavation with its details", "admin", false,
         [&](auto* p) {
             click(p->typeCaption(2));
             pickFromTree(loc2);
             p->excLocality->pickButton()->click();
         },
         {"Tloc_fa"}, {},
         [&](auto* p) {
             EXPECT_EQ(p->excLocality->id(), loc2);
             EXPECT_EQ(p->excLocality->name(), "Tell");
             EXPECT_EQ(p->excContinent->text(), "Testcontinent");
             EXPECT_EQ(p->excCountry->text(), "Testland");
         }},
        {"artefact of an existing sample, right A", "viewer", false, [](auto* p) { p->artefact->pickButton()->click(); }, {}, {msg::noRight}, none},
        {"artefact of a new sample needs no right, with its details", "viewer", true,
         [&](auto* p) {
             click(p->typeCaption(2));
             pickFromList("Tartt", "art_id", art);
             p->artefact->pickButton()->click();
         },
         {"Tartt"}, {},
         [&](auto* p) {
             EXPECT_EQ(p->artefact->id(), art);
             EXPECT_EQ(p->artefact->name(), "Axe");
             EXPECT_EQ(p->artInstitute->text(), "Museum");
             EXPECT_EQ(p->artCountry->text(), "Testland");
             EXPECT_EQ(p->artCity->text(), "Testcity");
         }},
        {"geological unit of the geological sub-page needs the owner right", "viewer", false,
         [](auto* p) { p->geoUnitGeo->pickButton()->click(); }, {}, {msg::noRight}, none},
        {"geological unit of the archaeological sub-page needs none", "viewer", false,
         [&](auto* p) {
             pickUnit(geo2);
             p->geoUnitArt->pickButton()->click();
         },
         {"Tgeo_un"}, {}, [&](auto* p) { EXPECT_EQ(p->geoUnitArt->id(), geo2); EXPECT_EQ(p->geoUnitArt->name(), "Unit two"); }},
        {"show the artefact and the unit", "viewer", false,
         [&](auto* p) {
             p->artefact->setId(art);
             p->geoUnitGeo->setId(geo1);
             user->modal.on("Tgeo_un_mod", [&](QDialog* d) { EXPECT_EQ(static_cast<reference::TreeEditDialog*>(d)->id(), geo1); });
             p->artefact->showButton()->click();
             p->geoUnitGeo->showButton()->click();
         },
         {"Tartm", "Tgeo_un_mod"}, {}, none},
        {"clearing a person needs D", "editor", false, [](auto* p) { p->storeName->clearButton()->click(); }, {}, {msg::noRight},
         [&](auto* p) { EXPECT_EQ(p->storeName->id(), person); }},
        {"clearing the geological locality leaves 0", "admin", false, [](auto* p) { p->geoLocality->clearButton()->click(); }, {}, {},
         [&](auto* p) {
             EXPECT_EQ(p->geoLocality->id(), "0");
             EXPECT_TRUE(p->geoLocality->name().isEmpty());
             EXPECT_TRUE(p->geoCountry->text().isEmpty());
         }},
        {"clearing a geological unit needs no right", "viewer", false,
         [&](auto* p) {
             p->geoUnitGeo->set(geo1, "Unit one");
             p->geoUnitGeo->clearButton()->click();
         },
         {}, {}, [](auto* p) { EXPECT_TRUE(p->geoUnitGeo->id().isEmpty()); }},
        {"show the storage person", "viewer", false,
         [&](auto* p) {
             user->modal.on("Tszemelym", [&](QDialog* d) { EXPECT_EQ(static_cast<reference::Tszemelym*>(d)->id(), person); });
             p->storeName->showButton()->click();
             p->sampName->showButton()->click();  // no id: nothing opens
         },
         {"Tszemelym"}, {}, none},
        {"show the locality, not for a cleared one", "viewer", false,
         [&](auto* p) {
             p->geoLocality->showButton()->click();
             p->geoLocality->setId("0");
             p->geoLocality->showButton()->click();
         },
         {"Tlocalitym"}, {}, none},
    };
    for (const Case& c : cases) {
        loginAs(c.userName);
        inEditor(c.newSample ? QString() : mine, [&] {
            user->prompter.clear();
            const int shownBefore = user->modal.shownWindows().size();
            c.act(ident());
            EXPECT_EQ(user->modal.shownWindows().mid(shownBefore), c.windows) << c.what.toStdString();
            EXPECT_EQ(user->prompter.notices(), c.notices) << c.what.toStdString();
            c.check(ident());
        });
    }
}
