#pragma once

#include <string>

namespace foundation {
class RunLoop;
}

namespace tolvane::app {

// The one place that names the logging queue and the two link threads. The link threads hand
// their log lines to the logging queue, so no file is ever written on them.
class AppThreadPolicy {
public:
    // The serial queue the log files are written on; a thread of its own, made on first use and
    // kept for the life of the process, so lines queued at exit never meet a thread torn down.
    static foundation::RunLoop& logging();
    // The names of the send and receive threads.
    static std::string dataTransmission();
    static std::string dataReceive();

private:
    static std::string labelled(const char* name);
};

} // namespace tolvane::app
