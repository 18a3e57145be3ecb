#include "reference/arttorzs.h"

namespace reference {
namespace {

RefDesc build()
{
    using C = db::GridColumn;
    RefDesc d;
    d.table = "artefactt";
    d.key = "art_id";
    d.fields = {{"art_name", "Art name:"}};
    d.launcher = "arttorzs";
    d.listClass = "Tartt";
    d.listCaption = "Artefact";
    d.loadHead = "select * from arttorzs order by upper(";
    d.sortClause = "art_name";
    d.loadTail = ")";
    d.columns = {C{"art_id", "ID", 40}, C{"art_name", "Art name", 200}, C{"labor_nev", "Institute", 200},
                 C{"orszag_nev", "Country", 100}, C{"varos_nev", "City", 100}};
    // a wide grid shares what the fixed columns leave between the name and the institute
    d.columnShares = {1, 360, 690, {0.5, 0.5}, {200, 200}};
    d.editRights = "";  // the editor checks the creator's rights itself
    d.editButtonText = "Show/Edit";
    d.memoField = "description";
    d.memoLabel = "Description:";
    d.editClass = "Tartm";
    d.editCaption = "Artefact";
    return d;
}

}  // namespace

const RefDesc& artList()
{
    static const RefDesc d = build();
    return d;
}

}  // namespace reference
