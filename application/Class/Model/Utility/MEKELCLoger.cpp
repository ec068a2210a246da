#include "Class/Model/Utility/MEKELCLoger.h"

#include "elclog/ELCLog.h"

namespace tolvane::app {

void MEKELCLoger::initLogSetting()
{
    elclog::ELCLog::initSDK(defaultLogLevel, defaultStorageType, defaultLogSaveDay, std::nullopt);
    if (defaultLogEnableStatus)
        elclog::ELCLog::setEnabled(true);
    else
        intelligentEnable();
}

void MEKELCLoger::intelligentEnable()
{
    const int count = elclog::ELCLog::autoEnableCount();
    if (count < 1)
        return;
    elclog::ELCLog::setEnabled(true);
    elclog::ELCLog::autoEnableWithCount(count - 1);
}

bool MEKELCLoger::exportLogFiles(const std::string& destinationFile)
{
    return elclog::ELCLog::exportLogFiles(destinationFile);
}

void MEKELCLoger::setEnabled(bool enabled)
{
    elclog::ELCLog::setEnabled(enabled);
}

bool MEKELCLoger::isEnabled()
{
    return elclog::ELCLog::isEnabled();
}

int MEKELCLoger::autoEnableCount()
{
    return elclog::ELCLog::autoEnableCount();
}

void MEKELCLoger::autoEnableWithCount(int count)
{
    elclog::ELCLog::autoEnableWithCount(count);
}

} // namespace tolvane::app
