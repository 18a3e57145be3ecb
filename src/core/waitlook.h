#pragma once
// What the two wait windows (Tpwait, Tpwait2) share: a frameless tool window over
// the others that takes no focus, on the wait colours, with "Please wait..." in
// large bold italics.

class QDialog;
class QLabel;
class QWidget;

namespace core {

// the window's flags and frame; the frame's style names the window by its objectName
void setWaitWindowLook(QDialog* window);
QLabel* pleaseWaitLabel(QWidget* parent);

}  // namespace core
