#include "samplewindows.h"

#include "core/messages.h"
#include "core/openers.h"
#include "samples/samplet2_hooks.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <libpq-fe.h>

using namespace samplestest;

namespace {

const QString listSql = QStringLiteral(
    " select sample_id,sample_name,mj.mint_jelnev,short_d,letre_date,u.teljnev from samplet s  join mint_jel mj on "
    "mj.mint_kod=s.mint_jel  join users u on u.user_id=s.letre_user order by sample_id desc");

class SampleList : public SampleWindows {};

}  // namespace

TEST_F(SampleList, ShowsEverySampleWithATypeAndACreatorNewestFirst)
{
    const QString a = addSample(QStringLiteral("Andesite"), 1, QStringLiteral("short_d"), QStringLiteral("'grey'"));
    const QString b = addSample(QStringLiteral("Blade"), 2);
    const QString orphan = scalar("insert into samplet (sample_name, mint_jel) values ('No creator', 3) returning sample_id");
    // a type code without its mint_jel row: the key is dropped so the row can exist
    admin().exec("alter table samplet drop constraint samplet_mint_jel_fkey");
    const QString untyped = addSample(QStringLiteral("No type"), 9);
    const QString c = addSample(QStringLiteral("Other one"), 3);
    inList([&] {
        EXPECT_EQ(list->browse_mode, 1);
        EXPECT_EQ(list->list().sql(), listSql);
        EXPECT_EQ(captions(), QStringList({"ID", "Sample name", "Type", "Short Desc.", "Created on", "Created by"}));
        EXPECT_EQ(shown("sample_id"), QStringList({c, b, a}));
        EXPECT_EQ(shown("mint_jelnev"), QStringList({"Other", "Archeological", "Geological"}));
        EXPECT_EQ(shown("short_d"), QStringList({"", "", "grey"}));
        EXPECT_EQ(shown("letre_date").value(0), "2024.03.05 10:20:30");
        EXPECT_EQ(shown("teljnev").value(0), "Administrator");
        EXPECT_EQ(list->recordCount()->text(), "3");
    });
    EXPECT_EQ(list->browse_mode, 0);
    (void)orphan;
    (void)untyped;
}

TEST_F(SampleList, TitleSortIsOnTheClientAndRefreshReturnsServerOrder)
{
    const QString z = addSample(QStringLiteral("zircon"));
    const QString a = addSample(QStringLiteral("Ábrahám's stone"));
    const QString m = addSample(QStringLiteral("marble"));
    inList([&] {
        const long long before = dm->conn().statementsSent();
        clickTitle(list->grid(), "sample_name");
        EXPECT_EQ(dm->conn().statementsSent(), before) << "a title sort sends nothing";
        EXPECT_EQ(shown("sample_id"), QStringList({a, m, z}));
        EXPECT_EQ(list->grid()->dataModel()->boldField(), "sample_name");
        press(list, "Refresh");
        EXPECT_EQ(shown("sample_id"), QStringList({m, a, z}));
        EXPECT_TRUE(list->grid()->dataModel()->boldField().isEmpty());
    });
}

TEST_F(SampleList, ColumnWidthsFollowTheGridWidthAndASearch)
{
    addSample(QStringLiteral("s"));
    inList([&] {
        struct Case { int gridWidth; std::vector<int> widths; };
        for (const Case& k : std::vector<Case>{{700, {50, 180, 120, 180, 110, 100}},
                                               {749, {50, 180, 120, 180, 110, 100}},
                                               {750, {50, 170, 120, 170, 110, 100}},
                                               {1011, {50, 301, 120, 301, 110, 100}}}) {
            list->grid()->resize(k.gridWidth, 300);
            list->applyWidths();
            EXPECT_EQ(widths(), k.widths) << k.gridWidth;
        }
        list->applySearchWidths();
        EXPECT_EQ(widths(), std::vector<int>({50, 180, 120, 180, 120, 100}));
    });
}

TEST_F(SampleList, DeleteRemovesTheSampleFromTwelveTablesAndRereadsTheList)
{
    const QString gone = fullSample(QStringLiteral("gone"));
    const QString kept = fullSample(QStringLiteral("kept"));
    const std::vector<int> keptBefore = twelveTables(kept);
    inList([&] {
        ASSERT_EQ(list->grid()->currentText("sample_id"), kept);
        list->grid()->setCurrentRow(1);
        user->prompter.answer(true);
        QStringList sent = statementsDuring([&] { press(list, "Delete"); });
        EXPECT_EQ(user->prompter.questions(), QStringList({msg::confirmDelete}));
        ASSERT_FALSE(sent.isEmpty());
        EXPECT_TRUE(sent.first().startsWith("begin;delete from met_elem where sample_id=" + gone + "; delete from alk_met"));
        EXPECT_EQ(shown("sample_id"), QStringList({kept}));
        EXPECT_EQ(list->recordCount()->text(), "1");
    });
    EXPECT_EQ(twelveTables(gone), std::vector<int>(12, 0));
    EXPECT_EQ(count("meresek where id=" + gone), 0);
    EXPECT_EQ(twelveTables(kept), keptBefore);
}

TEST_F(SampleList, ARefusedDeleteRollsBackAndLeavesEveryTableAsItWas)
{
    const QString s = fullSample(QStringLiteral("held"));
    // a row of another table that still refers to the sample
    admin().exec("create table sample_hold (sample_id integer references samplet)");
    admin().exec("insert into sample_hold values (" + s + ")");
    const std::vector<int> before = twelveTables(s);
    inList([&] {
        user->prompter.answer(true);
        const QStringList sent = statementsDuring([&] { press(list, "Delete"); });
        EXPECT_EQ(user->prompter.lastNotice(), msg::recordLinked);
        ASSERT_EQ(sent.size(), 2) << sent.join("\n").toStdString();
        EXPECT_EQ(sent.last(), "rollback");
        EXPECT_EQ(PQtransactionStatus(dm->conn().handle()), PQTRANS_IDLE);
        EXPECT_EQ(shown("sample_id"), QStringList({s}));
    });
    EXPECT_EQ(twelveTables(s), before);
    for (int n : before) EXPECT_GT(n, 0);
}

TEST_F(SampleList, DeleteNeedsTheRightDAndAYesAndDoesNothingOnAnEmptyList)
{
    inList([&] {
        statementsDuring([&] { press(list, "Delete"); });
        EXPECT_TRUE(user->prompter.shown().empty()) << "nothing to delete, nothing asked";
    });
    const QString s = addSample(QStringLiteral("s"));
    loginAs("editor");
    inList([&] { press(list, "Delete"); });
    EXPECT_EQ(user->prompter.notices(), QStringList({msg::noRight}));
    loginAs("admin");
    user->prompter.clear();
    inList([&] {
        user->prompter.answer(false);
        press(list, "Delete");
    });
    EXPECT_EQ(count("samplet where sample_id=" + s), 1);
}

TEST_F(SampleList, ShowEditAndDoubleClickOpenTheEditorByBrowseMode)
{
    const QString s = addSample(QStringLiteral("Basalt"));
    inList([&] {
        QStringList seen;
        user->modal.on("Tsamplem2", [&](QDialog* d) {
            seen << editor->sampleId() << d->windowTitle();
            d->reject();
        });
        list->browse_mode = 0;
        emit list->grid()->rowDoubleClicked(0);
        EXPECT_TRUE(seen.isEmpty()) << "a double-click outside browse mode opens nothing";
        list->browse_mode = 1;
        emit list->grid()->rowDoubleClicked(0);
        EXPECT_EQ(seen, QStringList({s, "Samples(Edit)  Basalt"}));
        user->modal.on("Tsamplem2", [&](QDialog* d) {
            seen << editor->sampleId();
            d->reject();
        });
        press(list, "Show/Edit");
        EXPECT_EQ(seen.last(), s);
    });
}

TEST_F(SampleList, ShowEditOnAnEmptyListOpensANewSample)
{
    inList([&] {
        user->modal.on("Tsamplem2", [&](QDialog* d) {
            EXPECT_TRUE(editor->isNewSample());
            EXPECT_EQ(d->windowTitle(), "Samples(Edit)  ");
            EXPECT_EQ(editor->currentPageName(), "identification");
            EXPECT_EQ(editor->tree()->topLevelItemCount(), 0);
            d->reject();
        });
        press(list, "Show/Edit");
    });
}

TEST_F(SampleList, AddOpensANewSampleAndListsItFirstWithoutTheSearch)
{
    const QString old = addSample(QStringLiteral("old"));
    addSample(QStringLiteral("older"));
    inList([&] {
        list->openList(listSql.section(" order by", 0, 0) + " where sample_name='older' order by sample_id desc");
        ASSERT_EQ(list->list().rowCount(), 1);
        user->modal.on("Tsamplem2", [&](QDialog* d) {
            EXPECT_TRUE(editor->isNewSample());
            ident()->nameBox()->setText("Fresh one");
            click(ident()->typeCaption(3));
            user->prompter.answer(true);
            press(ident()->page(), "Save");
            EXPECT_FALSE(editor->isNewSample());
            d->reject();
        });
        list->list_order = "sample_name";
        press(list, "Add");
        EXPECT_EQ(list->list_order, "sample_id desc");
        EXPECT_EQ(shown("sample_name"), QStringList({"Fresh one", "older", "old"}));
    });
    (void)old;
}

TEST_F(SampleList, AddNeedsTheRightToAdd)
{
    loginAs("viewer");
    inList([&] { press(list, "Add"); });
    EXPECT_EQ(user->prompter.notices(), QStringList({msg::noRight}));
    EXPECT_FALSE(user->modal.shownWindows().contains("Tsamplem2"));
}

TEST_F(SampleList, ExportHandsTheListedIdsInListOrderToTheRegisteredWindow)
{
    const QString a = addSample(QStringLiteral("b"));
    const QString b = addSample(QStringLiteral("a"));
    const QString c = addSample(QStringLiteral("c"));
    samples::setExportWindow({});
    inList([&] { EXPECT_FALSE(list->button("Export")->isEnabled()); });
    QStringList handed;
    samples::setExportWindow([&](const QString& ids) { handed << ids; });
    inList([&] {
        EXPECT_TRUE(list->button("Export")->isEnabled());
        press(list, "Export");
        clickTitle(list->grid(), "sample_name");
        list->grid()->setCurrentRow(2);
        press(list, "Export");
        EXPECT_EQ(list->grid()->currentRow(), 2) << "the current row stays";
    });
    EXPECT_EQ(handed, QStringList({"0," + c + "," + b + "," + a, "0," + b + "," + a + "," + c}));
    admin().exec("delete from samplet");
    inList([&] { press(list, "Export"); });
    EXPECT_EQ(handed.last(), "0");
    loginAs("viewer");
    inList([&] { press(list, "Export"); });
    EXPECT_EQ(handed.size(), 3);
    EXPECT_EQ(user->prompter.lastNotice(), msg::noRight);
    samples::setExportWindow({});
}

namespace {
// the search panel as the search issue plugs it in: counts what the list asks of it
class CountingPanel : public samples::SearchPanel {
public:
    explicit CountingPanel(int* calls) : calls_(calls), w_(new QLabel("criteria")) {}
    QWidget* widget() override { return w_; }
    void szurotorol() override { ++calls_[0]; }
    void collapseAll() override { ++calls_[1]; }

private:
    int* calls_;
    QWidget* w_;
};
}  // namespace

TEST_F(SampleList, TheFilterBarTogglesTheSearchPanelAndEveryShowingClearsIt)
{
    int calls[2] = {0, 0};
    samples::setSearchPanelFactory([&calls](samples::Tsamplet2&) { return std::make_unique<CountingPanel>(calls); });
    inList([&] {
        EXPECT_FALSE(list->filterShown());
        EXPECT_EQ(calls[0], 1);
        EXPECT_EQ(calls[1], 1);
        auto* caption = list->filterBar()->findChildren<QLabel*>().value(2);
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->text(), "F\ni\nl\nt\ne\nr");
        const int gridBefore = list->grid()->width();
        click(caption);
        EXPECT_TRUE(list->filterShown());
        EXPECT_TRUE(list->searchHost()->isAncestorOf(list->searchPanel()->widget()));
        EXPECT_LT(list->grid()->width(), gridBefore);
        click(list->filterBar()->findChildren<QLabel*>().value(0));  // the upper arrow
        EXPECT_FALSE(list->filterShown());
    });
    inList([&] { EXPECT_EQ(calls[0], 2); });
    samples::setSearchPanelFactory({});
}
