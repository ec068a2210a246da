#pragma once

namespace tolvane::app {

class FrontBackPreview;
class InPreview;
class OutPreviewParallel;
class OutPreviewVertical;

// The interface files "InPreview", "FrontBackPreview", "OutPreviewParallel" and "OutPreviewVertical":
// each builds its preview's content over the preview's bounds, fills the preview's outlets and wires
// its buttons. The drawing of the place sits in the middle, the forward row of buttons above it and
// the rearward row below.
class PlanPreviewNibs {
public:
    static void loadInPreview(InPreview& owner);
    static void loadFrontBackPreview(FrontBackPreview& owner);
    static void loadOutPreviewParallel(OutPreviewParallel& owner);
    static void loadOutPreviewVertical(OutPreviewVertical& owner);
};

} // namespace tolvane::app
