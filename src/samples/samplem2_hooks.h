#pragma once
// What later windows bring to the sample editor: the buttons of the literature
// lists (the literature-link dialog) and the items of the tree's pop-up menu (the
// measurement dialog). Until something is registered the buttons and items stay
// disabled.

#include <functional>

namespace samples {

class LitLinkPanel;
class Tsamplem2;

struct LitLinkActions {
    std::function<void(LitLinkPanel&)> add;       // "Add"
    std::function<void(LitLinkPanel&)> showEdit;  // "Show/Edit"
    std::function<void(LitLinkPanel&)> del;       // "Del"
};
void setLitLinkActions(LitLinkActions actions);
const LitLinkActions& litLinkActions();

struct MeasureMenuActions {
    std::function<void(Tsamplem2&)> newMeasure;   // "New measure", on a type or measurement node
    std::function<void(Tsamplem2&)> editMeasure;  // "Edit measure", on a measurement node
};
void setMeasureMenuActions(MeasureMenuActions actions);
const MeasureMenuActions& measureMenuActions();

}  // namespace samples
