#pragma once
// The buttons that close a dialog ("Ok" or "Save", and "Cancel") and the row that
// holds them at its right end. Every dialog's closing buttons are at least 90
// pixels wide; "Cancel" rejects the dialog.

#include <QString>
#include <initializer_list>

class QDialog;
class QHBoxLayout;
class QWidget;

namespace core {

class GradBtn;

// What Enter does to the closing buttons.
enum class EnterKey {
    PressesOk,  // the first button is the dialog's default button (a short form of fields)
    PressesNone // neither button is auto-default (editors with grids, lists and memos)
};

struct CloseButtons {
    GradBtn* ok;
    GradBtn* cancel;
};

// okText and cancelText ("Cancel" unless given) as buttons of dialog; the second
// one rejects it. The caller connects the first.
CloseButtons closeButtons(QDialog* dialog, const QString& okText, EnterKey enter,
                          const QString& cancelText = QStringLiteral("Cancel"));

// a new row with the buttons at its right end
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);

}  // namespace core
