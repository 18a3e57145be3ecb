#pragma once
// The windows of the samples module: created once at start-up, after the data
// module, the core windows and the reference windows.

namespace samples {

class Tsamplet2;
class Tsamplem2;

// Registers the editor's sections, creates the sample list and the sample editor,
// registers them as forms and the list's opener for the main window.
void createForms();
// Destroys what createForms made (for tests, which bring up a data module each).
void destroyForms();

Tsamplet2* sampleList();
Tsamplem2* sampleEditor();

}  // namespace samples
