#include "reference/forms_geology.h"

#include "core/datam.h"
#include "reference/alt_art.h"
#include "reference/artmod.h"
#include "reference/arttorzs.h"
#include "reference/forms_reference.h"
#include "reference/geo_un_f.h"
#include "reference/geo_un_mod.h"
#include "reference/kor_f.h"
#include "reference/kormod.h"
#include "reference/reflist.h"

namespace reference {
namespace {

// a tree that its launcher and its "Basic data" item open
void registerTree(TreeWindow* tree, bool menuItem)
{
    core::dm().registerPicker(tree->launcher(), tree);
    if (menuItem) registerShow(tree);
}

}  // namespace

void createGeologyForms()
{
    auto* altName = keep(new Talt_art);
    auto* artefact = keep(new Tartm(altName));
    registerList(keep(new RefList(artList(), static_cast<RecordEditor*>(artefact))), true);

    auto* unit = keep(new Tgeo_un_mod);
    registerTree(keep(new GeoUnitTree(TreeWindow::Role::Maintain, unit)), true);
    registerTree(keep(new GeoUnitTree(TreeWindow::Role::Pick, nullptr)), false);

    auto* time = keep(new Tkorm);
    registerTree(keep(new KorTree(TreeWindow::Role::Maintain, time)), true);
    registerTree(keep(new KorTree(TreeWindow::Role::Pick, nullptr)), false);
}

}  // namespace reference
