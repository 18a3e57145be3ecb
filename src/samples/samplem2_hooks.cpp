#include "samples/samplem2_hooks.h"

namespace samples {
namespace {
LitLinkActions& links()
{
    static LitLinkActions a;
    return a;
}
MeasureMenuActions& measures()
{
    static MeasureMenuActions a;
    return a;
}
}  // namespace

void setLitLinkActions(LitLinkActions actions) { links() = std::move(actions); }
const LitLinkActions& litLinkActions() { return links(); }
void setMeasureMenuActions(MeasureMenuActions actions) { measures() = std::move(actions); }
const MeasureMenuActions& measureMenuActions() { return measures(); }

}  // namespace samples
