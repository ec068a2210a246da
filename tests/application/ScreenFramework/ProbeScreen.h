#pragma once

#include "Class/UI/Base/View/TolvaneBaseViewController.h"

namespace screen_testing {

// A screen of the base class alone, counting the commands a test looks for.
class ProbeScreen final : public tolvane::app::TolvaneBaseViewController {
public:
    void setIndicator() override
    {
        ++indicatorRequests;
        TolvaneBaseViewController::setIndicator();
    }
    void clearStackAlert() override
    {
        ++stackClears;
        TolvaneBaseViewController::clearStackAlert();
    }

    int indicatorRequests = 0;
    int stackClears = 0;
};

} // namespace screen_testing
