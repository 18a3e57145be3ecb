#pragma once
// The hierarchical list windows (geological units, geological time) and their
// edit windows.
//
// TreeWindow: a SearchTree, the buttons of the window's role, the context menu of
// the maintenance tree with its "Add" (beside the selected node) and "Add Child"
// (under it), "Ok" handing the selected node's key to the launcher, and the
// rebuild after the edit window saved. The windows bring their statements and
// details.
//
// TreeEditDialog: the ID, the name and the parent of a record with the parent's
// pick and clear buttons; picking refuses the record itself and its descendants.

#include <QDialog>
#include <functional>

class QHBoxLayout;
class QLineEdit;
class QMenu;

namespace core { class GradBtn; }
namespace db { class Query; }

namespace reference {

class PickField;
class SearchTree;

class TreeEditDialog : public QDialog {
    Q_OBJECT
public:
    struct ParentPick {
        QString launcher;                             // the picker the parent is chosen with
        std::function<QString(const QString&)> name;  // the parent's display name by its key
        QString parentsSql;                           // every record's key and parent key
    };
    TreeEditDialog(const QString& className, const QString& caption, ParentPick parent, QWidget* w = nullptr);

    // what the tree sets before showing the window: the record (empty: a new one)
    // and the parent a new record gets
    virtual void prepare(const QString& id, const QString& parentKey, const QString& parentName);
    QString id() const;
    bool existing() const;
    // the display name of a parent key
    QString parentName(const QString& key) const { return parent_.name(key); }
    // a save went through since the last prepare (the tree is then built again)
    bool saved() const { return saved_; }

    QLineEdit* idEdit() const { return idEdit_; }
    QLineEdit* nameEdit() const { return nameEdit_; }
    PickField* parentField() const { return parentField_; }

    // reads the record (existing) or empties what the tree did not set (new)
    virtual void betolt() = 0;
    // the parent picker; the record itself or one of its descendants is refused
    void pickParent();

protected:
    void markSaved() { saved_ = true; }
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    db::Query& parentsQuery();

private:
    ParentPick parent_;
    QLineEdit* idEdit_;
    QLineEdit* nameEdit_;
    PickField* parentField_;
    db::Query* parents_;
    bool saved_ = false;
};

class TreeWindow : public QDialog {
    Q_OBJECT
public:
    enum class Role {
        Maintain,  // "Ok", "Add", "Show/Edit", "Delete", "Cancel" and the context menu
        Pick       // "Ok" and "Cancel"; a double-click on a node is "Ok"
    };
    // editor: the edit window (Maintain only); addRights: what the "Add" button
    // needs (empty: no check)
    TreeWindow(Role role, const QString& className, const QString& caption, const QString& launcher,
               TreeEditDialog* editor, const QString& addRights, QWidget* parent = nullptr);

    Role role() const { return role_; }
    const QString& launcher() const { return launcher_; }
    SearchTree* tree() const { return tree_; }
    TreeEditDialog* editor() const { return editor_; }
    core::GradBtn* okButton() const { return ok_; }
    core::GradBtn* addButton() const { return add_; }
    core::GradBtn* editButton() const { return edit_; }
    core::GradBtn* deleteButton() const { return delete_; }
    core::GradBtn* cancelButton() const { return cancel_; }
    QMenu* contextMenu() const { return context_; }
    // the context menu's items by their text ("Add", "Add Child", "Edit", "Delete")
    void trigger(const QString& item);

    // "Ok": the selected node's key into the launcher's slot; nothing without a node
    void ok();
    // builds the tree again from the tables
    virtual void build() = 0;
    void add();         // "Add": a new top-level record
    void addSibling();  // context "Add": beside the selected node (top level when it is at the top)
    void addChild();    // context "Add Child": under the selected node
    void edit();        // "Show/Edit", context "Edit"
    virtual void remove() = 0;  // "Delete", context "Delete"

protected:
    // the window's layout: its body above the row of buttons (extra: widgets
    // before the buttons, such as the creator of the selected record)
    void setBody(QWidget* body, QHBoxLayout* extra = nullptr);
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    core::GradBtn* button(const QString& text);
    // opens the editor on a record (empty: a new one under this parent); after it
    // closed the tree is built again if it saved, with that record selected
    void openEditor(const QString& id, int parent);

    Role role_;
    QString launcher_;
    TreeEditDialog* editor_;
    QString addRights_;
    SearchTree* tree_;
    QHBoxLayout* buttons_;
    core::GradBtn* ok_;
    core::GradBtn* add_ = nullptr;
    core::GradBtn* edit_ = nullptr;
    core::GradBtn* delete_ = nullptr;
    core::GradBtn* cancel_;
    QMenu* context_ = nullptr;
};

}  // namespace reference
