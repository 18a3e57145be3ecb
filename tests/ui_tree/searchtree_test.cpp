// The tree of the hierarchical lists: build order and nesting, search marks,
// match navigation with wrap, and the self-or-descendant test.

#include "reference/searchtree.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

using reference::SearchFold;
using reference::SearchTree;
using reference::TreeRow;

namespace {

// rows as the all-rows statement returns them (by parent, then name), the tops as
// their own statement does; 30 and 31 point at each other and reach no top
const std::vector<TreeRow> kRows = {
    {10, 1, "Austria"}, {11, 1, "Hungary"}, {12, 1, "Ácsi-hegy"},
    {20, 11, "Bakony"}, {21, 11, "Mecsek"},
    {22, 20, "Tés"},
    {30, 31, "Loop A"}, {31, 30, "Loop B"},
    {1, 0, "Europe"}, {2, 0, "Asia"},
};
const std::vector<TreeRow> kTops = {{2, 0, "Asia"}, {1, 0, "Europe"}};

// "caption@depth" of every node in tree order
QStringList outline(const SearchTree& t)
{
    QStringList out;
    for (QTreeWidgetItem* n : t.nodes()) {
        int depth = 0;
        for (QTreeWidgetItem* p = n->parent(); p; p = p->parent()) ++depth;
        out << QStringLiteral("%1@%2").arg(n->text(0)).arg(depth);
    }
    return out;
}

QStringList bold(const SearchTree& t)
{
    QStringList out;
    for (QTreeWidgetItem* n : t.nodes())
        if (n->font(0).bold()) {
            EXPECT_TRUE(SearchTree::marked(n)) << n->text(0).toStdString();
            out << n->text(0);
        }
    return out;
}

QString current(const SearchTree& t) { return t.currentItem() ? t.currentItem()->text(0) : QString(); }

class SearchTreeTest : public ::testing::Test {
protected:
    void SetUp() override { tree.build(kRows, kTops); }
    SearchTree tree;
};

TEST_F(SearchTreeTest, BuildsDepthFirstInRowOrderAndLeavesOutWhatReachesNoTop)
{
    EXPECT_EQ(outline(tree), (QStringList{"Asia@0", "Europe@0", "Austria@1", "Hungary@1", "Bakony@2", "Tés@3",
                                          "Mecsek@2", "Ácsi-hegy@1"}));
    for (QTreeWidgetItem* n : tree.nodes()) {
        EXPECT_TRUE(n->childCount() == 0 || n->isExpanded()) << n->text(0).toStdString();
        EXPECT_EQ(SearchTree::parentId(n), SearchTree::nodeId(n->parent())) << n->text(0).toStdString();
        EXPECT_FALSE(SearchTree::marked(n));
    }
    EXPECT_EQ(SearchTree::nodeId(tree.findNode(22)), 22);
    EXPECT_EQ(tree.findNode(30), nullptr);
}

TEST_F(SearchTreeTest, RebuildReplacesNodesAndReportsNoSelectionWhileBuilding)
{
    tree.selectNode(20);
    std::vector<int> reported;
    QObject::connect(&tree, &SearchTree::nodeSelected, [&](int id) { reported.push_back(id); });
    tree.build({{5, 1, "Alps"}}, {{1, 0, "Europe"}});
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(outline(tree), (QStringList{"Europe@0", "Alps@1"}));
    ASSERT_TRUE(tree.selectNode(5));
    EXPECT_EQ(reported, std::vector<int>{5});
    EXPECT_FALSE(tree.selectNode(20));
    EXPECT_EQ(tree.currentId(), 5);
}

TEST_F(SearchTreeTest, SearchMarksCaptionsHoldingTheTextUnderEachFolding)
{
    struct Case {
        SearchFold fold;
        QString filter;
        QStringList marked;
    } cases[] = {
        {SearchFold::Unicode, "a", {"Asia", "Austria", "Hungary", "Bakony"}},  // Á is another letter
        {SearchFold::Unicode, "ÁCS", {"Ácsi-hegy"}},
        {SearchFold::Unicode, "tés", {"Tés"}},
        {SearchFold::Ascii, "ács", {}},  // á is not folded, Á is not found
        {SearchFold::Ascii, "Ács", {"Ácsi-hegy"}},
        {SearchFold::Ascii, "ECSE", {"Mecsek"}},
        {SearchFold::Unicode, "", {}},
        {SearchFold::Unicode, "nowhere", {}},
    };
    for (const Case& c : cases) {
        tree.setFold(c.fold);
        const bool any = tree.search(c.filter);
        EXPECT_EQ(bold(tree), c.marked) << c.filter.toStdString();
        EXPECT_EQ(any, !c.marked.isEmpty()) << c.filter.toStdString();
        EXPECT_EQ(tree.hasMatches(), any);
    }
}

TEST_F(SearchTreeTest, SearchSelectsTheMatchAfterTheFirstNodeAndNavigationWraps)
{
    tree.search("k");  // marks Bakony and Mecsek; the first node, Asia, is not one
    EXPECT_EQ(current(tree), "Bakony");
    tree.nextMatch();
    EXPECT_EQ(current(tree), "Mecsek");
    tree.nextMatch();  // wraps to the first marked node
    EXPECT_EQ(current(tree), "Bakony");
    tree.previousMatch();  // wraps backwards to the last
    EXPECT_EQ(current(tree), "Mecsek");
    tree.previousMatch();
    EXPECT_EQ(current(tree), "Bakony");

    // the first node itself marked: the search starts after it and comes round
    tree.search("asia");
    EXPECT_EQ(current(tree), "Asia");
    tree.nextMatch();
    EXPECT_EQ(current(tree), "Asia");

    // with no current node, next starts at the first node and previous at the last
    tree.search("e");  // Europe, Mecsek, Ácsi-hegy
    tree.setCurrentItem(nullptr);
    tree.nextMatch();
    EXPECT_EQ(current(tree), "Europe");
    tree.setCurrentItem(nullptr);
    tree.previousMatch();
    EXPECT_EQ(current(tree), "Ácsi-hegy");
}

TEST_F(SearchTreeTest, NavigationDoesNothingWithoutAMatchOrAfterTheSearchIsForgotten)
{
    tree.search("");
    tree.selectNode(11);
    tree.nextMatch();
    tree.previousMatch();
    EXPECT_EQ(current(tree), "Hungary");

    tree.search("bakony");
    tree.selectNode(11);
    tree.forgetSearch();
    tree.nextMatch();
    EXPECT_EQ(current(tree), "Hungary");
    EXPECT_EQ(bold(tree), QStringList{"Bakony"});  // the marks stay, only navigation stops

    tree.search("bakony");
    tree.build(kRows, kTops);  // a rebuild clears marks and the search
    EXPECT_TRUE(bold(tree).isEmpty());
    EXPECT_FALSE(tree.hasMatches());
}

TEST_F(SearchTreeTest, SelectingAMatchInsideAClosedBranchOpensIt)
{
    tree.closeAll();
    for (QTreeWidgetItem* n : tree.nodes()) EXPECT_FALSE(n->isExpanded());
    tree.search("tés");
    ASSERT_EQ(current(tree), "Tés");
    EXPECT_TRUE(tree.findNode(20)->isExpanded());
    tree.openAll();
    for (QTreeWidgetItem* n : tree.nodes()) EXPECT_TRUE(n->childCount() == 0 || n->isExpanded());
}

TEST_F(SearchTreeTest, EnterIsReportedAndOtherKeysMoveAsUsual)
{
    int entered = 0;
    QObject::connect(&tree, &SearchTree::enterPressed, [&] { ++entered; });
    tree.selectNode(2);
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Down)}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&tree, &press);
    }
    EXPECT_EQ(entered, 2);
    EXPECT_EQ(current(tree), "Europe");
}

TEST_F(SearchTreeTest, SelfOrDescendantFollowsTheParentsOfEveryRow)
{
    struct Case {
        int candidate, node;
        bool expected;
    } cases[] = {
        {11, 11, true},  {20, 11, true}, {22, 11, true}, {22, 1, true},
        {1, 11, false},  {10, 11, false}, {2, 11, false}, {0, 11, false},
        {30, 31, true},  {31, 30, true},  // the unreachable rows still count
        {30, 11, false},                  // a cycle ends the walk
        {99, 11, false},                  // unknown key
    };
    for (const Case& c : cases)
        EXPECT_EQ(tree.isSelfOrDescendant(c.candidate, c.node), c.expected) << c.candidate << " under " << c.node;
}

}  // namespace
