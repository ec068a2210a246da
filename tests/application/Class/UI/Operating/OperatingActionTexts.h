#pragma once

#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Operating/ViewModel/IOperatingViewModel.h"

#include "rx/Cancellable.h"
#include "rx/Publisher.h"

#include <string>
#include <vector>

namespace operating_testing {

using Action = tolvane::app::IOperatingViewModel::Action;
using ControlAction = tolvane::app::IOperatingViewModel::ControlAction;
using SonarAction = tolvane::app::IOperatingViewModel::ClearSonerDetectionAction;

// A command as text: its case and values ("setProgress(60, 100)").
std::string describe(const Action& action);
std::string describe(const ControlAction& action);
std::string describe(const SonarAction& action);

// Every command published after subscribing, as text.
template <class T>
class TextRecorder {
public:
    explicit TextRecorder(const rx::Publisher<T>& publisher)
        : subscription_(publisher.dropFirst().sink([this](const T& value) {
              texts_.push_back(describe(value));
              values_.push_back(value);
          }))
    {
    }
    // The texts published since the last call.
    std::vector<std::string> take()
    {
        auto taken = std::move(texts_);
        texts_.clear();
        return taken;
    }
    const std::vector<T>& values() const { return values_; }

private:
    std::vector<std::string> texts_;
    std::vector<T> values_;
    rx::Cancellable subscription_;
};

} // namespace operating_testing
