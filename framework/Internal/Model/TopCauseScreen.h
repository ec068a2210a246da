#pragma once

namespace tolvane {

class IInternalCautionData;
class IInternalDisplayData;

// Publishes the top cause and shows its HALT or STOP screen, unless the park-out completion screen is
// up and the cause is not urgent enough to replace it. True when a screen was shown.
bool showTopCauseScreen(IInternalCautionData& cautionData, IInternalDisplayData& displayData);

} // namespace tolvane
