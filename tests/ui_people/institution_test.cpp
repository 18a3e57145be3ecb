// Institutions: the list, the editor's save paths and owner rights, and the
// contact persons taken from the people register.

#include "fixture.h"

#include "controls/dbgrid.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/openers.h"
#include "reference/labormod.h"
#include "reference/pickfield.h"
#include "reference/reflist.h"
#include "reference/szemelymod.h"

#include <QLineEdit>
#include <cmath>

using reference::RefList;
using reference::Tlaborm;
using reference::Tszemelym;

namespace peopletest {
namespace {

class InstitutionEditor : public PeopleWindows {
protected:
    Tlaborm* editor() { return window<Tlaborm>("Tlaborm"); }
    void edit(const QString& id, std::function<void(Tlaborm*)> act)
    {
        editor()->setId(id);
        open<Tlaborm>(editor(), std::move(act));
    }
    // an institution with its whole address
    QString addressed(const QString& name, const QString& creator = "admin")
    {
        const QString id = institution(name, creator);
        admin().exec("update labort set orszag_kod=" + countryId("Hungary") + ",varos_kod=" + cityId("Budapest") +
                     ",iranyitosz='1088',utca_hazsz='Múzeum krt. 14' where labor_kod=" + id);
        return id;
    }
    void link(const QString& institution, const QString& person)
    {
        admin().exec("insert into illetekes (labor_kod,nev_kod) values (" + institution + "," + person + ")");
    }
    static QStringList lastNames(Tlaborm* w)
    {
        QStringList out;
        for (int r = 0; r < w->personList().rowCount(); ++r) out << w->personList().text(r, "lastname");
        return out;
    }
    // the people picker: the row of this person confirmed (or cancelled when empty)
    void pickPerson(const QString& id)
    {
        when<RefList>("Tszemelyt", [id](RefList* l) {
            if (id.isEmpty()) {
                l->reject();
                return;
            }
            const int r = l->list().locate("nev_kod", id.toInt());
            ASSERT_GE(r, 0);
            l->grid()->setCurrentRow(r);
            l->ok();
        });
    }
};

TEST_F(InstitutionEditor, AnExistingOneIsSavedAsTypedWithANoticeAndStaysOpen)
{
    const QString id = addressed("Lab A");
    user->prompter.answer(true);
    edit(id, [&](Tlaborm* w) {
        EXPECT_EQ(w->country()->name(), "Hungary");
        EXPECT_EQ(w->createdBy()->text(), "Administrator");
        w->name()->setText(" Lab 'B' ");
        w->save();
        EXPECT_TRUE(w->isVisible());
    });
    EXPECT_EQ(user->prompter.questions(), QStringList{msg::confirmSave});
    EXPECT_EQ(user->prompter.notices(), QStringList{msg::recordSaved});
    EXPECT_EQ(scalar("select labor_nev from labort where labor_kod=" + id), " Lab 'B' ");
}

TEST_F(InstitutionEditor, ANewOneIsStoredTrimmedAndClosesWithoutANotice)
{
    loginAs("editor");
    user->prompter.answer(true);
    edit("", [&](Tlaborm* w) {
        w->save();  // nothing filled: five lines in one notice
        EXPECT_EQ(user->prompter.lastNotice(),
                  msg::laboratoryNameMissing + "\r" + msg::countryMissingProp + "\r" + msg::zipMissing + "\r" +
                      msg::localityMissingProp + "\r" + msg::streetMissing + "\r");
        user->prompter.clear();
        w->name()->setText(" Museum Lab ");
        w->country()->set(countryId("Hungary"), "Hungary");
        w->zip()->setText(" 1088 ");
        w->city()->set(cityId("Budapest"), "Budapest");
        w->street()->setText(" Múzeum krt. 14 ");
        w->save();
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_TRUE(user->prompter.notices().isEmpty());
    EXPECT_EQ(rowOf("select labor_nev,iranyitosz,utca_hazsz,letre_user=(select user_id from users where "
                    "user_name='editor') as mine from labort"),
              "labor_nev=Museum Lab iranyitosz=1088 utca_hazsz=Múzeum krt. 14 mine=True");
}

TEST_F(InstitutionEditor, OnlyTheOwnerOrRightDMayChangeIt)
{
    const QString id = addressed("Lab A", "admin");
    loginAs("editor");
    edit(id, [&](Tlaborm* w) {
        for (QLineEdit* e : {w->name(), w->zip(), w->street()}) EXPECT_TRUE(e->isReadOnly());
        w->save();
        w->addPerson();
        w->country()->pickButton()->click();
        EXPECT_EQ(user->prompter.notices(), QStringList(3, msg::noRight));
    });
    EXPECT_TRUE(user->prompter.questions().isEmpty());
    loginAs("admin");
    edit(id, [&](Tlaborm* w) { EXPECT_FALSE(w->name()->isReadOnly()); });
}

TEST_F(InstitutionEditor, ContactPersonsAreAddedThroughThePickerShownAndUnlinked)
{
    const QString lab = addressed("Lab A");
    const QString kiss = person("Kiss", "Béla"), abai = person("Abai", "Bence");
    pickPerson(kiss);
    pickPerson("");    // cancelled: nothing is added
    pickPerson(kiss);  // linked already: the server refuses the second link
    pickPerson(abai);
    when<Tszemelym>("Tszemelym", [&](Tszemelym* p) { EXPECT_EQ(p->id(), kiss); });
    user->prompter.answer(true);
    edit(lab, [&](Tlaborm* w) {
        w->addPerson();
        EXPECT_EQ(lastNames(w), QStringList{"Kiss"});
        w->addPerson();
        EXPECT_EQ(lastNames(w), QStringList{"Kiss"});
        EXPECT_TRUE(user->prompter.notices().isEmpty());
        w->addPerson();
        EXPECT_EQ(user->prompter.notices(), QStringList{msg::recordExists});
        w->addPerson();
        EXPECT_EQ(lastNames(w), (QStringList{"Abai", "Kiss"}));
        w->persons()->setCurrentRow(1);
        w->showPerson();
        w->deletePerson();  // the current row is still Kiss
        EXPECT_EQ(lastNames(w), QStringList{"Abai"});
    });
    EXPECT_EQ(user->prompter.questions(), QStringList{msg::confirmDelete});
    EXPECT_EQ(scalar("select string_agg(nev_kod::text, ',') from illetekes"), abai);
    EXPECT_EQ(scalar("select count(*) from szemelyt where nev_kod=" + kiss), "1");  // only the link went
}

TEST_F(InstitutionEditor, AddingAPersonToAnUnsavedInstitutionSavesItFirstAndClosesIt)
{
    user->prompter.answers({true, true});
    edit("", [&](Tlaborm* w) {
        w->name()->setText("New Lab");
        w->country()->set(countryId("Hungary"), "Hungary");
        w->zip()->setText("1088");
        w->city()->set(cityId("Budapest"), "Budapest");
        w->street()->setText("Múzeum krt. 14");
        w->addPerson();
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(user->prompter.questions(), (QStringList{msg::saveBeforeInstitutionPerson, msg::confirmSave}));
    EXPECT_EQ(scalar("select count(*) from labort where labor_nev='New Lab'"), "1");
    EXPECT_EQ(scalar("select count(*) from illetekes"), "0");
    EXPECT_FALSE(user->modal.shownWindows().contains("Tszemelyt"));
}

TEST_F(InstitutionEditor, SortingTheContactPersonsReloadsTheInstitutionAsStored)
{
    const QString lab = addressed("Lab A");
    link(lab, person("Kiss", "Béla", "admin", "zoology"));
    link(lab, person("Abai", "Bence", "admin", "Mineralogy"));
    link(lab, person("Cser", "Anna", "admin", "mineralogy"));
    edit(lab, [&](Tlaborm* w) {
        EXPECT_EQ(lastNames(w), (QStringList{"Abai", "Cser", "Kiss"}));
        w->name()->setText("not saved");
        clickTitle(w->persons(), "munkakor");
        EXPECT_EQ(w->personSort(), "munkakor");
        EXPECT_EQ(lastNames(w), (QStringList{"Cser", "Abai", "Kiss"}));  // mineralogy by first name, then zoology
        EXPECT_EQ(w->name()->text(), "Lab A");
        clickTitle(w->persons(), "lastname");  // the "Name" column
        EXPECT_EQ(lastNames(w), (QStringList{"Abai", "Cser", "Kiss"}));
    });
}

class InstitutionList : public PeopleWindows {};

TEST_F(InstitutionList, ListsByNameWithoutKeyZeroAndSharesTheWidthOnResize)
{
    admin().exec("insert into labort (labor_kod,labor_nev) values (0,'None')");
    institution("zeta Lab");
    institution("Alpha Lab");
    auto* l = window<RefList>("Tlabort");
    when<RefList>("Tlabort", [&](RefList* l) {
        QStringList names;
        for (int r = 0; r < l->list().rowCount(); ++r) names << l->list().text(r, "labor_nev");
        EXPECT_EQ(names, (QStringList{"Alpha Lab", "zeta Lab"}));
        struct Case {
            int windowWidth;
            bool wide;
        } cases[] = {{900, true}, {420, false}};
        for (const Case& c : cases) {
            l->resize(c.windowWidth, 400);
            const int w = l->grid()->width();
            ASSERT_EQ(w >= 500, c.wide) << w;
            std::vector<int> expected = {40, 200, 100, 100};
            if (c.wide)
                expected = {40, int(std::lround(0.5 * (w - 80))), int(std::lround(0.25 * (w - 80))),
                            int(std::lround(0.25 * (w - 80)))};
            for (int col = 0; col < 4; ++col) EXPECT_EQ(l->grid()->columnWidth(col), expected[size_t(col)]) << col;
        }
    });
    ASSERT_TRUE(core::openWindow("Tlabort"));
    EXPECT_EQ(l->browse(), 0);  // closing resets the browse flag
}

}  // namespace
}  // namespace peopletest
