#include "reference/forms_people.h"

#include "core/datam.h"
#include "reference/alt_loc.h"
#include "reference/forms_reference.h"
#include "reference/labortorzs.h"
#include "reference/localitytorzs.h"
#include "reference/reflist.h"
#include "reference/szemelytorzs.h"
#include "reference/elerhetomod.h"
#include "reference/labormod.h"
#include "reference/loc_fa_f.h"
#include "reference/localitymod.h"
#include "reference/szemelymod.h"

namespace reference {

void createPeopleForms()
{
    core::Tdm& dm = core::dm();
    auto* contact = keep(new Telerhetom);
    auto* person = keep(new Tszemelym(contact));
    auto* institution = keep(new Tlaborm(person));
    auto* altName = keep(new Talt_loc);
    auto* locality = keep(new Tlocalitym(altName));
    auto* tree = keep(new LocalityTree(LocalityTree::Role::Maintain, locality));
    auto* upward = keep(new LocalityTree(LocalityTree::Role::Upward, nullptr));

    registerList(keep(new RefList(peopleList(), person)), true);
    registerList(keep(new RefList(institutionList(), institution)), true);
    registerList(keep(new RefList(localityList(), locality)), false);  // only the launcher opens it

    dm.registerPicker(QStringLiteral("localityfa"), tree);
    dm.registerPicker(QStringLiteral("localityfa2"), upward);
    registerShow(tree);
}

}  // namespace reference
