#include "reference/forms_people.h"

#include "core/datam.h"
#include "core/forms.h"
#include "core/modal.h"
#include "core/openers.h"
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

#include <QPointer>
#include <vector>

namespace reference {
namespace {

std::vector<QPointer<QDialog>>& created()
{
    static std::vector<QPointer<QDialog>> w;
    return w;
}

template <class W>
W* keep(W* window)
{
    core::Forms::add(window);
    created().emplace_back(window);
    return window;
}

}  // namespace

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
    QPointer<LocalityTree> guarded(tree);
    core::registerOpener(QStringLiteral("Tloc_fa"), [guarded] {
        if (guarded) core::showModal(guarded);
    });
}

void destroyPeopleForms()
{
    for (auto& w : created()) delete w.data();
    created().clear();
}

}  // namespace reference
