#include "Internal/Model/DisplayData.h"

namespace tolvane {

rx::Publisher<RequiredDisplayId> DisplayData::reqDisplayId() const
{
    return reqDisplayId_.publisher().dropFirst().removeDuplicates();
}

RequiredDisplayId DisplayData::currentDispId() const
{
    return reqDisplayId_.value();
}

rx::CurrentValueSubject<bool>& DisplayData::isDisplayOutsideSdkControl()
{
    return isDisplayOutsideSdkControl_;
}

rx::CurrentValueSubject<bool>& DisplayData::isDisplayPopup()
{
    return isDisplayPopup_;
}

void DisplayData::updateDisplayId(RequiredDisplayId dspId)
{
    reqDisplayId_.send(dspId);
}

void DisplayData::initParam()
{
    reqDisplayId_.send(RequiredDisplayId::DEF);
    isDisplayOutsideSdkControl_.send(false);
    isDisplayPopup_.send(false);
}

} // namespace tolvane
