#pragma once
// The sample editor Tsamplem2: a tree of sections on the left, a stack of pages
// (no tabs; the tree chooses the page) on the right, and a bottom bar with
// "Close", the sample's creator ("Create a record:") and creation time ("Date:").
//
// The shell owns the sample id, the creator, the tree with its node codes, the
// shared datasets of the sections, the whole-sample load and the node dispatch;
// the sections (section.h) bring the pages and their loads, saves and filters.

#include "db/query.h"
#include "reference/refdesc.h"
#include "samples/section.h"

#include <QDialog>
#include <QHash>
#include <map>
#include <memory>
#include <vector>

class QLineEdit;
class QMenu;
class QAction;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace core { class GradBtn; }

namespace samples {

using reference::Wait;

// the "Save" and "Refresh" of a page
struct PageActions {
    std::function<void()> save;     // the save routine; a failure throws db::DbError
    std::function<void()> refresh;  // the load routine; a failure throws db::DbError
    Wait saveWait = Wait::Window;
    Wait refreshWait = Wait::Window;
    // after the page's own load, re-read the per-section literature links
    bool rereadLinks = true;
    // the right to save; empty: the owner right of the sample (jogellnev "CD")
    std::function<bool()> saveRight;
};

class Tsamplem2 : public QDialog {
    Q_OBJECT
public:
    explicit Tsamplem2(QWidget* parent = nullptr);
    ~Tsamplem2() override;

    // ---- the sample -----------------------------------------------------------
    // the sample list writes it before showing; empty: a new sample
    QString sampleId() const { return sampleId_; }
    void setSampleId(const QString& id);
    bool isNewSample() const { return sampleId_.trimmed().isEmpty(); }
    // "Samples(Edit)  " + the sample's name
    void setSampleCaption(const QString& sampleName);
    QString creatorUserName() const { return creatorUserName_; }
    void setCreatorUserName(const QString& name) { creatorUserName_ = name; }
    // the bottom bar
    void setCreated(const QString& fullName, const QString& date);
    QLineEdit* createdByField() const { return createdBy_; }
    QLineEdit* createdDateField() const { return createdDate_; }

    // May the user change this sample? Existing sample: jogellnev "CD" with the
    // creator's user name; new sample: jogell "CD".
    bool ownerTest(QChar mode = QLatin1Char('I'));

    // the ORDER BY columns of the microscopical and macroscopical mineral lists and
    // of the chemical method list
    QString micOrder, macOrder, chemOrder;
    void resetOrders();

    // ---- datasets shared by the sections -----------------------------------------
    // by name ("litlinks", "litgrouped", "photos", "measurements", ...), made on
    // first use on the data module's connection; loaded by their sections
    db::Query* dataset(const QString& name);

    // ---- pages ------------------------------------------------------------------
    QWidget* page(const QString& name) const;
    void showPage(const QString& name);
    QString currentPageName() const;
    Section* section(const QString& name) const;
    // a bar with "Save" and "Refresh" (as far as the actions have them) for a page
    QWidget* saveRefreshBar(QWidget* page, PageActions actions);
    void runSave(const PageActions& a);
    void runRefresh(const PageActions& a);

    // ---- tree ---------------------------------------------------------------------
    // builds the tree for the current sample id (menu); throws db::DbError
    void menu();
    void clearTree();
    bool treeReady() const { return treeReady_; }
    QTreeWidget* tree() const { return tree_; }
    TreeNode currentNode() const;
    // selects the first node with this code and id; false when there is none
    bool selectNode(int code, int id = 0);
    // the node dispatch for the selected node
    void TreeView1Change();
    // the pop-up menu of the tree with its items enabled for the selected node
    QMenu* popupMenu() const { return popup_; }
    QAction* newMeasureAction() const { return newMeasure_; }
    QAction* editMeasureAction() const { return editMeasure_; }
    void updatePopupItems();

    // ---- loading ------------------------------------------------------------------
    // loads every section of the current sample; the first failure is shown and
    // ends the load; false then
    bool adatleker();
    // a new sample that was just inserted: tree, whole sample, list order
    void becomeExisting(const QString& newId);

    core::GradBtn* closeButton() const { return close_; }

signals:
    void sampleIdChanged(const QString& id);

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void startShowing();
    void addNodes(const db::Dataset& measurements, const db::Dataset& analyses);
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, int code, int id, const QString& caption, int image);
    void showPopup(const QPoint& pos);

    QString sampleId_;
    QString creatorUserName_;
    bool treeReady_ = false;

    QTreeWidget* tree_;
    QStackedWidget* pages_;
    QLineEdit* createdBy_;
    QLineEdit* createdDate_;
    core::GradBtn* close_;
    QMenu* popup_;
    QAction* newMeasure_;
    QAction* editMeasure_;

    std::map<QString, std::unique_ptr<db::Query>> datasets_;
    struct Loaded {
        SectionEntry entry;
        std::unique_ptr<Section> section;
        std::vector<NodeRoute> routes;
    };
    std::vector<Loaded> sections_;
};

}  // namespace samples
