#pragma once
// The tree of the hierarchical reference lists (localities, geological units,
// geological time): built depth first from parent/child rows, each node carrying
// its row's key, its parent's key and a search mark. A search marks in bold every
// node whose caption holds the filter text; next and previous match walk the
// marked nodes in tree order and wrap once around.
//
// The windows keep their own layout and buttons and call these services.

#include <QHash>
#include <QIcon>
#include <QString>
#include <QTreeWidget>
#include <vector>

namespace db { class Dataset; }

namespace reference {

// one row of a hierarchy: its key, its parent's key (0: none) and the caption
struct TreeRow {
    int id = 0;
    int parent = 0;
    QString caption;
};

// how captions and the filter text are compared
enum class SearchFold {
    Unicode,  // upper case of every letter (á and Á match)
    Ascii     // only the letters a to z are folded
};

class SearchTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit SearchTree(QWidget* parent = nullptr);

    void setFold(SearchFold fold) { fold_ = fold; }
    SearchFold fold() const { return fold_; }

    // ---- building ------------------------------------------------------------
    // Removes every node and builds again: each top row in the given order becomes
    // a top-level node followed, depth first, by its children, which are the rows
    // whose parent is that node's key, in the order of `rows`. Rows that cannot be
    // reached from a top row (a chain of parents that never ends at the top) are
    // left out. Every node is expanded afterwards, marks are cleared and the last
    // search is forgotten. Selection changes during the build are not reported.
    void build(const std::vector<TreeRow>& rows, const std::vector<TreeRow>& tops);
    // the rows of a result: key, parent (null or 0: none) and caption fields
    static std::vector<TreeRow> rowsOf(const db::Dataset& data, const QString& idField,
                                       const QString& parentField, const QString& captionField);
    bool building() const { return building_; }

    // ---- nodes ---------------------------------------------------------------
    static int nodeId(const QTreeWidgetItem* node);
    static int parentId(const QTreeWidgetItem* node);
    static bool marked(const QTreeWidgetItem* node);
    // every node in tree order (depth first, as shown when all are open)
    QList<QTreeWidgetItem*> nodes() const;
    // the first node in tree order with this key; nullptr when none
    QTreeWidgetItem* findNode(int id) const;
    // makes the first node with this key current and scrolls to it; false when none
    bool selectNode(int id);
    // key of the current node; 0 when none is selected
    int currentId() const;

    // ---- search ------------------------------------------------------------------
    // Marks (bold) every node whose caption contains the filter text, folded as set,
    // unmarks the others; an empty filter marks nothing. Then focuses the tree,
    // selects the first node and runs nextMatch(). Returns whether anything matched.
    bool search(const QString& filter);
    // whether the last search marked a node (next and previous do nothing otherwise)
    bool hasMatches() const { return matched_; }
    // next and previous do nothing until the next search
    void forgetSearch() { matched_ = false; }
    // from the node after (before) the current one to the end (start), then once
    // more from the other end: the first marked node found becomes current
    void nextMatch();
    void previousMatch();
    // whether the caption holds the filter text under the tree's folding
    bool matches(const QString& caption, const QString& filter) const;

    void openAll() { expandAll(); }
    void closeAll() { collapseAll(); }

    // ---- ancestry --------------------------------------------------------------
    // True when the candidate is the node itself or lies anywhere below it, judged
    // by the parent keys of the rows of the last build (also the rows that could
    // not be shown). A broken chain (a cycle) ends the walk.
    bool isSelfOrDescendant(int candidate, int node) const;
    // the same on a map of key -> parent key (0: none)
    static bool isSelfOrDescendant(const QHash<int, int>& parents, int candidate, int node);
    static QHash<int, int> parentsOf(const std::vector<TreeRow>& rows);

signals:
    // the current node changed (not reported while building); 0 when none
    void nodeSelected(int id);
    // Enter or Return on the tree (the windows choose the current node with it)
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void addChildren(QTreeWidgetItem* node, const QHash<int, std::vector<int>>& children,
                     const std::vector<TreeRow>& rows, QSet<int>& placed);
    QTreeWidgetItem* makeNode(const TreeRow& row);
    void setMark(QTreeWidgetItem* node, bool on);
    QString folded(const QString& text) const;
    void walk(int step);

    SearchFold fold_ = SearchFold::Unicode;
    bool building_ = false;
    bool matched_ = false;
    QHash<int, int> parents_;
};

// the pictures of the small tree buttons, drawn by the program
enum class TreeGlyph { Search, Next, Previous, Clear, CollapseAll, ExpandAll };
QIcon treeGlyph(TreeGlyph glyph);

}  // namespace reference
