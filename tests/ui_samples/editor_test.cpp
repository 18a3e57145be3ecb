#include "samplewindows.h"

#include "core/messages.h"
#include "samples/desc_page.h"
#include "samples/forms_samples.h"
#include "samples/litlinks.h"
#include "samples/samplem2_hooks.h"

#include <QAction>
#include <QRegularExpression>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QTreeWidget>

using namespace samplestest;

namespace {

class Editor : public SampleWindows {
protected:
    samples::DescSection* desc() const { return dynamic_cast<samples::DescSection*>(editor->section("desc")); }
};

// the fixed nodes as the tree shows them, with the measurement and analysis nodes of a sample
QStringList expectedTree(bool descriptive, const QStringList& under331, const QStringList& under35)
{
    QStringList t = {"1 0 Identification", "2 0 Description", "3 0 Methods", "  31 0 Color and Fabric",
                     "  32 0 Physical properties", "  33 0 Mineralogical Composition", "    331 0 Macroscopical"};
    t += under331;
    t += {"    332 0 Microscopical", "    333 0 X-Ray Diffraction", "    334 0 Infrared Investigation",
          "    335 0 Cathodoluminescence Investigation", "  34 0 Isotopical Investigation", "    341 0 Stable",
          "    342 0 Radiogene", "  35 0 Chemical Composition"};
    t += under35;
    t += {"  36 0 ESR", "  37 0 FA and QTA", "4 0 Conservation and Restauration", "5 0 Photos", "6 0 Literature"};
    if (descriptive) t += {"7 0 Macroscopic Description", "8 0 Microscopic Description"};
    return t;
}

}  // namespace

TEST_F(Editor, TheTreeHasEveryNodeInOrderWithTheSamplesMeasurementsAndAnalyses)
{
    const QString s = addSample("Tree");
    const QString m1 = scalar("insert into meresek (id, tipus, mit_mer, meres_nev) values (" + s + ", 331, 5, 'Rim') returning meres_id");
    const QString m2 = scalar("insert into meresek (id, tipus) values (" + s + ", 331) returning meres_id");
    const QString m3 = scalar("insert into meresek (id, tipus, mit_mer) values (" + s + ", 331, 2) returning meres_id");
    const QString a1 = scalar("insert into alk_met (sample_id, met_id) values (" + s + ", (select metod_id from metodt order by metod_name desc limit 1)) returning alkmet_id");
    const QString a2 = scalar("insert into alk_met (sample_id, met_id) values (" + s + ", (select metod_id from metodt order by metod_name limit 1)) returning alkmet_id");
    const QString n1 = scalar("select metod_name from alk_mettorzs where alkmet_id=" + a1);
    const QString n2 = scalar("select metod_name from alk_mettorzs where alkmet_id=" + a2);
    const QStringList meas = {"      3310 " + m1 + " Nr. 1 (Rim)", "      3310 " + m2 + " Nr. 2 ( )", "      3310 " + m3 + " Nr. 3 (Matrix)"};
    const QStringList anal = {"    350 " + a2 + " " + n2, "    350 " + a1 + " " + n1};
    for (const bool descriptive : {false, true}) {
        dm->edition_code = descriptive ? core::Edition::Descriptive : core::Edition::Stone;
        inEditor(s, [&] {
            EXPECT_EQ(treeLines(), expectedTree(descriptive, meas, anal)) << descriptive;
            EXPECT_TRUE(editor->treeReady());
            EXPECT_EQ(editor->currentPageName(), "identification");
            EXPECT_EQ(editor->windowTitle(), "Samples(Edit)  Tree");
            for (QTreeWidgetItemIterator it(editor->tree()); *it; ++it) EXPECT_TRUE((*it)->childCount() == 0 || (*it)->isExpanded());
        });
    }
}

TEST_F(Editor, ASampleWithoutMeasurementsShowsTheSevenTypeNodesWithoutChildren)
{
    const QString s = addSample("Bare");
    inEditor(s, [&] { EXPECT_EQ(treeLines(), expectedTree(false, {}, {})); });
}

TEST_F(Editor, NodeDispatchShowsPagesAndFiltersTheLoadedLinkLists)
{
    const QString s = fullSample("Links");
    const QString m = scalar("select meres_id from meresek where tipus=331 and id=" + s);
    inEditor(s, [&] {
        db::Query* links = editor->dataset(samples::litLinksDataset);
        db::Query* grouped = editor->dataset(samples::litGroupedDataset);
        ASSERT_TRUE(links->isActive());
        struct Case { int code; int id; QString page; QString linkFilter; bool linksFiltered; };
        const std::vector<Case> cases = {
            {2, 0, "descrition", "type=1", true},
            {3, 0, "descrition", "type=1", true},  // "Methods": page and filters stay
            {31, 0, "descrition", "type=2", true},
            {33, 0, "descrition", "type=2", true},
            {331, 0, "descrition", "type=4", true},
            {3310, m.toInt(), "descrition", "type=4 and meres_id=" + m, true},
            {34, 0, "descrition", "type=11 or type=12", true},
            {341, 0, "descrition", "type=11", true},
            {342, 0, "descrition", "type=12", true},
            {36, 0, "descrition", "type=9", true},
            {37, 0, "descrition", "type=10", true},
            {6, 0, "descrition", "type=10", true},  // the grouped list only
            {1, 0, "identification", "type=10", true},
        };
        grouped->applyFilter("type=99");
        const long long before = dm->conn().statementsSent();
        for (const Case& c : cases) {
            ASSERT_TRUE(editor->selectNode(c.code, c.id)) << c.code;
            EXPECT_EQ(editor->currentPageName(), c.page) << c.code;
            EXPECT_EQ(links->filter(), c.linkFilter) << c.code;
            EXPECT_EQ(links->filtered(), c.linksFiltered) << c.code;
        }
        EXPECT_EQ(dm->conn().statementsSent(), before) << "the dispatch only filters what is loaded";
        EXPECT_FALSE(grouped->filtered()) << "node 6 shows the grouped list unfiltered";
        ASSERT_TRUE(editor->selectNode(2));
        EXPECT_EQ(links->rowCount(), 1);
        EXPECT_EQ(desc()->links()->grid()->currentText("mnemonic"), "Kis 2001");
        ASSERT_TRUE(editor->selectNode(3310, m.toInt()));
        EXPECT_EQ(links->rowCount(), 1);
    });
}

namespace {
// a section as a later issue adds one: records the nodes it is routed
class RecordingSection : public samples::Section {
public:
    RecordingSection(samples::Tsamplem2& e, QStringList* seen) : Section(e), seen_(seen) {}
    std::vector<samples::NodeRoute> routes() override
    {
        return {samples::NodeRoute::run([](int) { return true; },
                                        [this](const samples::TreeNode& n) { *seen_ << QString::number(n.code); })};
    }

private:
    QStringList* seen_;
};
}  // namespace

TEST_F(Editor, NodeSelectionsCountOnlyWhenTheTreeIsReady)
{
    QStringList seen;
    samples::destroyForms();
    samples::registerSection({"recorder", 1000, false, [&seen](samples::Tsamplem2& e) {
                                  return std::make_unique<RecordingSection>(e, &seen);
                              }});
    samples::createForms();
    editor = samples::sampleEditor();
    const QString s = addSample("Ready");
    inEditor(s, [&] {
        EXPECT_TRUE(seen.isEmpty()) << "building the tree selects no node";
        editor->selectNode(2);
        EXPECT_EQ(seen, QStringList({"2"}));
        seen.clear();
        editor->menu();  // clearing and rebuilding moves the selection
        EXPECT_TRUE(seen.isEmpty()) << seen.join(",").toStdString();
        EXPECT_EQ(editor->currentPageName(), "identification");
        editor->clearTree();
        EXPECT_FALSE(editor->treeReady());
    });
    samples::destroyForms();
    samples::registerSection({"recorder", 1000, false, [](samples::Tsamplem2& e) { return std::make_unique<samples::Section>(e); }});
}

namespace {
// a section whose load fails, and one after it
class FailingSection : public samples::Section {
public:
    using Section::Section;
    void load() override { throw db::DbError("relation \"nowhere\" does not exist"); }
};
class LaterSection : public samples::Section {
public:
    LaterSection(samples::Tsamplem2& e, bool* loaded) : Section(e), loaded_(loaded) {}
    void load() override { *loaded_ = true; }

private:
    bool* loaded_;
};
}  // namespace

TEST_F(Editor, TheWholeSampleLoadStopsAtTheFirstFailure)
{
    bool later = false;
    samples::destroyForms();
    samples::registerSection({"failing", samples::stage::Colour, false, [](samples::Tsamplem2& e) { return std::make_unique<FailingSection>(e); }});
    samples::registerSection({"later", samples::stage::Physical, false, [&later](samples::Tsamplem2& e) { return std::make_unique<LaterSection>(e, &later); }});
    samples::createForms();
    editor = samples::sampleEditor();
    const QString s = addSample("Half");
    scalar("update samplet set description='loaded before' where sample_id=" + s + " returning 1");
    inEditor(s, [&] {
        EXPECT_EQ(user->prompter.notices(), QStringList({"relation \"nowhere\" does not exist"}));
        EXPECT_FALSE(later);
        EXPECT_EQ(desc()->textBox()->toPlainText(), "loaded before");
        EXPECT_FALSE(editor->dataset(samples::litLinksDataset)->isActive()) << "the literature stage comes after the failure";
    });
    samples::destroyForms();
    for (const char* n : {"failing", "later"})
        samples::registerSection({n, 0, false, [](samples::Tsamplem2& e) { return std::make_unique<samples::Section>(e); }});
}

TEST_F(Editor, OpeningAFullSampleSendsOneStatementPerDatasetWhateverItsRows)
{
    auto opening = [&](const QString& s) {
        QStringList sent;
        user->modal.on("Tsamplem2", [](QDialog* d) { d->reject(); });
        editor->setSampleId(s);
        sent = statementsDuring([&] { core::showModal(editor); });
        for (QString& t : sent) t.replace(QRegularExpression("=" + s + "\\b"), "=ID");
        return sent;
    };
    scalar("select setval('gen_id', 500000)");  // keys that no statement text holds otherwise
    const QString small = fullSample("small");
    const QString big = fullSample("big");
    for (int i = 0; i < 40; ++i) {
        const QString lit = scalar(QStringLiteral("insert into litt (fajta, title, mnemonic) values (3, 'R%1', 'M%1') returning lit_id").arg(i));
        scalar("insert into meresek (id, tipus) values (" + big + ", 332) returning 1");
        scalar("insert into mint_lit (sample_id, lit_id, type) values (" + big + "," + lit + ", 2) returning 1");
        scalar("insert into alk_met (sample_id, met_id) values (" + big + ", 1) returning 1");
    }
    const QStringList a = opening(small);
    const QStringList b = opening(big);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.size(), 5) << a.join("\n").toStdString();  // tree: 2, sample row, literature: 2
}

TEST_F(Editor, ASampleWithoutACreatorRowLoadsItsSectionsWithEmptyIdentification)
{
    const QString s = scalar("insert into samplet (sample_name, mint_jel, description, short_d) values ('Orphan', 3, 'text', 'sd') returning sample_id");
    const QString lit = scalar("insert into litt (fajta, title, mnemonic) values (3, 'T', 'M') returning lit_id");
    scalar("insert into mint_lit (sample_id, lit_id, type) values (" + s + "," + lit + ", 1) returning 1");
    inEditor(s, [&] {
        EXPECT_TRUE(ident()->nameBox()->text().isEmpty());
        EXPECT_TRUE(ident()->shortBox()->text().isEmpty());
        EXPECT_TRUE(desc()->textBox()->toPlainText().isEmpty());
        EXPECT_TRUE(editor->createdByField()->text().isEmpty());
        EXPECT_TRUE(editor->createdDateField()->text().isEmpty());
        EXPECT_EQ(editor->dataset(samples::litLinksDataset)->rowCount(), 1);
    });
}

TEST_F(Editor, TheDescriptionIsSavedAsTypedWithoutAQuestionAndRefreshReadsItBack)
{
    const QString s = addSample("Described");
    const QString typed = "Line one\twith a tab\nIt's 'quoted'; drop table samplet; --";
    inEditor(s, [&] {
        editor->selectNode(2);
        EXPECT_EQ(editor->currentPageName(), "descrition");
        desc()->textBox()->setPlainText(typed);
        press(editor->page("descrition"), "Save");
        settle();
        EXPECT_TRUE(user->prompter.shown().empty());
        EXPECT_EQ(scalar("select description from samplet where sample_id=" + s), typed);
        desc()->textBox()->setPlainText("scratch");
        scalar("update samplet set description='changed elsewhere' where sample_id=" + s + " returning 1");
        const QString lit = scalar("insert into litt (fajta, title, mnemonic) values (3, 'Added meanwhile', 'Nagy 2020') returning lit_id");
        scalar("insert into mint_lit (sample_id, lit_id, type) values (" + s + "," + lit + ", 1) returning 1");
        press(editor->page("descrition"), "Refresh");
        settle();
        EXPECT_EQ(desc()->textBox()->toPlainText(), "changed elsewhere");
        EXPECT_EQ(desc()->links()->grid()->currentText("mnemonic"), "Nagy 2020") << "the refresh re-reads the links";
    });
    // somebody else's sample: the right C is not enough
    loginAs("editor");
    inEditor(s, [&] {
        editor->selectNode(2);
        desc()->textBox()->setPlainText("not mine");
        press(editor->page("descrition"), "Save");
        settle();
    });
    EXPECT_EQ(user->prompter.notices(), QStringList({msg::noRight}));
    EXPECT_EQ(scalar("select description from samplet where sample_id=" + s), "changed elsewhere");
}

TEST_F(Editor, TheLinkButtonsCallTheRegisteredLiteratureDialogWithTheirPage)
{
    const QString s = fullSample("Linked");
    QStringList calls;
    samples::setLitLinkActions({});
    inEditor(s, [&] {
        editor->selectNode(2);
        desc()->links()->updateButtons();
        EXPECT_FALSE(desc()->links()->addButton()->isEnabled());
        samples::setLitLinkActions({[&](samples::LitLinkPanel& p) { calls << "add " + QString::number(p.linkType()); },
                                    [&](samples::LitLinkPanel& p) { calls << "show " + p.currentLitId(); },
                                    [&](samples::LitLinkPanel& p) { calls << "del " + p.currentType(); }});
        desc()->links()->updateButtons();
        desc()->links()->addButton()->click();
        desc()->links()->showEditButton()->click();
        desc()->links()->delButton()->click();
    });
    const QString lit = scalar("select lit_id from mint_lit where type=1 and sample_id=" + s);
    EXPECT_EQ(calls, QStringList({"add 1", "show " + lit, "del 1"}));
    samples::setLitLinkActions({});
}

TEST_F(Editor, ThePopupItemsFollowTheNodeAndTheRegisteredMeasurementDialog)
{
    const QString s = fullSample("Menu");
    const QString m = scalar("select meres_id from meresek where tipus=331 and id=" + s);
    const QString alk = scalar("select alkmet_id from alk_met where sample_id=" + s);
    QStringList called;
    inEditor(s, [&] {
        struct Case { int code; int id; bool newOn; bool editOn; };
        const std::vector<Case> cases = {{1, 0, false, false}, {33, 0, false, false}, {331, 0, true, false},
                                         {342, 0, true, false}, {3310, m.toInt(), true, true}, {350, alk.toInt(), false, false}};
        samples::setMeasureMenuActions({});
        editor->selectNode(3310, m.toInt());
        editor->updatePopupItems();
        EXPECT_FALSE(editor->newMeasureAction()->isEnabled()) << "nothing registered yet";
        samples::setMeasureMenuActions({[&](samples::Tsamplem2&) { called << "new"; }, [&](samples::Tsamplem2&) { called << "edit"; }});
        for (const Case& c : cases) {
            ASSERT_TRUE(editor->selectNode(c.code, c.id)) << c.code;
            editor->updatePopupItems();
            EXPECT_EQ(editor->newMeasureAction()->isEnabled(), c.newOn) << c.code;
            EXPECT_EQ(editor->editMeasureAction()->isEnabled(), c.editOn) << c.code;
        }
        editor->selectNode(3310, m.toInt());
        editor->updatePopupItems();
        editor->editMeasureAction()->trigger();
    });
    EXPECT_EQ(called, QStringList({"edit"}));
    samples::setMeasureMenuActions({});
}
