#include "reference/szemelytorzs.h"

namespace reference {

const RefDesc& peopleList()
{
    static const RefDesc d = [] {
        using C = db::GridColumn;
        RefDesc d;
        d.table = "szemelyt";
        d.key = "nev_kod";
        d.fields = {{"ossznev", "Name"}};
        d.launcher = "szemelytorzs";
        d.listClass = "Tszemelyt";
        d.listCaption = "People";
        // persons keyed 0 or below are never listed
        d.loadHead = "select * from szemelytorzs where nev_kod>0 order by upper(";
        d.sortClause = "lastname";
        d.loadTail = "),upper(firstname)";
        d.columns = {C{"nev_kod", "ID", 45}, C{"fokozat", "Title", 50}, C{"ossznev", "Name", 200},
                     C{"varos_nev", "City", 100}, C{"munkakor", "Scope of Activities", 150}};
        d.columnShares = {2, 140, 600, {0.4, 0.2, 0.4}, {200, 100, 200}};
        d.editRights = "";  // the editor checks the owner
        d.editButtonText = "Show/Edit";
        return d;
    }();
    return d;
}

}  // namespace reference
