#pragma once

#include "foundation/SystemLog.h"

#include <memory>

namespace fuzzing {

// Lines are still composed, as in production, but go nowhere: a fuzzer that printed every rejected
// input would spend its time writing.
inline void silenceSystemLog()
{
    class SilentLog final : public foundation::SystemLogSink {
    public:
        bool isEnabled(foundation::SystemLogType) const override { return true; }
        void write(foundation::SystemLogType, std::string_view, std::string_view, std::string_view) override {}
    };
    static const bool silenced = [] {
        foundation::setSystemLogSink(std::make_shared<SilentLog>());
        return true;
    }();
    (void)silenced;
}

} // namespace fuzzing
