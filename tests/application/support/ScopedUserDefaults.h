#pragma once

#include "foundation/UserDefaults.h"

#include <QTemporaryDir>

#include <memory>

namespace testing_support {

// Fresh standard user defaults in a temporary folder for the lifetime of a test.
class ScopedUserDefaults {
public:
    ScopedUserDefaults() : defaults_(std::make_shared<foundation::UserDefaults>(path()))
    {
        foundation::UserDefaults::setStandard(defaults_);
    }
    ~ScopedUserDefaults() { foundation::UserDefaults::setStandard(nullptr); }
    ScopedUserDefaults(const ScopedUserDefaults&) = delete;
    ScopedUserDefaults& operator=(const ScopedUserDefaults&) = delete;

    std::string path() const { return folder_.path().toStdString() + "/TolvaneControl.ini"; }
    foundation::UserDefaults& operator*() const { return *defaults_; }
    foundation::UserDefaults* operator->() const { return defaults_.get(); }
    const std::shared_ptr<foundation::UserDefaults>& shared() const { return defaults_; }

private:
    QTemporaryDir folder_;
    std::shared_ptr<foundation::UserDefaults> defaults_;
};

} // namespace testing_support
