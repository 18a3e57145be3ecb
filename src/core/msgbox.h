#pragma once
// The framework's plain message boxes, for the few places that show one instead
// of the message window: a box with the program's title and the text, and a
// warning box, each with a single "OK" button. They are shown through the modal
// seam, so tests see them as windows named "TMessageBox".

#include <QString>

namespace core {

void showMessage(const QString& text);
void warningBox(const QString& text);

}  // namespace core
