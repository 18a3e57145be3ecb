// The thirteen simple reference lists against a real server, one table of what
// differs between them: order, columns, add, edit with the changed-record
// question, duplicates, referenced rows, rights, the picker contract, Enter and
// double-click by the browse flag, the title sort and the wait indicators.

#include "refwindows.h"

#include "core/messages.h"
#include "core/openers.h"
#include "core/pwait_procf.h"
#include "core/pwaitform.h"
#include "db/sqltext.h"
#include "reference/refsql.h"

#include <QHeaderView>

using namespace reftest;
using reference::RefEdit;
using reference::RefList;

namespace {

struct Case {
    const char* list;
    const char* edit;
    const char* seed;       // %1 the quoted name, %2 a number; returns the key
    const char* reference;  // makes row %1 referenced
    const char* captions;
    const char* widths;     // after a load; "fill": the rest of the grid's width
    const char* rights;     // "Add|Edit|Delete"
    bool enterIsOk;
    bool doubleClickEditsInBrowse;
    bool flagResets;
    bool titleSort;
    bool relocates;
    const char* waits;      // load | re-read | save: W Tpwait, P Tpwait_proc, - none
    const char* emptyMessage;
};

#define SAMPLE_WITH(col) "insert into samplet (sample_name, mint_jel, " col ") values ('Ref', 1, %1)"
#define SAMPLE_THEN(sql) "with s as (insert into samplet (sample_name, mint_jel) values ('Ref', 1) returning sample_id) " sql

const Case cases[] = {
    {"Torszagt", "Torszagmf", "insert into orszagt (orszag_nev) values (%1) returning orszag_kod",
     "insert into szemelyt (lastname, orszag_kod) values ('Ref', %1)", "Id|Country", "50|180", "CD|CD|D", true, true,
     true, true, true, "W|W|W", "Property 'Country' is missing!"},
    {"Tvarost", "Tvarosm", "insert into varost (varos_nev) values (%1) returning varos_kod",
     "insert into labort (labor_nev, varos_kod) values ('Ref', %1)", "ID|City", "45|190", "CD|CD|D", true, true, true,
     true, true, "W|W|W", "Property 'Locality' is missing!"},
    {"Tboundt", "Tboundm", "insert into boundt (bound_name) values (%1) returning bound_id", SAMPLE_WITH("bound_id"),
     "ID|Boundary shape", "50|160", "CD|ABCD|D", true, true, true, true, true, "P|W|W",
     "The field \"Boundary shape\" is empty!"},
    {"Tfabtypet", "Tfabtypem", "insert into fabtypet (fabtype_name) values (%1) returning fabtype_id",
     SAMPLE_WITH("fabtype_id"), "Id|Fabric Type", "50|160", "CD|CD|D", true, true, true, true, true, "W|W|W",
     "The field 'Fabric type' is empty!"},
    {"Tfabrict", "Tfabricm", "insert into fabrict (fabric_name) values (%1) returning fabric_id", SAMPLE_WITH("fabric_id"),
     "Id|Fabric", "50|170", "CD|CD|D", true, true, true, true, true, "W|W|W", "The field 'Fabric' is empty!"},
    {"Tcolort", "Tcolorm", "insert into colort (color_name) values (%1) returning color_id", SAMPLE_WITH("color_id"),
     "Id|Color", "50|160", "CD|CD|CD", true, true, true, true, true, "W|W|W", "The field 'Colour' is empty!"},
    {"Tmetodt", "Tmetodm", "insert into metodt (metod_name) values (%1) returning metod_id",
     SAMPLE_THEN("insert into alk_met (sample_id, met_id) select sample_id, %1 from s"), "Id|Metod", "50|170",
     "CD|CD|D", true, true, true, true, true, "W|W|W", "The field 'Method' is empty!"},
    {"Tjarulekt", "Tjarulekm", "insert into jarulekt (jarulek_nev) values (%1) returning jarulek_kod",
     SAMPLE_THEN("insert into samp_miner (sample_id, jarulek_kod) select sample_id, %1 from s"), "Id|Mineral",
     "50|130", "CD|CD|D", true, true, true, true, true, "W|W|W", "The field 'Mineral' is empty."},
    {"Tkonzt", "Tkonzm", "insert into konzt (konz_nev) values (%1) returning konz_id",
     SAMPLE_THEN("insert into samp_konz (sample_id, konz_id) select sample_id, %1 from s"), "Conservation ", "130",
     "CD|CD|D", false, true, true, true, true, "W|W|W", "The field 'Substance' is emty! "},
    {"Tjournalt", "Tjournalm", "insert into journalt (journal_name) values (%1) returning journal_id",
     "insert into litt (fajta, title, jb_id) values (2, 'Ref', %1)", "ID|Journal", "50|fill", "CD|ABCD|D", false, true,
     true, true, true, "P|P|P", "The field \"Boundary shape\" is empty!"},
    {"Tmeres_modszer", "Tmeres_modm", "insert into meres_modszer (tipus, met_nev) values (332, %1) returning met_id",
     SAMPLE_THEN("insert into meresek (id, tipus, met_id) select sample_id, 332, %1 from s"), "Id|Methode", "50|180",
     "CD|CD|D", false, true, false, false, true, "P|W|P", "The field 'Method' is empty!"},
    {"Tralt", "Tralm", "insert into ralt (ral_id, color, abl, part) values (%2, %1, 'a', 'p') returning ral_id",
     SAMPLE_WITH("ral_id"), "ID|Color|ABL|PART", "45|100|45|45", "CD|CD|D", false, false, true, true, false, "P|-|P",
     "The field 'Colour' is empty!"},
    {"Tmunsellt", "Tmunsellm", "insert into munsellt (munsell_kod) values (%1) returning munsell_id",
     SAMPLE_WITH("munsell_id"), "ID|Munsell", "45|100", "CD|CD|D", false, true, false, true, false, "P|P|P",
     "Property 'Country' is missing!"},
};

class SimpleList : public RefWindows, public ::testing::WithParamInterface<Case> {
protected:
    const Case& c() const { return GetParam(); }
    QString L() const { return QString::fromUtf8(c().list); }
    QString E() const { return QString::fromUtf8(c().edit); }
    const reference::RefDesc& d() { return list(L())->desc(); }
    bool ral() { return d().table == QLatin1String("ralt"); }
    QString name() { return d().nameColumn(); }

    // rows named in this order; RAL numbers them 1001, 1002, ...
    QStringList seedRows(const QStringList& names, const std::vector<int>& numbers = {})
    {
        clear(d().table);
        QStringList keys;
        for (int i = 0; i < names.size(); ++i)
            keys << seed(QString::fromUtf8(c().seed), names[i], i < int(numbers.size()) ? numbers[size_t(i)] : 1001 + i);
        return keys;
    }
    QString stored(const QString& key)
    {
        return scalar(QStringLiteral("select %1 from %2 where %3=%4").arg(name(), d().table, d().key, key));
    }
    int count() { return scalar(QStringLiteral("select count(*) from %1").arg(d().table)).toInt(); }
    QStringList args() { return d().arg == reference::ListArg::Integer ? QStringList{QStringLiteral("332")} : QStringList{}; }
    QString pick(const QString& current) { return dm->pick(d().launcher, current, args()); }
    QStringList split(const char* s) { return QString::fromUtf8(s).split(QLatin1Char('|')); }
    bool allows(int button, QChar letter) { return split(c().rights).value(button).contains(letter); }
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.list; }

std::string caseName(const ::testing::TestParamInfo<Case>& i) { return i.param.list; }

// The lists whose rows are told apart by their name, with the changed-record check:
// every list but RAL, whose names may repeat and whose typed key has its own tests.
class NamedList : public SimpleList {};

std::vector<Case> namedCases()
{
    std::vector<Case> out;
    for (const Case& c : cases)
        if (QLatin1String(c.list) != QLatin1String("Tralt")) out.push_back(c);
    return out;
}

}  // namespace

TEST_P(SimpleList, LoadsInItsOrderWithItsColumns)
{
    const QStringList keys = seedRows({"delta", "Alpha", "charlie", "Bravo", "able"}, {1001, 1005, 1002, 1004, 1003});
    if (d().arg == reference::ListArg::Integer)  // another measurement kind is not listed
        admin().exec(QStringLiteral("insert into meres_modszer (tipus, met_nev) values (333, 'Other kind')"));
    RefList* w = list(L());
    // the widths at creation, before any load
    if (L() == QLatin1String("Torszagt")) {
        EXPECT_EQ(widths(w), (std::vector<int>{50, 220}));
    }

    QStringList want = {"able", "Alpha", "Bravo", "charlie", "delta"};  // letter case ignored
    if (ral()) want = {"delta", "charlie", "able", "Bravo", "Alpha"};    // by the RAL number
    if (d().table == QLatin1String("boundt")) {                          // as the server compares
        const db::Dataset s = admin().open(QStringLiteral("select bound_name from boundt order by bound_name"));
        want.clear();
        for (int r = 0; r < s.rowCount(); ++r) want << s.text(r, 0);
        EXPECT_NE(want, (QStringList{"able", "Alpha", "Bravo", "charlie", "delta"})) << "the server's collation ignores case";
    }
    browse(L(), [&](RefList* w) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->browse(), w->desc().menuSetsFlag ? 1 : 0);  // RAL has no flag
        EXPECT_EQ(shown(w, name()), want);
        EXPECT_EQ(captions(w), split(c().captions));
        std::vector<int> expected;
        for (const QString& s : split(c().widths))  // "fill": up to the grid's right edge
            expected.push_back(s == QLatin1String("fill")
                                   ? w->grid()->viewport()->width() - w->grid()->columnViewportPosition(int(expected.size()))
                                   : s.toInt());
        EXPECT_EQ(widths(w), expected);
        EXPECT_EQ(w->windowTitle(), w->desc().listCaption);
        EXPECT_EQ(w->accessibleName(), w->desc().listCaption);
    });
    EXPECT_TRUE(user->prompter.shown().empty());
}

TEST_P(NamedList, AddStoresTheTypedNameSafely)
{
    seedRows({"Alpha"});
    const QString typed = QStringLiteral("  O'Brien; \\ drop table x -- Ünő Ψ 石  ");
    user->prompter.answer(true);
    browse(L(), [&](RefList* w) {
        when<RefEdit>(E(), [&](RefEdit* e) {
            EXPECT_TRUE(e->idEdit()->text().isEmpty());
            EXPECT_TRUE(e->valueEdit(0)->text().isEmpty());
            EXPECT_EQ(e->valueEdit(0)->accessibleName(), e->desc().fields[0].label);
            e->valueEdit(0)->setText(typed);
            e->okButton()->click();
            EXPECT_FALSE(e->isVisible());
        });
        w->addButton()->click();
        EXPECT_TRUE(shown(w, name()).contains(typed.trimmed()));  // refreshed
    });
    EXPECT_EQ(user->prompter.questions(), QStringList{msg::confirmSave});
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from %1 where %2=%3")
                         .arg(d().table, name(), db::quote(typed.trimmed()))), "1");
}

TEST_P(SimpleList, EmptyNameIsRefusedWithItsMessage)
{
    seedRows({});
    browse(L(), [&](RefList* w) {
        when<RefEdit>(E(), [&](RefEdit* e) {
            if (ral()) e->idEdit()->setText(QStringLiteral("1001"));
            e->okButton()->click();
            EXPECT_TRUE(e->isVisible());
        });
        w->addButton()->click();
    });
    EXPECT_EQ(user->prompter.notices(), QStringList{QString::fromUtf8(c().emptyMessage)});
    EXPECT_EQ(count(), 0);
}

TEST_P(NamedList, EditOverwritesARowRenamedMeanwhileAfterYes)
{
    const QStringList keys = seedRows({"Alpha", "Bravo", "Charlie"});
    user->prompter.answers({true, true});
    browse(L(), [&](RefList* w) {
        ASSERT_TRUE(select(w, keys[1]));
        when<RefEdit>(E(), [&](RefEdit* e) {
            EXPECT_EQ(e->idEdit()->text(), keys[1]);
            EXPECT_EQ(e->valueEdit(0)->text(), "Bravo");
            admin().exec(QStringLiteral("update %1 set %2='Bravo by another' where %3=%4").arg(d().table, name(), d().key, keys[1]));
            e->valueEdit(0)->setText(QStringLiteral(" Bravo new "));
            e->okButton()->click();
            EXPECT_FALSE(e->isVisible());
        });
        w->editButton()->click();
        // back on the edited row, or left where the refresh put the cursor
        EXPECT_EQ(currentKey(w), d().relocate ? keys[1] : keys[0]);
    });
    EXPECT_EQ(user->prompter.questions(),
              (QStringList{reference::changedQuestion("Bravo", "Bravo by another"), msg::confirmSave}));
    // renaming a measurement method keeps the blanks as typed
    EXPECT_EQ(stored(keys[1]), d().values == reference::Values::Bound ? " Bravo new " : "Bravo new");
}

TEST_P(NamedList, EditShowsTheStoredNameAfterNoAndSavesItWithoutAskingAgain)
{
    const QStringList keys = seedRows({"Alpha", "Bravo"});
    user->prompter.answers({false, true});
    browse(L(), [&](RefList* w) {
        ASSERT_TRUE(select(w, keys[1]));
        when<RefEdit>(E(), [&](RefEdit* e) {
            admin().exec(QStringLiteral("update %1 set %2='Bravo by another' where %3=%4").arg(d().table, name(), d().key, keys[1]));
            e->valueEdit(0)->setText(QStringLiteral("Mine"));
            e->okButton()->click();
            EXPECT_TRUE(e->isVisible());
            EXPECT_EQ(e->valueEdit(0)->text(), "Bravo by another");
            EXPECT_EQ(stored(keys[1]), "Bravo by another");
            e->okButton()->click();
            EXPECT_FALSE(e->isVisible());
        });
        w->editButton()->click();
    });
    EXPECT_EQ(user->prompter.questions(),
              (QStringList{reference::changedQuestion("Bravo", "Bravo by another"), msg::confirmSave}));
    EXPECT_EQ(stored(keys[1]), "Bravo by another");
}

TEST_P(NamedList, DuplicateNameIsRefusedAndTheEditWindowKeepsTheInput)
{
    const QStringList keys = seedRows({"Alpha", "Bravo"});
    user->prompter.alwaysAnswer(true);
    browse(L(), [&](RefList* w) {
        when<RefEdit>(E(), [&](RefEdit* e) {
            e->valueEdit(0)->setText(QStringLiteral("Alpha"));
            e->okButton()->click();
            EXPECT_TRUE(e->isVisible());
            EXPECT_EQ(e->valueEdit(0)->text(), "Alpha");
        });
        w->addButton()->click();
        ASSERT_TRUE(select(w, keys[1]));
        when<RefEdit>(E(), [&](RefEdit* e) {
            e->valueEdit(0)->setText(QStringLiteral("Alpha"));
            e->okButton()->click();
            EXPECT_TRUE(e->isVisible());
        });
        w->editButton()->click();
    });
    EXPECT_EQ(user->prompter.notices(), (QStringList{msg::recordExists, msg::recordExists}));
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(stored(keys[1]), "Bravo");
}

TEST_P(SimpleList, DeleteRefusesAReferencedRowAndRemovesAFreeOne)
{
    const QStringList keys = seedRows({"Alpha", "Bravo"});
    admin().exec(QString::fromUtf8(c().reference).arg(keys[0]));
    user->prompter.answers({true, true});
    browse(L(), [&](RefList* w) {
        ASSERT_TRUE(select(w, keys[0]));
        w->deleteButton()->click();
        EXPECT_EQ(user->prompter.lastNotice(), msg::recordLinked);
        EXPECT_EQ(shown(w, d().key).size(), 2);
        ASSERT_TRUE(select(w, keys[1]));
        w->deleteButton()->click();
        EXPECT_EQ(shown(w, d().key), QStringList{keys[0]});
    });
    EXPECT_EQ(user->prompter.questions(), (QStringList{msg::confirmDelete, msg::confirmDelete}));
    EXPECT_EQ(user->prompter.notices(), QStringList{msg::recordLinked});
    EXPECT_EQ(stored(keys[0]), "Alpha");
    EXPECT_EQ(count(), 1);
}

TEST_P(SimpleList, EachButtonChecksItsOwnRights)
{
    const QStringList keys = seedRows({"Alpha"});
    user->modal.dismissUnexpected(true);  // an edit window that opens is closed at once
    user->prompter.alwaysAnswer(false);   // a delete question is answered no
    for (const QString rights : {"A", "C", "D"}) {
        dm->rights = rights;
        browse(L(), [&](RefList* w) {
            const std::pair<int, QPushButton*> buttons[] = {{0, w->addButton()}, {1, w->editButton()}, {2, w->deleteButton()}};
            for (const auto& [i, button] : buttons) {
                SCOPED_TRACE(rights.toStdString() + " button " + std::to_string(i));
                user->prompter.clear();
                const int shownBefore = user->modal.shownWindows().size();
                button->click();
                const bool opened = user->modal.shownWindows().size() > shownBefore;
                const bool asked = !user->prompter.questions().isEmpty();
                if (allows(i, rights[0])) {
                    EXPECT_TRUE(user->prompter.notices().isEmpty());
                    EXPECT_TRUE(i == 2 ? asked : opened);
                } else {
                    EXPECT_EQ(user->prompter.notices(), QStringList{msg::noRight});
                    EXPECT_FALSE(opened || asked);
                }
            }
        });
    }
    EXPECT_EQ(count(), 1);
}

TEST_P(SimpleList, PickerHandsBackTheChosenKeyOrWhatItWasGiven)
{
    const QStringList keys = seedRows({"Alpha", "Bravo", "Charlie"});
    when<RefList>(L(), [&](RefList* w) {
        EXPECT_EQ(w->browse(), 0);
        ASSERT_TRUE(select(w, keys[2]));
        w->okButton()->click();
    });
    EXPECT_EQ(pick(QStringLiteral("5")), keys[2]);

    when<RefList>(L(), [&](RefList* w) {
        ASSERT_TRUE(select(w, keys[2]));
        w->closeButton()->click();
    });
    EXPECT_EQ(pick(QStringLiteral("5")), "5");
    when<RefList>(L(), [&](RefList* w) { ASSERT_TRUE(select(w, keys[1])); });  // closed by its title bar
    EXPECT_EQ(pick(QString()), "");

    clear(d().table);
    when<RefList>(L(), [&](RefList* w) {
        EXPECT_EQ(w->list().rowCount(), 0);
        w->okButton()->click();
    });
    EXPECT_EQ(pick(QStringLiteral("5")), d().slot == reference::SlotType::Integer ? "0" : "");
    EXPECT_TRUE(user->prompter.shown().empty());
}

TEST_P(SimpleList, EnterAndDoubleClickFollowTheBrowseFlag)
{
    const QStringList keys = seedRows({"Alpha", "Bravo"});
    user->prompter.alwaysAnswer(false);
    // browsing: a double-click edits (RAL: picks), Enter picks where it acts as "Ok"
    browse(L(), [&](RefList* w) {
        if (c().doubleClickEditsInBrowse)
            when<RefEdit>(E(), [&](RefEdit* e) { EXPECT_EQ(e->idEdit()->text(), keys[1]); });
        doubleClick(w, 1);
        EXPECT_EQ(w->isVisible(), c().doubleClickEditsInBrowse);
        if (!w->isVisible()) return;
        pressEnter(w);
        EXPECT_EQ(w->isVisible(), !c().enterIsOk);
    });
    // picking afterwards: the flag was reset on close, or stays 1 where it is not
    EXPECT_EQ(list(L())->browse(), c().flagResets ? 0 : (d().menuSetsFlag ? 1 : 0));
    const bool editsNow = c().doubleClickEditsInBrowse && !c().flagResets;
    when<RefList>(L(), [&](RefList* w) {
        if (editsNow) when<RefEdit>(E(), [](RefEdit*) {});
        doubleClick(w, 1);
        EXPECT_EQ(w->isVisible(), editsNow);
        if (w->isVisible()) {  // "Ok" still picks
            ASSERT_TRUE(select(w, keys[1]));
            w->okButton()->click();
        }
    });
    EXPECT_EQ(pick(QStringLiteral("5")), keys[1]);
    when<RefList>(L(), [&](RefList* w) {
        ASSERT_TRUE(select(w, keys[0]));
        pressEnter(w);
        EXPECT_EQ(w->isVisible(), !c().enterIsOk);
    });
    EXPECT_EQ(pick(QStringLiteral("5")), c().enterIsOk ? keys[0] : "5");
}

TEST_P(SimpleList, TitleSortSurvivesLaterLoadsAndShowings)
{
    // key order and name order differ: the key title sorts by key (RAL: the colour)
    seedRows({"Charlie", "Alpha", "Bravo"});
    const QString field = ral() ? QStringLiteral("color") : d().key;
    const QStringList serverOrder = ral() ? QStringList{"Charlie", "Alpha", "Bravo"} : QStringList{"Alpha", "Bravo", "Charlie"};
    const QStringList sorted = ral() ? QStringList{"Alpha", "Bravo", "Charlie"} : QStringList{"Charlie", "Alpha", "Bravo"};
    const bool sorts = c().titleSort;
    const QString other = field == name() ? d().key : name();
    browse(L(), [&](RefList* w) {
        EXPECT_EQ(shown(w, name()), serverOrder);
        if (d().columns.size() > 1 && !d().columns[1].visible) {
            // the key column is hidden: sort by the name title instead
            clickTitle(w, name());
            EXPECT_TRUE(titleBold(w, name()));
            return;
        }
        clickTitle(w, field);
        EXPECT_EQ(shown(w, name()), sorts ? sorted : serverOrder);
        EXPECT_EQ(titleBold(w, field), sorts);
        EXPECT_FALSE(titleBold(w, other));
    });
    seed(QString::fromUtf8(c().seed), QStringLiteral("Aaron"), 1000 + 9);
    browse(L(), [&](RefList* w) {
        if (d().columns.size() > 1 && !d().columns[1].visible) {
            EXPECT_EQ(shown(w, name()), (QStringList{"Aaron", "Alpha", "Bravo", "Charlie"}));
            EXPECT_TRUE(titleBold(w, name()));
            return;
        }
        QStringList want = sorts ? sorted : serverOrder;
        if (ral() || !sorts) want.prepend("Aaron"); else want.append("Aaron");
        EXPECT_EQ(shown(w, name()), want);
        EXPECT_EQ(titleBold(w, field), sorts);
    });
}

TEST_P(SimpleList, StatementsRunBehindTheirWaitIndicator)
{
    const QStringList keys = seedRows({"Alpha", "Bravo"});
    std::vector<std::pair<QString, QString>> seen;  // statement, indicator running meanwhile
    // the wait window closes only once the event loop runs again, so a running
    // process indicator tells more than a wait window still on show
    dm->conn().setTrace([&](const QString& sql) {
        const bool window = core::pwait()->isVisible(), proc = core::pwaitProc()->running();
        seen.emplace_back(sql, QLatin1String(proc ? "P" : window ? "W" : "-"));
    });
    settle();
    auto kindOf = [&](const QString& prefix) {
        for (const auto& [sql, k] : seen)
            if (sql.startsWith(prefix)) return k;
        return QStringLiteral("?");
    };
    const QStringList waits = split(c().waits);
    user->prompter.alwaysAnswer(true);
    browse(L(), [&](RefList* w) {
        ASSERT_TRUE(select(w, keys[1]));
        when<RefEdit>(E(), [&](RefEdit* e) {
            e->valueEdit(0)->setText(QStringLiteral("Bravo 2"));
            e->okButton()->click();
        });
        w->editButton()->click();
        settle();
        ASSERT_TRUE(select(w, keys[0]));
        w->deleteButton()->click();
    });
    EXPECT_EQ(kindOf(QStringLiteral("select * from")), waits[0]);
    if (d().reread) {
        EXPECT_EQ(kindOf(QStringLiteral("select ") + name()), waits[1]);
    }
    EXPECT_EQ(kindOf(QStringLiteral("update")), waits[2]);
    EXPECT_EQ(kindOf(QStringLiteral("delete")), waits[0]);
    // the refresh after "Edit": the list's indicator, or none for the lists that
    // show one only around their load and delete
    int loads = 0;
    for (const auto& [sql, k] : seen)
        if (sql.startsWith(QLatin1String("select * from")) && ++loads == 2) {
            EXPECT_EQ(k, d().waitOnAddEdit ? waits[0] : QStringLiteral("-"));
        }
    EXPECT_EQ(stored(keys[1]), "Bravo 2");
}

INSTANTIATE_TEST_SUITE_P(All, SimpleList, ::testing::ValuesIn(cases), caseName);
INSTANTIATE_TEST_SUITE_P(All, NamedList, ::testing::ValuesIn(namedCases()), caseName);
