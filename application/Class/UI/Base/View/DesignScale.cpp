#include "DesignScale.h"

#include "ui/ScreenMetrics.h"

namespace tolvane::app {

double DesignScale::vertical()
{
    return ui::ScreenMetrics::shared().mainBounds().height() / 926.0;
}

double DesignScale::horizontal()
{
    return ui::ScreenMetrics::shared().mainBounds().width() / 428.0;
}

} // namespace tolvane::app
