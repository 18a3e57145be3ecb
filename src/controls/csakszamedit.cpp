#include "controls/csakszamedit.h"

#include "core/datam.h"

#include <QKeyEvent>

namespace controls {

CsakszamEdit::CsakszamEdit(QWidget* parent) : QLineEdit(parent) {}

void CsakszamEdit::keyPressEvent(QKeyEvent* e)
{
    const QString typed = e->text();
    const bool shortcut = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!shortcut && typed.size() == 1 && (typed[0].isPrint() || typed[0] == QChar(8))) {
        if (core::Tdm::csakszam(text().trimmed(), typed[0]).isNull()) {
            e->accept();  // swallowed
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

}  // namespace controls
