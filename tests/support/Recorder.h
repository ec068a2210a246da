#pragma once

#include "rx/Publisher.h"

#include <vector>

namespace testing_support {

// Subscribes for its lifetime and keeps every value received, in order.
template <class T>
class Recorder {
public:
    explicit Recorder(const rx::Publisher<T>& publisher)
        : subscription_(publisher.sink([this](const T& value) { values.push_back(value); }))
    {
    }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    std::vector<T> values;

private:
    rx::Cancellable subscription_;
};

} // namespace testing_support
