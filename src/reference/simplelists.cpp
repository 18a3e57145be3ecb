#include "reference/simplelists.h"

#include "core/messages.h"

namespace reference {
namespace {

using C = db::GridColumn;
using P = ParamSource;

// the usual list: "select * from <table> order by upper(<name>)", Tpwait everywhere,
// the name as a trimmed literal, the changed-record check before an UPDATE
RefDesc named(QString table, QString key, QString name, QString label)
{
    RefDesc d;
    d.table = table;
    d.key = key;
    d.fields = {{name, label}};
    d.loadHead = QStringLiteral("select * from ") + table + QStringLiteral(" order by upper(");
    d.sortClause = name;
    d.loadTail = QStringLiteral(")");
    return d;
}

std::vector<RefDesc> build()
{
    std::vector<RefDesc> all;

    {   // country
        RefDesc d = named("orszagt", "orszag_kod", "orszag_nev", "Country:");
        d.launcher = "orszagtorzs";
        d.slot = SlotType::Integer;
        d.listClass = "Torszagt";
        d.listCaption = "Country";
        d.columns = {C{"orszag_kod", "Id", 50}, C{"orszag_nev", "Country", 180}};
        d.createWidths = {50, 220};
        d.editClass = "Torszagmf";
        d.editCaption = "Country(Edit)";
        d.emptyChecks = {{1, msg::countryMissingProp}};
        all.push_back(d);
    }
    {   // city
        RefDesc d = named("varost", "varos_kod", "varos_nev", "City:");
        d.launcher = "varostorzs";
        d.slot = SlotType::Integer;
        d.listClass = "Tvarost";
        d.listCaption = "City";
        d.loadHead = "select * from varost order by ";
        d.sortClause = "upper(varos_nev)";
        d.loadTail = "";
        d.columns = {C{"varos_kod", "ID", 45}, C{"varos_nev", "City", 190}};
        d.editClass = "Tvarosm";
        d.editCaption = "City(Edit)";
        d.emptyChecks = {{1, msg::localityMissingProp}};
        all.push_back(d);
    }
    {   // boundary shape: ordered as the server compares, without upper
        RefDesc d = named("boundt", "bound_id", "bound_name", "Boundary shape:");
        d.launcher = "boundtorzs";
        d.listClass = "Tboundt";
        d.listCaption = "Boundary shape";
        d.loadHead = "select * from boundt order by ";
        d.loadTail = "";
        d.columns = {C{"bound_id", "ID", 50}, C{"bound_name", "Boundary shape", 160}};
        d.editRights = "ABCD";
        d.listWait = Wait::Proc;
        d.editClass = "Tboundm";
        d.editCaption = "Boundary shape(Edit)";
        d.emptyChecks = {{1, msg::boundaryShapeEmpty}};
        all.push_back(d);
    }
    {   // fabric type
        RefDesc d = named("fabtypet", "fabtype_id", "fabtype_name", "Fabric :");
        d.launcher = "fabrictypetorzs";
        d.listClass = "Tfabtypet";
        d.listCaption = "Fabric Type";
        d.columns = {C{"fabtype_id", "Id", 50}, C{"fabtype_name", "Fabric Type", 160}};
        d.editClass = "Tfabtypem";
        d.editCaption = "Fabric Type(Edit)";
        d.emptyChecks = {{1, msg::fabricTypeEmpty}};
        all.push_back(d);
    }
    {   // fabric
        RefDesc d = named("fabrict", "fabric_id", "fabric_name", "Fabric:");
        d.launcher = "fabrictorzs";
        d.listClass = "Tfabrict";
        d.listCaption = "Fabric";
        d.columns = {C{"fabric_id", "Id", 50}, C{"fabric_name", "Fabric", 170}};
        d.editClass = "Tfabricm";
        d.editCaption = "Fabric(Edit)";
        d.emptyChecks = {{1, msg::fabricEmpty}};
        all.push_back(d);
    }
    {   // colour: deleting needs C or D
        RefDesc d = named("colort", "color_id", "color_name", "Color:");
        d.launcher = "colortorzs";
        d.listClass = "Tcolort";
        d.listCaption = "Color";
        d.columns = {C{"color_id", "Id", 50}, C{"color_name", "Color", 160}};
        d.deleteRights = "CD";
        d.okFailure = OkFailure::PlainError;
        d.editClass = "Tcolorm";
        d.editCaption = "Color(Edit)";
        d.emptyChecks = {{1, msg::colourEmpty}};
        all.push_back(d);
    }
    {   // chemical analysis method
        RefDesc d = named("metodt", "metod_id", "metod_name", "Metod:");
        d.launcher = "metodtorzs";
        d.listClass = "Tmetodt";
        d.listCaption = "Metods";
        d.columns = {C{"metod_id", "Id", 50}, C{"metod_name", "Metod", 170}};
        d.editClass = "Tmetodm";
        d.editCaption = "Metod(Edit)";
        d.emptyChecks = {{1, msg::methodEmpty}};
        all.push_back(d);
    }
    {   // mineral: the widths are set once, at creation
        RefDesc d = named("jarulekt", "jarulek_kod", "jarulek_nev", "Mineral:");
        d.launcher = "mineraltorzs";
        d.listClass = "Tjarulekt";
        d.listCaption = "Mineral";
        d.columns = {C{"jarulek_kod", "Id", 50}, C{"jarulek_nev", "Mineral", 130}};
        d.widthsAfterLoad = false;
        d.editClass = "Tjarulekm";
        d.editCaption = "Mineral(Edit)";
        d.emptyChecks = {{1, msg::mineralEmpty}};
        all.push_back(d);
    }
    {   // conservation substance: a fixed order, the key loaded but hidden
        RefDesc d = named("konzt", "konz_id", "konz_nev", "Conservation substance:");
        d.launcher = "konztorzs";
        d.listClass = "Tkonzt";
        d.listCaption = "Conversation";
        d.loadHead = "select * from konzt order by upper(konz_nev)";
        d.sortClause = "";
        d.loadTail = "";
        d.columns = {C{"konz_nev", "Conservation ", 130}, C{"konz_id", "Id", 50, false}};
        d.enterIsOk = false;
        d.closeCaption = "Close";
        d.okFailure = OkFailure::ConnectionWarning;
        d.editClass = "Tkonzm";
        d.editCaption = "Conservation substance";
        d.idVisible = false;
        d.emptyChecks = {{1, msg::substanceEmpty}};
        all.push_back(d);
    }
    {   // journal: the name column takes the grid's width
        RefDesc d = named("journalt", "journal_id", "journal_name", "Journal:");
        d.launcher = "journaltorzs";
        d.listClass = "Tjournalt";
        d.listCaption = "Journal";
        d.loadHead = "select * from journalt order by ";
        d.sortClause = "upper(journal_name)";
        d.loadTail = "";
        d.columns = {C{"journal_id", "ID", 50}, C{"journal_name", "Journal", 330}};
        d.fillName = true;
        d.editRights = "ABCD";
        d.enterIsOk = false;
        d.listWait = Wait::Proc;
        d.editClass = "Tjournalm";
        d.editCaption = "Journal";
        d.idVisible = false;
        d.emptyChecks = {{1, msg::boundaryShapeEmpty}};
        d.rereadWait = Wait::Proc;
        d.saveWait = Wait::Proc;
        all.push_back(d);
    }
    {   // measurement method: one measurement kind at a time, bound values
        RefDesc d = named("meres_modszer", "met_id", "met_nev", "Methode:");
        d.launcher = "meres_modtorzs";
        d.listClass = "Tmeres_modszer";
        d.listCaption = "Method";
        d.loadHead = "select * from meres_modszer where tipus=:par order by upper(";
        d.sortClause = "upper(met_nev)";
        d.loadTail = ")";
        d.arg = ListArg::Integer;
        d.columns = {C{"met_id", "Id", 50}, C{"met_nev", "Methode", 180}};
        d.enterIsOk = false;
        d.resetFlag = false;
        d.titleSort = false;
        d.listWait = Wait::Proc;
        d.menuArg = "332";  // microscopical mineralogy
        d.editClass = "Tmeres_modm";
        d.editCaption = "Methode edit";
        d.copyArgToEdit = true;
        d.emptyChecks = {{1, msg::methodEmpty}};
        d.rereadWait = Wait::Window;
        d.saveWait = Wait::Proc;
        d.values = Values::Bound;
        d.update = {"update meres_modszer set met_nev=:par where met_id=", {P{P::Field, 1, false}}, true};
        d.insert = {"insert into meres_modszer (tipus,met_nev) values (:par,:par2)",
                    {P{P::Arg, 0, false}, P{P::Field, 1, true}}, false};
        all.push_back(d);
    }
    {   // RAL colour: the user types the key and may change it
        RefDesc d;
        d.table = "ralt";
        d.key = "ral_id";
        d.fields = {{"color", "Color:"}, {"abl", "ABL:"}, {"part", "PART:"}};
        d.launcher = "raltorzs";
        d.listClass = "Tralt";
        d.listCaption = "Ral";
        d.loadHead = "select * from ralt order by ";
        d.sortClause = "ral_id";
        d.columns = {C{"ral_id", "ID", 45}, C{"color", "Color", 100}, C{"abl", "ABL", 45}, C{"part", "PART", 45}};
        d.enterIsOk = false;
        d.doubleClick = DoubleClick::Ok;
        d.relocate = false;
        d.listWait = Wait::Proc;
        d.waitOnAddEdit = false;
        d.menuSetsFlag = false;
        d.editClass = "Tralm";
        d.editCaption = "Ral";
        d.idField = IdField::Typed;
        d.emptyChecks = {{1, msg::colourEmpty}, {0, msg::idEmpty}};
        d.reread = false;
        d.rereadWait = Wait::None;
        d.saveWait = Wait::Proc;
        d.values = Values::Bound;
        d.insert = {"insert into ralt (ral_id,color,abl,part) values (:par,:par2,:par3,:par4)",
                    {P{P::FieldInt, 0}, P{P::Field, 1}, P{P::Field, 2}, P{P::Field, 3}}, false};
        d.update = {"update ralt set ral_id=:par, color=:par2,abl=:par3,part=:par4  where ral_id=:par5",
                    {P{P::Field, 0}, P{P::Field, 1}, P{P::Field, 2}, P{P::Field, 3}, P{P::OpenedId, 0}}, false};
        all.push_back(d);
    }
    {   // Munsell colour
        RefDesc d = named("munsellt", "munsell_id", "munsell_kod", "Munsell:");
        d.launcher = "munselltorzs";
        d.listClass = "Tmunsellt";
        d.listCaption = "Munsell";
        d.loadHead = "select * from munsellt order by ";
        d.sortClause = "upper(munsell_kod)";
        d.loadTail = "";
        d.columns = {C{"munsell_id", "ID", 45}, C{"munsell_kod", "Munsell", 100}};
        d.enterIsOk = false;
        d.resetFlag = false;
        d.relocate = false;
        d.listWait = Wait::Proc;
        d.waitOnAddEdit = false;
        d.editClass = "Tmunsellm";
        d.editCaption = "Munsell edit";
        d.idField = IdField::ReadOnly;
        d.emptyChecks = {{1, msg::countryMissingProp}};
        d.rereadWait = Wait::Proc;
        d.saveWait = Wait::Proc;
        all.push_back(d);
    }
    return all;
}

RefDesc buildQuantityNames()
{
    RefDesc d;
    d.table = "enevek";
    d.key = "tabnev";
    d.fields = {{"megnev", "Name:"}};
    d.launcher = "enevektorzs";
    d.slotField = "tabnev";
    d.listClass = "Tenevek";
    d.listCaption = "Name";
    d.loadHead = "select * from enevek where tab=:par order by megnev";
    d.arg = ListArg::Text;
    d.columns = {C{"megnev", "Name", 230}};
    d.rowHeight = 27;
    d.formulaField = "megnev";
    d.pickOnly = true;
    d.doubleClick = DoubleClick::Ok;
    d.titleSort = false;
    d.relocate = false;
    d.okFailure = OkFailure::Hiba;
    return d;
}

}  // namespace

const std::vector<RefDesc>& simpleLists()
{
    static const std::vector<RefDesc> all = build();
    return all;
}

const RefDesc& quantityNames()
{
    static const RefDesc d = buildQuantityNames();
    return d;
}

const RefDesc* findList(const QString& listClass)
{
    for (const RefDesc& d : simpleLists())
        if (d.listClass == listClass) return &d;
    if (quantityNames().listClass == listClass) return &quantityNames();
    return nullptr;
}

}  // namespace reference
