#include "reference/mgradetorzs.h"

namespace reference {
namespace {

RefDesc build()
{
    using C = db::GridColumn;
    RefDesc d;
    d.table = "mgrade";
    d.key = "mgrade_id";
    d.fields = {{"mgrade_nev", "Metamorphic grade:"}};
    d.launcher = "mgradetorzs";
    d.listClass = "Tmgrade";
    d.listCaption = "Metamorphic grade";
    // no order and no wait indicator: the table is a handful of rows
    d.loadHead = "select mgrade_id,mgrade_nev from mgrade";
    d.columns = {C{"mgrade_id", "Id", 50}, C{"mgrade_nev", "Metamorphic grade", 130}};
    d.titleSort = false;
    d.enterIsOk = false;
    d.doubleClick = DoubleClick::Ok;
    d.menuSetsFlag = false;  // the list has no browse flag
    d.listWait = Wait::None;
    d.editClass = "Tmgradem";
    d.editCaption = "Metamorphic grade";
    // saves like every other edit window: the compulsory name, the changed-record
    // check, the question, one INSERT or UPDATE
    d.emptyChecks = {{1, QStringLiteral("The field 'Metamorphic grade' is empty!")}};
    return d;
}

}  // namespace

const RefDesc& mgradeList()
{
    static const RefDesc d = build();
    return d;
}

}  // namespace reference
