#include "samples/show_editor.h"

#include "core/forms.h"
#include "core/modal.h"
#include "reference/recordeditor.h"
#include "reference/treewindow.h"

#include <QDialog>

namespace samples {

bool showRecordEditor(const QString& windowClass, const QString& id)
{
    QWidget* w = core::Forms::find(windowClass);
    if (!w || id.trimmed().isEmpty()) return false;
    // the person, institution, locality and artefact editors load their record by its key
    if (auto* editor = dynamic_cast<reference::RecordEditor*>(w)) {
        editor->setRecordId(id.trimmed());
        core::showModal(editor->dialog());
        return true;
    }
    // the geological unit editor reads its parent from the record it opens on
    if (auto* unit = qobject_cast<reference::TreeEditDialog*>(w)) {
        unit->prepare(id.trimmed(), {}, {});
        core::showModal(unit);
        return true;
    }
    return false;
}

}  // namespace samples
