#include "samples/forms_samples.h"

#include "core/forms.h"
#include "core/modal.h"
#include "core/openers.h"
#include "samples/desc_page.h"
#include "samples/ident_page.h"
#include "samples/litlinks.h"
#include "samples/samplem2_f.h"
#include "samples/samplet2_form.h"

#include <QPointer>

namespace samples {
namespace {
QPointer<Tsamplet2>& list()
{
    static QPointer<Tsamplet2> w;
    return w;
}
QPointer<Tsamplem2>& editor()
{
    static QPointer<Tsamplem2> w;
    return w;
}
}  // namespace

void createForms()
{
    // the sections of the editor; later sections register here too, before the
    // editor is made
    registerIdentSection();
    registerDescSection();
    registerLitLinksSection();

    editor() = new Tsamplem2;
    core::Forms::add(editor());
    list() = new Tsamplet2;
    core::Forms::add(list());
    core::registerOpener(QStringLiteral("Tsamplet2"), [] {
        if (!list()) return;
        list()->browse_mode = 1;
        core::showModal(list());
    });
}

void destroyForms()
{
    core::unregisterOpener(QStringLiteral("Tsamplet2"));
    delete list().data();
    delete editor().data();
}

Tsamplet2* sampleList() { return list(); }
Tsamplem2* sampleEditor() { return editor(); }

}  // namespace samples
