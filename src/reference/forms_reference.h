#pragma once
// The reference-list windows of this module: created once at start-up, after the
// data module and the core windows, and shown again and again.

#include <QString>

class QDialog;

namespace reference {

class RefList;
class RefEdit;

// Creates every list and edit window, registers them as forms, registers each
// list's picker launcher with the data module and an opener for each main-window
// "Basic data" item.
void createForms();
// Destroys what createForms made (for tests, which bring up a data module each).
void destroyForms();

// The picker launcher of a list window and, with menuItem, the opener of its
// main-window "Basic data" item (which sets the browse flag where the list has it).
void registerList(RefList* list, bool menuItem);

// A window of the reference module: registered as a form and deleted by destroyForms.
void keepWindow(QDialog* window);
template <class W>
W* keep(W* window)
{
    keepWindow(window);
    return window;
}
// The opener of the main-window item that shows this window (named by its objectName).
void registerShow(QDialog* window);

RefList* listWindow(const QString& listClass);
RefEdit* editWindow(const QString& editClass);

}  // namespace reference
