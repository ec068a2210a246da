#include "foundation/ThreadName.h"

#include <pthread.h>

namespace foundation {
namespace {
thread_local std::string tlsThreadName;
}

void setCurrentThreadName(const std::string& fullName)
{
    tlsThreadName = fullName;
    pthread_setname_np(pthread_self(), fullName.substr(0, 15).c_str());
}

const std::string& currentThreadName()
{
    return tlsThreadName;
}

} // namespace foundation
