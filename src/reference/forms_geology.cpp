#include "reference/forms_geology.h"

#include "core/forms.h"
#include "reference/alt_art.h"
#include "reference/artmod.h"
#include "reference/arttorzs.h"
#include "reference/forms_reference.h"
#include "reference/reflist.h"

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

void createGeologyForms()
{
    auto* altName = keep(new Talt_art);
    auto* artefact = keep(new Tartm(altName));
    registerList(keep(new RefList(artList(), static_cast<RecordEditor*>(artefact))), true);
}

void destroyGeologyForms()
{
    for (auto& w : created()) delete w.data();
    created().clear();
}

}  // namespace reference
