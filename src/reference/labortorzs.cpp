#include "reference/labortorzs.h"

namespace reference {

const RefDesc& institutionList()
{
    static const RefDesc d = [] {
        using C = db::GridColumn;
        RefDesc d;
        d.table = "labort";
        d.key = "labor_kod";
        d.fields = {{"labor_nev", "Institution:"}};
        d.launcher = "labortorzs";
        d.listClass = "Tlabort";
        d.listCaption = "Institution";
        // institutions keyed 0 or below are never listed
        d.loadHead = "select * from labortorzs where labor_kod>0 order by upper(";
        d.sortClause = "labor_nev";
        d.loadTail = ")";
        d.columns = {C{"labor_kod", "ID", 40}, C{"labor_nev", "Institution", 200}, C{"orszag_nev", "Country", 100},
                     C{"varos_nev", "City", 100}};
        d.columnShares = {1, 80, 500, {0.5, 0.25, 0.25}, {200, 100, 100}};
        d.editRights = "";  // the editor checks the owner
        d.editButtonText = "Show/Edit";
        return d;
    }();
    return d;
}

}  // namespace reference
