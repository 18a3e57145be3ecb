// What single lists do differently: measurement methods by kind, RAL colours with
// a typed key, Munsell's read-only key, the edit windows' captions and labels, the
// failure paths of loading, "Ok" and the re-read, the journal's and the mineral
// list's column widths, and the pick-only list of quantity names.

#include "refwindows.h"

#include "controls/keplet_delegate.h"
#include "core/messages.h"
#include "core/openers.h"
#include "reference/forms_reference.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QLabel>
#include <QMessageBox>

using namespace reftest;
using reference::RefEdit;
using reference::RefList;

namespace {

class Specific : public RefWindows {
protected:
    // the text of the next plain message box, which the user then closes
    void expectBox(QString* text)
    {
        when<QMessageBox>(QStringLiteral("TMessageBox"), [text](QMessageBox* b) { *text = b->text(); });
    }
    void addVia(const QString& listClass, const QString& editClass, std::function<void(RefEdit*)> typing)
    {
        browse(listClass, [&](RefList* w) {
            when<RefEdit>(editClass, typing);
            w->addButton()->click();
        });
    }
};

}  // namespace

TEST_F(Specific, MeasurementMethodsShowAndAddOnlyTheirOwnKind)
{
    clear(QStringLiteral("meres_modszer"));
    const QString microscopy = seed(QStringLiteral("insert into meres_modszer (tipus, met_nev) values (332, %1) returning met_id"), "Thin section");
    seed(QStringLiteral("insert into meres_modszer (tipus, met_nev) values (334, %1) returning met_id"), "XRD powder");
    user->prompter.alwaysAnswer(true);

    // the menu shows kind 332, and what is added there is of kind 332
    browse(QStringLiteral("Tmeres_modszer"), [&](RefList* w) {
        EXPECT_EQ(shown(w, "met_nev"), QStringList{"Thin section"});
        when<RefEdit>(QStringLiteral("Tmeres_modm"), [](RefEdit* e) {
            e->valueEdit(0)->setText(QStringLiteral("  Point counting  "));
            e->okButton()->click();
        });
        w->addButton()->click();
        EXPECT_EQ(shown(w, "met_nev"), (QStringList{"Point counting", "Thin section"}));
    });
    EXPECT_EQ(scalar("select tipus||'/'||met_nev from meres_modszer where met_nev like 'Point%'"), "332/Point counting");

    // a picker of another kind shows and adds that kind
    when<RefList>(QStringLiteral("Tmeres_modszer"), [&](RefList* w) {
        EXPECT_EQ(shown(w, "met_nev"), QStringList{"XRD powder"});
        when<RefEdit>(QStringLiteral("Tmeres_modm"), [](RefEdit* e) {
            e->valueEdit(0)->setText(QStringLiteral("Rietveld"));
            e->okButton()->click();
        });
        w->addButton()->click();
        w->grid()->setCurrentRow(int(shown(w, "met_nev").indexOf("Rietveld")));
        w->okButton()->click();
    });
    const QString picked = dm->meres_modtorzs(microscopy, 334);
    EXPECT_EQ(scalar("select tipus||'/'||met_nev from meres_modszer where met_id=" + picked), "334/Rietveld");
    EXPECT_EQ(dm->meres_modnev(picked), "Rietveld");
}

TEST_F(Specific, RalColourIsSavedWithItsTypedKeyAndValuesAsTyped)
{
    clear(QStringLiteral("ralt"));
    user->prompter.answer(true);
    addVia(QStringLiteral("Tralt"), QStringLiteral("Tralm"), [](RefEdit* e) {
        EXPECT_TRUE(e->idEdit()->isEnabled());
        EXPECT_FALSE(e->idEdit()->isReadOnly());
        EXPECT_TRUE(e->idEdit()->hasFocus() || !e->isActiveWindow());
        e->idEdit()->setText(QStringLiteral("1015"));
        e->valueEdit(0)->setText(QStringLiteral(" Light ivory "));
        e->valueEdit(1)->setText(QStringLiteral("it's"));
        e->okButton()->click();
        EXPECT_FALSE(e->isVisible());
    });
    EXPECT_EQ(user->prompter.questions(), QStringList{msg::confirmSave});
    EXPECT_EQ(scalar("select ral_id||'|'||color||'|'||abl||'|'||part from ralt"), "1015| Light ivory |it's|");
    EXPECT_EQ(dm->ralnev(QStringLiteral("1015")), " Light ivory  (it's;)");
}

TEST_F(Specific, RalChecksTheColourAndTheKeyAndSavesNothingWithoutThem)
{
    clear(QStringLiteral("ralt"));
    addVia(QStringLiteral("Tralt"), QStringLiteral("Tralm"), [](RefEdit* e) {
        e->okButton()->click();  // both empty: two messages in a row
        e->idEdit()->setText(QStringLiteral("1001"));
        e->okButton()->click();  // the colour only
        e->idEdit()->clear();
        e->valueEdit(0)->setText(QStringLiteral("Beige"));
        e->okButton()->click();  // the key only
        EXPECT_TRUE(e->isVisible());
    });
    EXPECT_EQ(user->prompter.notices(), (QStringList{msg::colourEmpty, msg::idEmpty, msg::colourEmpty, msg::idEmpty}));
    EXPECT_TRUE(user->prompter.questions().isEmpty());
    EXPECT_EQ(scalar("select count(*) from ralt"), "0");
}

TEST_F(Specific, RalNumberCanBeChangedAndTheSamplesFollowIt)
{
    clear(QStringLiteral("ralt"));
    seed(QStringLiteral("insert into ralt values (%2, %1, 'a', 'p') returning ral_id"), "Beige", 1000);
    seed(QStringLiteral("insert into ralt values (%2, %1, 'a', 'p') returning ral_id"), "Ivory", 1014);
    admin().exec("insert into samplet (sample_name, mint_jel, ral_id) values ('S', 1, 1000)");
    user->prompter.answer(true);
    browse(QStringLiteral("Tralt"), [&](RefList* w) {
        ASSERT_TRUE(select(w, "1000"));
        when<RefEdit>(QStringLiteral("Tralm"), [&](RefEdit* e) {
            EXPECT_TRUE(e->idEdit()->isEnabled());
            EXPECT_EQ(e->idEdit()->text(), "1000");
            EXPECT_EQ(e->valueEdit(2)->text(), "p");
            // no changed-record check: what another user did meanwhile is overwritten
            admin().exec("update ralt set color='Changed' where ral_id=1000");
            e->idEdit()->setText(QStringLiteral("1001"));
            e->okButton()->click();
            EXPECT_FALSE(e->isVisible());
        });
        w->editButton()->click();
        EXPECT_EQ(shown(w, "ral_id"), (QStringList{"1001", "1014"}));
    });
    EXPECT_EQ(user->prompter.questions(), QStringList{msg::confirmSave});
    EXPECT_EQ(scalar("select string_agg(ral_id||color, ',' order by ral_id) from ralt"), "1001Beige,1014Ivory");
    EXPECT_EQ(scalar("select ral_id from samplet"), "1001");
}

TEST_F(Specific, RalRefusesAKeyThatIsNoWholeNumberOrAlreadyTaken)
{
    clear(QStringLiteral("ralt"));
    seed(QStringLiteral("insert into ralt values (%2, %1, 'a', 'p') returning ral_id"), "Beige", 1000);
    user->prompter.alwaysAnswer(true);
    addVia(QStringLiteral("Tralt"), QStringLiteral("Tralm"), [](RefEdit* e) {
        e->idEdit()->setText(QStringLiteral("10a"));
        e->valueEdit(0)->setText(QStringLiteral("Grey"));
        e->okButton()->click();
        EXPECT_TRUE(e->isVisible());
        e->idEdit()->setText(QStringLiteral("1000"));
        e->okButton()->click();
        EXPECT_TRUE(e->isVisible());
        EXPECT_EQ(e->valueEdit(0)->text(), "Grey");
    });
    EXPECT_EQ(user->prompter.notices(), (QStringList{"'10a' is not a valid integer value", msg::recordExists}));
    EXPECT_EQ(scalar("select string_agg(color, ',') from ralt"), "Beige");
}

TEST_F(Specific, OnlyTheUsualListsDisableTheKeyField)
{
    struct Case { const char* list; const char* edit; bool enabled; bool readOnly; };
    const Case cases[] = {{"Torszagt", "Torszagmf", false, false}, {"Tmunsellt", "Tmunsellm", true, true},
                          {"Tralt", "Tralm", true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        browse(c.list, [&](RefList* w) {
            ASSERT_GE(w->grid()->currentRow(), 0) << "the reference data lists rows";
            when<RefEdit>(c.edit, [&](RefEdit* e) {
                EXPECT_EQ(e->idEdit()->isEnabled(), c.enabled);
                EXPECT_EQ(e->idEdit()->isReadOnly(), c.readOnly);
                EXPECT_EQ(e->idEdit()->text(), currentKey(w));
                EXPECT_TRUE(e->valueEdit(0)->hasFocus() || !e->isActiveWindow());
            });
            w->editButton()->click();
        });
    }
}

TEST_F(Specific, EditWindowsCarryTheirCaptionsAndLabels)
{
    struct Case { const char* edit; const char* caption; const char* labels; bool idShown; };
    const Case cases[] = {
        {"Torszagmf", "Country(Edit)", "ID:|Country:", true},
        {"Tvarosm", "City(Edit)", "ID:|City:", true},
        {"Tboundm", "Boundary shape(Edit)", "ID:|Boundary shape:", true},
        {"Tfabtypem", "Fabric Type(Edit)", "ID:|Fabric :", true},
        {"Tfabricm", "Fabric(Edit)", "ID:|Fabric:", true},
        {"Tcolorm", "Color(Edit)", "ID:|Color:", true},
        {"Tmetodm", "Metod(Edit)", "ID:|Metod:", true},
        {"Tjarulekm", "Mineral(Edit)", "ID:|Mineral:", true},
        {"Tkonzm", "Conservation substance", "ID:|Conservation substance:", false},
        {"Tjournalm", "Journal", "ID:|Journal:", false},
        {"Tmeres_modm", "Methode edit", "ID:|Methode:", true},
        {"Tralm", "Ral", "ID:|Color:|ABL:|PART:", true},
        {"Tmunsellm", "Munsell edit", "ID:|Munsell:", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        RefEdit* e = editor(c.edit);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->objectName(), c.edit);
        EXPECT_EQ(e->windowTitle(), c.caption);
        EXPECT_EQ(e->accessibleName(), c.caption);
        QStringList labels;
        for (QLabel* l : e->findChildren<QLabel*>())
            if (l->buddy()) {
                labels << l->text();
                EXPECT_EQ(l->buddy()->accessibleName(), l->text());
                if (l->buddy() == e->idEdit()) {
                    EXPECT_EQ(!l->isHidden(), c.idShown);
                }
            }
        EXPECT_EQ(labels.join('|'), c.labels);
        EXPECT_EQ(!e->idEdit()->isHidden(), c.idShown);
        EXPECT_EQ(e->okButton()->text(), "Ok");
        EXPECT_EQ(e->cancelButton()->text(), "Cancel");
    }
    EXPECT_EQ(list("Tkonzt")->closeButton()->text(), "Close");
    EXPECT_EQ(list("Torszagt")->closeButton()->text(), "Cancel");
}

TEST_F(Specific, NamesAreStoredTrimmedAndBlanksOnlyBecomeTheEmptyName)
{
    clear(QStringLiteral("orszagt"));
    user->prompter.alwaysAnswer(true);
    for (const char* typed : {"   ", "  Spaced out  "})
        addVia(QStringLiteral("Torszagt"), QStringLiteral("Torszagmf"), [&](RefEdit* e) {
            e->valueEdit(0)->setText(QString::fromUtf8(typed));
            e->okButton()->click();
            EXPECT_FALSE(e->isVisible());
        });
    EXPECT_EQ(scalar("select string_agg('['||orszag_nev||']', ',' order by orszag_nev) from orszagt"), "[],[Spaced out]");
    // a later edit compares against the stored, trimmed name: no changed-record question
    user->prompter.clear();
    browse(QStringLiteral("Torszagt"), [&](RefList* w) {
        ASSERT_TRUE(select(w, scalar("select orszag_kod from orszagt where orszag_nev='Spaced out'")));
        when<RefEdit>(QStringLiteral("Torszagmf"), [](RefEdit* e) {
            EXPECT_EQ(e->nameAsOpened(), "Spaced out");
            e->okButton()->click();
        });
        w->editButton()->click();
    });
    EXPECT_EQ(user->prompter.questions(), QStringList{msg::confirmSave});
}

TEST_F(Specific, AFailedLoadLeavesAnEmptyUsableListAndOkFailsAsEachListSays)
{
    admin().exec("revoke select on orszagt, colort, konzt from saxora_prog");
    // country: the failure is shown, "Add" still opens the edit window, "Ok" hands back 0
    when<RefList>(QStringLiteral("Torszagt"), [&](RefList* w) {
        EXPECT_EQ(w->list().rowCount(), 0);
        when<RefEdit>(QStringLiteral("Torszagmf"), [](RefEdit* e) { EXPECT_TRUE(e->isVisible()); });
        w->addButton()->click();
        w->okButton()->click();
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(dm->orszagtorzs(7), 0);
    ASSERT_GE(user->prompter.notices().size(), 1);
    EXPECT_TRUE(user->prompter.notices().first().contains("permission denied")) << user->prompter.notices().first().toStdString();

    // colour: the plain box "Error"; conservation: the broken-connection warning; both stay open
    QString colourBox, konzBox;
    when<RefList>(QStringLiteral("Tcolort"), [&](RefList* w) {
        expectBox(&colourBox);
        w->okButton()->click();
        EXPECT_TRUE(w->isVisible());
    });
    EXPECT_EQ(dm->colortorzs("3"), "3");
    when<RefList>(QStringLiteral("Tkonzt"), [&](RefList* w) {
        expectBox(&konzBox);
        w->okButton()->click();
        EXPECT_TRUE(w->isVisible());
    });
    EXPECT_EQ(dm->konztorzs("4"), "4");
    EXPECT_EQ(colourBox, "Error");
    EXPECT_EQ(konzBox, msg::connectionBroken);
}

TEST_F(Specific, AFailedRereadIsReportedAndTheEditWindowStaysOpen)
{
    QString box;
    browse(QStringLiteral("Torszagt"), [&](RefList* w) {
        when<RefEdit>(QStringLiteral("Torszagmf"), [&](RefEdit* e) {
            admin().exec("revoke select on orszagt from saxora_prog");
            e->valueEdit(0)->setText(QStringLiteral("Renamed"));
            expectBox(&box);
            e->okButton()->click();
            EXPECT_TRUE(e->isVisible());
            EXPECT_EQ(e->valueEdit(0)->text(), "Renamed");
        });
        w->editButton()->click();
    });
    EXPECT_TRUE(box.contains("permission denied")) << box.toStdString();
    EXPECT_TRUE(user->prompter.questions().isEmpty());
}

TEST_F(Specific, JournalNameColumnTakesTheRestOfTheGridAlsoAfterResizing)
{
    browse(QStringLiteral("Tjournalt"), [&](RefList* w) {
        auto* g = w->grid();
        const int col = g->dataModel()->columnOf("journal_name");
        EXPECT_EQ(g->columnViewportPosition(col) + g->columnWidth(col), g->viewport()->width());
        const int before = g->columnWidth(col);
        w->resize(w->width() + 120, w->height());
        QApplication::processEvents();
        EXPECT_EQ(g->columnWidth(col), before + 120);
        EXPECT_EQ(g->columnViewportPosition(col) + g->columnWidth(col), g->viewport()->width());
        EXPECT_EQ(g->horizontalScrollBar()->maximum(), 0);  // nothing to scroll sideways
    });
}

TEST_F(Specific, DraggedWidthsStayInTheMineralListOnlyAfterALoad)
{
    for (const char* l : {"Tjarulekt", "Torszagt"}) {
        browse(l, [&](RefList* w) {
            w->grid()->setColumnWidth(1, 260);
            w->load();
            EXPECT_EQ(w->grid()->columnWidth(1), QString(l) == "Tjarulekt" ? 260 : 180) << l;
        });
    }
}

TEST_F(Specific, QuantityNamesListOneGroupAndHandBackTheColumnName)
{
    RefList* w = list(QStringLiteral("Tenevek"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->addButton(), nullptr);  // pick only
    auto* delegate = qobject_cast<controls::KepletDelegate*>(w->grid()->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    EXPECT_EQ(delegate->options().field, "megnev");
    EXPECT_FALSE(delegate->options().tilde);
    EXPECT_DOUBLE_EQ(delegate->options().smallFactor, 0.8);

    const db::Dataset fa = admin().open("select tabnev, megnev from enevek where tab='fa' order by megnev");
    ASSERT_GT(fa.rowCount(), 2);
    when<RefList>(QStringLiteral("Tenevek"), [&](RefList* w) {
        QStringList want;
        for (int r = 0; r < fa.rowCount(); ++r) want << fa.text(r, "megnev");
        EXPECT_EQ(shown(w, "megnev"), want);
        EXPECT_EQ(captions(w), QStringList{"Name"});
        EXPECT_EQ(widths(w), std::vector<int>{230});
        EXPECT_EQ(w->grid()->rowHeight(0), 27);
        clickTitle(w, "megnev");
        EXPECT_FALSE(titleBold(w, "megnev"));
        w->grid()->setCurrentRow(2);
        w->okButton()->click();
    });
    EXPECT_EQ(dm->enevektorzs("gain", "fa"), fa.text(2, "tabnev"));
    when<RefList>(QStringLiteral("Tenevek"), [&](RefList* w) { doubleClick(w, 1); });
    EXPECT_EQ(dm->enevektorzs("gain", "fa"), fa.text(1, "tabnev"));
    when<RefList>(QStringLiteral("Tenevek"), [&](RefList* w) {
        EXPECT_FALSE(shown(w, "tabnev").contains("n100"));  // another group
        w->closeButton()->click();
    });
    EXPECT_EQ(dm->enevektorzs("gain", "esr"), "gain");
    when<RefList>(QStringLiteral("Tenevek"), [&](RefList* w) { w->okButton()->click(); });
    EXPECT_EQ(dm->enevektorzs("gain", "none"), "");

    admin().exec("revoke select on enevek from saxora_prog");
    QString box;
    when<RefList>(QStringLiteral("Tenevek"), [&](RefList* w) {
        expectBox(&box);
        w->okButton()->click();
        EXPECT_TRUE(w->isVisible());
    });
    EXPECT_EQ(dm->enevektorzs("gain", "fa"), "gain");
    EXPECT_EQ(box, "Hiba");
}

TEST_F(Specific, EveryBasicDataItemOfTheseListsHasAnOpener)
{
    for (const char* name : {"Torszagt", "Tvarost", "Tboundt", "Tfabrict", "Tfabtypet", "Tcolort", "Tmetodt",
                             "Tjarulekt", "Tkonzt", "Tjournalt", "Tmeres_modszer", "Tralt", "Tmunsellt"})
        EXPECT_TRUE(core::hasOpener(name)) << name;
    for (const char* launcher : {"orszagtorzs", "varostorzs", "boundtorzs", "fabrictorzs", "fabrictypetorzs",
                                 "colortorzs", "metodtorzs", "mineraltorzs", "konztorzs", "journaltorzs",
                                 "meres_modtorzs", "raltorzs", "munselltorzs", "enevektorzs"})
        EXPECT_TRUE(dm->hasPicker(launcher)) << launcher;
}

TEST_F(Specific, EscapeCancelsAndEnterInTheNameFieldSaves)
{
    clear(QStringLiteral("fabrict"));
    auto key = [](QWidget* w, int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    };
    user->prompter.answer(true);
    browse(QStringLiteral("Tfabrict"), [&](RefList* w) {
        when<RefEdit>(QStringLiteral("Tfabricm"), [&](RefEdit* e) {
            e->valueEdit(0)->setText(QStringLiteral("Porphyritic"));
            key(e->valueEdit(0), Qt::Key_Return);
            EXPECT_FALSE(e->isVisible());
        });
        w->addButton()->click();
        key(w->grid(), Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(scalar("select fabric_name from fabrict"), "Porphyritic");
    EXPECT_EQ(list("Tfabrict")->browse(), 0);
    when<RefList>(QStringLiteral("Tfabrict"), [&](RefList* w) { key(w->grid(), Qt::Key_Escape); });
    EXPECT_EQ(dm->fabrictorzs("12"), "12");
}
