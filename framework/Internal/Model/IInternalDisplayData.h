#pragma once

#include "Internal/Model/RequiredDisplayId.h"
#include "rx/Subject.h"

namespace tolvane {

class IInternalDisplayData {
public:
    virtual ~IInternalDisplayData() = default;
    virtual RequiredDisplayId currentDispId() const = 0;
    // A screen outside the framework's control is up; callers read it and send new values into it.
    virtual rx::CurrentValueSubject<bool>& isDisplayOutsideSdkControl() = 0;
    // A popup is up; callers read it and send new values into it.
    virtual rx::CurrentValueSubject<bool>& isDisplayPopup() = 0;
    virtual void updateDisplayId(RequiredDisplayId dspId) = 0;
    // Sends DEF, then false on both flags.
    virtual void initParam() = 0;
};

} // namespace tolvane
