#include "samples/show_editor.h"

#include "core/forms.h"
#include "core/modal.h"

#include <QDialog>

namespace samples {

bool showRecordEditor(const QString& windowClass, const QString& id)
{
    auto* w = core::Forms::get<QDialog>(windowClass);
    if (!w || id.trimmed().isEmpty()) return false;
    core::showModal(w);
    return true;
}

}  // namespace samples
