#pragma once
// The locality trees: Tloc_fa ("Locality"), for maintenance and for picking a
// locality (launcher localityfa), and Tloc_fa_2 ("Locality"), the reduced tree
// the locality editor picks the upward locality from (launcher localityfa2).
// Both are one window configured by its role: the tree with its filter line, the
// read-only details of the selected locality, and the buttons of the role.

#include "db/query.h"
#include "reference/detailfields.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;

namespace core { class GradBtn; }

namespace reference {

class SearchTree;
class Tlocalitym;
class TreeSearchBar;

// ---- the map of the localities ---------------------------------------------------
// The tree's "Map" button shows the localities of the last build on a map. The map
// window registers how it is shown; without one the button is disabled.
enum class MapKind { Coordinates /* "Koordinata" */, Geocoded /* "Város" */ };
using LocalityMap = std::function<void(MapKind, const db::Dataset& localities)>;
void setLocalityMap(LocalityMap show);  // an empty function unregisters
bool hasLocalityMap();

// ---- statements ------------------------------------------------------------------
// every locality with its country, continent, creator and upward name (l2),
// ordered by upward, then name
const QString& localityTreeSql();
inline const QString altNamesSql = QStringLiteral("select * from loc_nev order by locality_id ,loc_name");
inline const QString topLocalitiesSql =
    QStringLiteral("select  locality_id,loc_name from localityt where upward is null order by loc_name");
inline const QString continentsSql = QStringLiteral("select kont_name from kontinentt order by kont_name");
// the delete question: the catalogue text, a blank and ("name")
QString deleteLocalityQuestion(const QString& name);

class LocalityTree : public QDialog {
    Q_OBJECT
public:
    enum class Role {
        Maintain,  // Tloc_fa: "Map", "Ok", "Add", "Show/Edit", "Delete", "Cancel" and the context menu
        Upward     // Tloc_fa_2: "Ok" and "Cancel"
    };
    // editor: the locality editor (Maintain only)
    LocalityTree(Role role, Tlocalitym* editor, QWidget* parent = nullptr);

    Role role() const { return role_; }
    // the launcher whose pick slot "Ok" writes
    QString launcher() const;

    SearchTree* tree() const { return tree_; }
    QLineEdit* filter() const { return filter_; }
    db::Query& localities() { return localities_; }
    db::Query& altNameList() { return altNames_; }
    bool saved() const { return saved_; }

    // details of the selected locality
    QLineEdit* detail(const QString& column) const;
    QComboBox* continent() const { return continent_; }
    QListWidget* altNames() const { return altList_; }
    QPlainTextEdit* description() const { return description_; }

    TreeSearchBar* searchBar() const { return bar_; }
    core::GradBtn* searchButton() const;
    core::GradBtn* clearButton() const;
    core::GradBtn* nextButton() const;
    core::GradBtn* previousButton() const;
    core::GradBtn* collapseButton() const;
    core::GradBtn* expandButton() const;
    core::GradBtn* mapButton() const { return map_; }
    core::GradBtn* okButton() const { return ok_; }
    core::GradBtn* addButton() const { return add_; }
    core::GradBtn* editButton() const { return edit_; }
    core::GradBtn* deleteButton() const { return delete_; }
    core::GradBtn* cancelButton() const { return cancel_; }
    QMenu* contextMenu() const { return context_; }
    QMenu* mapMenu() const { return mapMenu_; }

    // the actions
    void build();
    void ok();
    void add();         // "Add" button: a new top-level locality
    void addSibling();  // context "Add": beside the selected one
    void addChild();    // context "Add Child": under the selected one
    void edit(bool forgetSearch);  // "Show/Edit" forgets the search, context "Edit" does not
    void remove();
    void showMap(MapKind kind);

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QWidget* buildDetails();
    void showDetails(int id);
    void loadContinents();
    void openEditor(const QString& id);
    // after the editor closed: rebuild when it saved, and find this locality again
    void afterEdit(int reselect);

    Role role_;
    Tlocalitym* editor_;
    SearchTree* tree_;
    QLineEdit* filter_;
    QComboBox* continent_;
    QListWidget* altList_;
    QPlainTextEdit* description_;
    DetailFields details_;
    QString upwardId_;  // the selected locality's upward key (hidden)
    QString ownerName_; // the selected locality's creator (hidden)
    TreeSearchBar* bar_;
    core::GradBtn* map_ = nullptr;
    core::GradBtn* ok_;
    core::GradBtn* add_ = nullptr;
    core::GradBtn* edit_ = nullptr;
    core::GradBtn* delete_ = nullptr;
    core::GradBtn* cancel_;
    QMenu* context_ = nullptr;
    QMenu* mapMenu_ = nullptr;
    db::Query localities_;
    db::Query altNames_;
    db::Query tops_;
    db::Query cmd_;
    bool saved_ = false;
};

}  // namespace reference
