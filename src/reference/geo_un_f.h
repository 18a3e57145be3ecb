#pragma once
// The geological unit trees: Tgeo_un ("Geological") for maintenance, also the
// picker geo_untorzs, and Tgeo_un2 ("Geological Unit"), the picker geo_un2torzs.
// One window configured by its role: the searchable tree and, beside it, the
// read-only details of the selected unit with its metamorphic ages.

#include "db/query.h"
#include "reference/detailfields.h"
#include "reference/treewindow.h"

class QLineEdit;
class QPlainTextEdit;

namespace controls { class DBGrid; }

namespace reference {

class TreeSearchBar;
class Tgeo_un_mod;

class GeoUnitTree : public TreeWindow {
    Q_OBJECT
public:
    // editor: the unit editor (Maintain only)
    GeoUnitTree(Role role, Tgeo_un_mod* editor, QWidget* parent = nullptr);

    TreeSearchBar* searchBar() const { return bar_; }
    // a read-only detail by its column: geo_id, geo_nev, papa, ageofpr, mgrade_nev,
    // teljnev, letre_datum
    QLineEdit* detail(const QString& column) const { return details_.field(column); }
    QPlainTextEdit* description() const { return description_; }
    controls::DBGrid* agesGrid() const { return agesGrid_; }
    db::Query& units() { return all_; }

    void build() override;
    void remove() override;

private:
    QWidget* buildDetails();
    void showDetails(int id);

    TreeSearchBar* bar_;
    DetailFields details_;
    QPlainTextEdit* description_;
    controls::DBGrid* agesGrid_;
    db::Query all_;
    db::Query tops_;
    db::Query ages_;
    db::Query cmd_;
};

}  // namespace reference
