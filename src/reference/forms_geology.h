#pragma once
// The windows of the artefacts and of the geological units and time: created once
// at start-up after the data module, registered as forms, with their picker
// launchers and the openers of the main window's "Basic data" items.

namespace reference {

void createGeologyForms();

}  // namespace reference
