// The people register: the list, the person editor with its owner rights and
// compulsory fields, the country and city buttons, and the contacts.

#include "fixture.h"

#include "controls/dbgrid.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/openers.h"
#include "reference/elerhetomod.h"
#include "reference/pickfield.h"
#include "reference/reflist.h"
#include "reference/shapetabs.h"
#include "reference/szemelymod.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

using reference::PickField;
using reference::RefList;
using reference::Telerhetom;
using reference::Tszemelym;

namespace peopletest {
namespace {

QString lines(const QStringList& messages)
{
    QString out;
    for (const QString& m : messages) out += m + QLatin1Char('\r');
    return out;
}

// every compulsory field filled (country and city as if picked)
void fillAll(Tszemelym* w, const QString& country, const QString& city)
{
    w->gender()->setEditText("Sir");  // typed by hand, not one of the suggestions
    w->title()->setEditText("Dr.");
    w->firstName()->setText("Seán");
    w->lastName()->setText("O'Brien");
    w->middle()->setText("P.");
    w->scope()->setText("petrologist");
    w->zip()->setText(" 1088");
    w->street()->setText("Múzeum krt. 14-16");
    w->description()->setPlainText("field work\nand thin sections");
    w->country()->set(country, "Ireland");
    w->city()->set(city, "Cork");
}

class PersonEditor : public PeopleWindows {
protected:
    Tszemelym* editor() { return window<Tszemelym>("Tszemelym"); }
    // opens the editor on a person (empty: a new one) and acts in it
    void edit(const QString& id, std::function<void(Tszemelym*)> act)
    {
        editor()->setId(id);
        open<Tszemelym>(editor(), std::move(act));
    }
};

TEST_F(PersonEditor, CompulsoryFieldsAreReportedInOneNoticeInTheirOrder)
{
    const QStringList all = {msg::genderEmpty,  msg::firstNameMissing,    msg::lastNameEmpty,
                             msg::countryMissingProp, msg::zipMissing,    msg::localityMissingProp,
                             msg::streetMissing, msg::positionEmpty};
    struct Case {
        const char* what;
        std::function<void(Tszemelym*)> fill;
        QStringList expected;
    } cases[] = {
        {"nothing filled", [](Tszemelym*) {}, all},
        {"blanks count as content",
         [](Tszemelym* w) {
             w->gender()->setEditText(" ");
             w->lastName()->setText(" ");
             w->street()->setText(" ");
         },
         {msg::firstNameMissing, msg::countryMissingProp, msg::zipMissing, msg::localityMissingProp,
          msg::positionEmpty}},
        {"only the address missing",
         [](Tszemelym* w) {
             fillAll(w, "1", "1");
             w->country()->set("0", "");
             w->zip()->clear();
         },
         {msg::countryMissingProp, msg::zipMissing}},
    };
    const QString before = scalar("select count(*) from szemelyt");
    for (const Case& c : cases) {
        user->prompter.clear();
        edit("", [&](Tszemelym* w) {
            c.fill(w);
            w->save();
            EXPECT_TRUE(w->isVisible()) << c.what;
        });
        EXPECT_EQ(user->prompter.notices(), QStringList{lines(c.expected)}) << c.what;
        EXPECT_TRUE(user->prompter.questions().isEmpty()) << c.what;
    }
    EXPECT_EQ(scalar("select count(*) from szemelyt"), before);
}

TEST_F(PersonEditor, NewPersonIsStoredAsTypedWithItsCreator)
{
    loginAs("editor");
    const QString hu = countryId("Ireland"), cork = cityId("Cork");
    user->prompter.answer(true);
    edit("", [&](Tszemelym* w) {
        EXPECT_FALSE(w->tabs()->isTabEnabled(1)) << "contacts come after the first save";
        EXPECT_EQ(w->country()->id(), "0");
        fillAll(w, hu, cork);
        w->save();
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(user->prompter.questions(), QStringList{msg::confirmSave});
    EXPECT_EQ(rowOf("select nem,fokozat,firstname,lastname,middle,munkakor,iranyitosz,utca_hazsz,osszefogl,"
                    "orszag_kod=" + hu + " as country,varos_kod=" + cork + " as city,"
                    "letre_user=(select user_id from users where user_name='editor') as mine,"
                    "letre_dat > now() - interval '1 minute' as recent from szemelyt where lastname like 'O%'"),
              "nem=Sir fokozat=Dr. firstname=Seán lastname=O'Brien middle=P. munkakor=petrologist iranyitosz= 1088 "
              "utca_hazsz=Múzeum krt. 14-16 osszefogl=field work\nand thin sections country=True city=True "
              "mine=True recent=True");
}

TEST_F(PersonEditor, OwnerRightsDecideWhetherTheFieldsAreLocked)
{
    const QString byAdmin = person("Kiss", "Béla", "admin");
    const QString byEditor = person("Tóth", "Ede", "editor");
    struct Case {
        const char* login;
        QString id;
        bool locked;
    } cases[] = {
        {"editor", byAdmin, true},    // C on another user's record
        {"editor", byEditor, false},  // C on his own
        {"admin", byEditor, false},   // D on every record
        {"viewer", byEditor, true},   // A only views
    };
    for (const Case& c : cases) {
        loginAs(c.login);
        user->prompter.clear();
        edit(c.id, [&](Tszemelym* w) {
            EXPECT_EQ(w->locked(), c.locked) << c.login;
            EXPECT_EQ(w->gender()->isEnabled(), !c.locked) << c.login;
            EXPECT_EQ(w->title()->isEnabled(), !c.locked) << c.login;
            for (QLineEdit* e : {w->firstName(), w->lastName(), w->middle(), w->scope(), w->zip(), w->street()})
                EXPECT_EQ(e->isReadOnly(), c.locked) << c.login << " " << e->accessibleName().toStdString();
            EXPECT_EQ(w->description()->isReadOnly(), c.locked) << c.login;
            EXPECT_TRUE(w->tabs()->isTabEnabled(1));
            if (c.locked) {
                w->save();
                w->pickCountry();
                w->addContact();
                EXPECT_EQ(user->prompter.notices(), QStringList(3, msg::noRight)) << c.login;
                EXPECT_TRUE(w->isVisible());
            }
        });
        EXPECT_TRUE(user->prompter.questions().isEmpty()) << c.login;
    }
}

TEST_F(PersonEditor, ClearingTheCountryOrCityNeedsRightD)
{
    const QString own = person("Tóth", "Ede", "editor", "curator");
    const QString ie = countryId("Ireland");
    admin().exec("update szemelyt set orszag_kod=" + ie + ",varos_kod=" + cityId("Cork") +
                 ",iranyitosz='1',utca_hazsz='x' where nev_kod=" + own);

    loginAs("editor");  // the creator, but only C
    edit(own, [&](Tszemelym* w) {
        ASSERT_FALSE(w->locked());
        EXPECT_EQ(w->country()->name(), "Ireland");
        w->clearCountry();
        w->clearCity();
        EXPECT_EQ(w->country()->id(), ie);
        EXPECT_EQ(w->city()->name(), "Cork");
    });
    EXPECT_EQ(user->prompter.notices(), QStringList(2, msg::noRight));

    loginAs("admin");
    user->prompter.clear();
    edit(own, [&](Tszemelym* w) {
        w->clearCountry();
        w->clearCity();
        EXPECT_EQ(w->country()->id(), "0");
        EXPECT_EQ(w->country()->name(), "");
        EXPECT_EQ(w->city()->id(), "0");
        EXPECT_TRUE(user->prompter.notices().isEmpty());
        w->save();  // the cleared ids are missing again
    });
    EXPECT_EQ(user->prompter.lastNotice(), lines({msg::countryMissingProp, msg::localityMissingProp}));
}

TEST_F(PersonEditor, CountryAndCityArePickedFromTheirListsAndACancelKeepsThem)
{
    const QString id = person("Kiss", "Béla");
    const QString ie = countryId("Ireland"), cork = cityId("Cork");
    when<RefList>("Torszagt", [&](RefList* l) {
        ASSERT_GE(l->list().locate("orszag_kod", ie.toInt()), 0);
        l->grid()->setCurrentRow(l->list().locate("orszag_kod", ie.toInt()));
        l->ok();
    });
    when<RefList>("Tvarost", [&](RefList* l) {
        l->grid()->setCurrentRow(l->list().locate("varos_kod", cork.toInt()));
        l->ok();
    });
    when<RefList>("Torszagt", [](RefList* l) { l->reject(); });
    edit(id, [&](Tszemelym* w) {
        w->pickCountry();
        w->pickCity();
        EXPECT_EQ(w->country()->id(), ie);
        EXPECT_EQ(w->country()->name(), "Ireland");
        EXPECT_EQ(w->city()->id(), cork);
        EXPECT_EQ(w->city()->name(), "Cork");
        w->pickCountry();  // cancelled: the same country comes back
        EXPECT_EQ(w->country()->id(), ie);
        EXPECT_EQ(w->country()->name(), "Ireland");
    });
}

TEST_F(PersonEditor, AKeyStoredAsNullSavesAsNullAndTheRestAsStored)
{
    const QString id = person("Kiss", "Béla", "admin", "curator");
    admin().exec("update szemelyt set orszag_kod=null,varos_kod=" + cityId("Cork") + ",iranyitosz='1',utca_hazsz='x' "
                 "where nev_kod=" + id);
    user->prompter.answer(true);
    edit(id, [&](Tszemelym* w) {
        EXPECT_EQ(w->country()->id(), "");
        w->save();
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_TRUE(user->prompter.notices().isEmpty()) << user->prompter.lastNotice().toStdString();
    EXPECT_EQ(rowOf("select orszag_kod,varos_kod=" + cityId("Cork") + " as city,munkakor from szemelyt where nev_kod=" + id),
              "orszag_kod=null city=True munkakor=curator");
}

TEST_F(PersonEditor, ContactsAreAddedEditedAndDeletedOnceThePersonIsSaved)
{
    const QString id = person("Kiss", "Béla");
    when<Telerhetom>("Telerhetom", [&](Telerhetom* d) {
        EXPECT_EQ(d->personId(), id);
        EXPECT_EQ(d->contactId(), "");
        d->save();  // both empty
        EXPECT_EQ(user->prompter.lastNotice(), lines({msg::availabilityTypeMissing, msg::availabilityMissing}));
        d->type()->setEditText("Email(Work)");
        d->value()->setText("kiss@muzeum.hu");
        d->save();
        EXPECT_FALSE(d->isVisible());
    });
    when<Telerhetom>("Telerhetom", [&](Telerhetom* d) {
        EXPECT_EQ(d->type()->currentText(), "Email(Work)");
        EXPECT_EQ(d->value()->text(), "kiss@muzeum.hu");
        d->value()->setText("b.kiss@muzeum.hu");
        d->save();
    });
    user->prompter.answers({true, true, true});
    edit(id, [&](Tszemelym* w) {
        ASSERT_TRUE(w->tabs()->isTabEnabled(1));
        w->tabs()->tab(1)->click();
        EXPECT_EQ(w->tabs()->currentIndex(), 1);
        EXPECT_EQ(w->contacts()->dataModel()->rowCount(), 0);
        w->addContact();
        ASSERT_EQ(w->contacts()->dataModel()->rowCount(), 1);
        w->editContact();
        EXPECT_EQ(w->contacts()->currentText("eler"), "b.kiss@muzeum.hu");
        EXPECT_EQ(scalar("select eler_megnev||' '||eler from elerheto where nev_kod=" + id), "Email(Work) b.kiss@muzeum.hu");
        w->deleteContact();
        EXPECT_EQ(w->contacts()->dataModel()->rowCount(), 0);
    });
    EXPECT_EQ(user->prompter.questions(), (QStringList{msg::confirmSave, msg::confirmSave, msg::confirmDelete}));
    EXPECT_EQ(scalar("select count(*) from elerheto"), "0");
}

class PeopleList : public PeopleWindows {};

TEST_F(PeopleList, ListsPeopleByNameWithoutKeyZeroAndReturnsToTheEditedOne)
{
    admin().exec("insert into szemelyt (nev_kod,lastname,firstname) values (0,'Aaron','Nobody')");
    const QString b = person("bárány", "Ilona");
    person("Zala", "Ákos");
    const QString k = person("Kiss", "Béla");
    when<RefList>("Tszemelyt", [&](RefList* l) {
        QStringList names;
        for (int r = 0; r < l->list().rowCount(); ++r) names << l->list().text(r, "ossznev");
        EXPECT_EQ(names, (QStringList{"bárány, Ilona", "Kiss, Béla", "Zala, Ákos"}));
        EXPECT_EQ(l->editButton()->text(), "Show/Edit");
        l->grid()->setCurrentRow(1);
        // no rights check here: the editor opens and decides
        when<Tszemelym>("Tszemelym", [&](Tszemelym* w) { EXPECT_EQ(w->id(), k); });
        l->edit();
        EXPECT_EQ(l->grid()->currentText("nev_kod"), k);
    });
    loginAs("viewer");
    ASSERT_TRUE(core::openWindow("Tszemelyt"));
    EXPECT_TRUE(user->prompter.notices().isEmpty());
    (void)b;
}

}  // namespace
}  // namespace peopletest
