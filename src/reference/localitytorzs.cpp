#include "reference/localitytorzs.h"

namespace reference {

const RefDesc& localityList()
{
    static const RefDesc d = [] {
        using C = db::GridColumn;
        RefDesc d;
        d.table = "localityt";
        d.key = "locality_id";
        d.fields = {{"loc_name", "Loc.name"}};
        d.launcher = "localitytorzs";
        d.listClass = "Tlocalityt";
        d.listCaption = "Localities";
        d.loadHead = "select * from localitytorzs order by ";
        d.sortClause = "loc_name";
        // the keys come from gen_id and have six digits and more: 40 pixels would cut them
        d.columns = {C{"locality_id", "ID", 56}, C{"loc_name", "Loc.name", 180}, C{"kont_name", "Continent", 100},
                     C{"orszag_nev", "Country", 100}, C{"region", "Geological Unit", 130}};
        d.titleReloads = true;  // the server orders by the clicked column, without upper
        d.memoField = "description";
        d.memoLabel = "Description:";
        d.doubleClick = DoubleClick::Ok;
        d.editRights = "";  // the editor checks the owner
        d.editButtonText = "Show/Edit";
        d.relocate = false;
        return d;
    }();
    return d;
}

}  // namespace reference
