#pragma once

#include "Class/Model/Terminal/DataReceiveCenter.h"
#include "Class/Model/Terminal/DataTransmissionCenter.h"
#include "Class/Model/Terminal/TerminalStore.h"

#include "foundation/RunLoop.h"
#include "foundation/VirtualTime.h"

#include <memory>

namespace testing_support {

// The phone's link wired as the program wires it, on virtual time: the send and receive centres
// running on the given loops, and the shared terminal store over the given accessory backend,
// observing it.
inline std::shared_ptr<tolvane::app::TerminalStore> openSharedLink(foundation::RunLoop& sendLoop, foundation::RunLoop& receiveLoop,
                                                                   tolvane::app::TerminalStore::Environment environment)
{
    auto send = tolvane::app::DataTransmissionCenter::shared();
    auto receive = tolvane::app::DataReceiveCenter::shared();
    sendLoop.post([send] { send->validate(); });
    receiveLoop.post([receive] { receive->validate(); });
    tolvane::app::TerminalStore::setSharedEnvironment(std::move(environment));
    auto store = tolvane::app::TerminalStore::shared();
    store->registerObservers();
    return store;
}

// Tears the shared store down, gives its closing sequence the time it takes, then drops the centres.
inline void closeSharedLink(foundation::VirtualTime& time)
{
    tolvane::app::TerminalStore::destroyShared();
    tolvane::app::TerminalStore::setSharedEnvironment(std::nullopt);
    time.advance(3.0);
    tolvane::app::DataTransmissionCenter::destroy();
    tolvane::app::DataReceiveCenter::destroy();
}

} // namespace testing_support
