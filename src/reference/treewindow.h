#pragma once
// The skeleton of the hierarchical list windows (geological units, geological
// time): a SearchTree, the buttons of the window's role, the context menu of the
// maintenance tree, "Ok" handing the selected node's key to the launcher, and the
// tree-changed flag its edit window raises after a save. The windows bring their
// own statements, details and edit window.

#include <QDialog>

class QHBoxLayout;
class QMenu;

namespace core { class GradBtn; }
namespace db { class Query; }

namespace reference {

class SearchTree;

class TreeWindow : public QDialog {
    Q_OBJECT
public:
    enum class Role {
        Maintain,  // "Ok", "Add", "Show/Edit", "Delete", "Cancel" and the context menu
        Pick       // "Ok" and "Cancel"; a double-click on a node is "Ok"
    };
    TreeWindow(Role role, const QString& className, const QString& caption, const QString& launcher,
               QWidget* parent = nullptr);

    Role role() const { return role_; }
    const QString& launcher() const { return launcher_; }
    SearchTree* tree() const { return tree_; }
    core::GradBtn* okButton() const { return ok_; }
    core::GradBtn* addButton() const { return add_; }
    core::GradBtn* editButton() const { return edit_; }
    core::GradBtn* deleteButton() const { return delete_; }
    core::GradBtn* cancelButton() const { return cancel_; }
    QMenu* contextMenu() const { return context_; }
    // the context menu's items by their text ("Add", "Add Child", "Edit", "Delete")
    void trigger(const QString& item);

    // the edit window saved since it was opened (the tree is then built again)
    bool changed() const { return changed_; }
    void setChanged() { changed_ = true; }

    // "Ok": the selected node's key into the launcher's slot; nothing without a node
    void ok();
    // builds the tree again from the tables
    virtual void build() = 0;
    // the actions of the maintenance tree
    virtual void add() = 0;         // "Add": a new top-level record
    virtual void addSibling() = 0;  // context "Add": beside the selected node
    virtual void addChild() = 0;    // context "Add Child": under the selected node
    virtual void edit() = 0;        // "Show/Edit", context "Edit"
    virtual void remove() = 0;      // "Delete", context "Delete"

protected:
    // the window's layout: its body above the row of buttons (extra: widgets
    // before the buttons, such as the creator of the selected record)
    void setBody(QWidget* body, QHBoxLayout* extra = nullptr);
    // before an edit window opens, and after it closed: rebuilt when it saved,
    // with the node of this key selected again if it is still there
    void beforeEdit() { changed_ = false; }
    bool afterEdit(int reselect);
    void paintEvent(QPaintEvent* e) override;

private:
    core::GradBtn* button(const QString& text);

    Role role_;
    QString launcher_;
    SearchTree* tree_;
    QHBoxLayout* buttons_;
    core::GradBtn* ok_;
    core::GradBtn* add_ = nullptr;
    core::GradBtn* edit_ = nullptr;
    core::GradBtn* delete_ = nullptr;
    core::GradBtn* cancel_;
    QMenu* context_ = nullptr;
    bool changed_ = false;
};

// The parent check of the editors: whether the candidate is the record itself or
// one of its descendants, by the (key, parent key) rows the statement returns as
// the table holds them now. A failure to read them is shown and counts as yes.
bool ownDescendant(db::Query& q, const QString& parentsSql, const QString& candidate, const QString& self);

}  // namespace reference
