#include "reference/forms_reference.h"

#include "core/datam.h"
#include "core/forms.h"
#include "core/modal.h"
#include "core/openers.h"
#include "reference/forms_geology.h"
#include "reference/forms_people.h"
#include "reference/mgradetorzs.h"
#include "reference/refedit.h"
#include "reference/reflist.h"
#include "reference/simplelists.h"

#include <QPointer>
#include <vector>

namespace reference {
namespace {

std::vector<QPointer<QDialog>>& created()
{
    static std::vector<QPointer<QDialog>> w;
    return w;
}

void createPair(const RefDesc& d)
{
    RefEdit* editor = d.editClass.isEmpty() ? nullptr : keep(new RefEdit(d));
    registerList(keep(new RefList(d, editor)), !d.pickOnly);
}

}  // namespace

void keepWindow(QDialog* window)
{
    core::Forms::add(window);
    created().emplace_back(window);
}

void registerShow(QDialog* window)
{
    QPointer<QDialog> guarded(window);
    core::registerOpener(window->objectName(), [guarded] {
        if (guarded) core::showModal(guarded);
    });
}

void registerList(RefList* list, bool menuItem)
{
    const RefDesc& d = list->desc();
    QPointer<RefList> guarded(list);
    std::function<void(const QStringList&)> prepare;
    if (d.arg != ListArg::None)
        prepare = [guarded](const QStringList& args) {
            if (guarded) guarded->setArg(args.value(0));
        };
    core::dm().registerPicker(d.launcher, list, prepare);

    if (!menuItem) return;
    core::registerOpener(d.listClass, [guarded] {
        if (!guarded) return;
        const RefDesc& desc = guarded->desc();
        if (!desc.menuArg.isEmpty()) guarded->setArg(desc.menuArg);
        if (desc.menuSetsFlag) guarded->setBrowse(1);
        core::showModal(guarded);
    });
}

void createForms()
{
    for (const RefDesc& d : simpleLists()) createPair(d);
    createPair(quantityNames());
    createPair(mgradeList());
    createPeopleForms();
    createGeologyForms();
}

void destroyForms()
{
    for (auto& w : created()) delete w.data();
    created().clear();
}

RefList* listWindow(const QString& listClass) { return core::Forms::get<RefList>(listClass); }
RefEdit* editWindow(const QString& editClass) { return core::Forms::get<RefEdit>(editClass); }

}  // namespace reference
