#pragma once
// What the main window's menu items open. The modules that own the list windows
// register an opener for each window they bring; the main window checks the
// rights of the item and calls the opener. Items without an opener are shown
// disabled.

#include <QString>
#include <functional>

namespace core {

// name: the class name of the window the item opens (e.g. "Torszagt", "Tsamplet2")
void registerOpener(const QString& name, std::function<void()> open);
void unregisterOpener(const QString& name);
bool hasOpener(const QString& name);
// false when nothing is registered under the name
bool openWindow(const QString& name);

}  // namespace core
