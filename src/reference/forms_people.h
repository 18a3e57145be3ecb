#pragma once
// The windows of the people register, the institutions and the localities:
// created once at start-up after the data module, registered as forms, with their
// picker launchers and the openers of the main window's "Basic data" items.

namespace reference {

void createPeopleForms();

}  // namespace reference
