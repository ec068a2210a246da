#include "Class/SharedObject/AppThreadPolicy.h"

#include "foundation/Clock.h"
#include "foundation/SystemLog.h"
#include "foundation/WorkerThread.h"

namespace tolvane::app {

foundation::RunLoop& AppThreadPolicy::logging()
{
    static const foundation::SystemClock clock;
    static foundation::WorkerThread* const thread = [] {
        auto* made = new foundation::WorkerThread(labelled("logging"), 0.5, clock);
        made->start();
        return made;
    }();
    return thread->loop();
}

std::string AppThreadPolicy::dataTransmission()
{
    return labelled("data_transmission");
}

std::string AppThreadPolicy::dataReceive()
{
    return labelled("data_receive");
}

std::string AppThreadPolicy::labelled(const char* name)
{
    const std::string& identifier = foundation::applicationIdentifier();
    return identifier.empty() ? std::string(name) : identifier + "." + name;
}

} // namespace tolvane::app
