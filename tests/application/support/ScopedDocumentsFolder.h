#pragma once

#include <QTemporaryDir>

#include <cstdlib>
#include <optional>
#include <string>

namespace testing_support {

// A fresh documents folder (TOLVANE_DATA_DIR) for the lifetime of a test; the earlier one after.
class ScopedDocumentsFolder {
public:
    ScopedDocumentsFolder()
    {
        if (const char* previous = std::getenv(kVariable))
            previous_ = previous;
        setenv(kVariable, folder_.path().toLocal8Bit().constData(), 1);
    }
    ~ScopedDocumentsFolder()
    {
        if (previous_)
            setenv(kVariable, previous_->c_str(), 1);
        else
            unsetenv(kVariable);
    }
    ScopedDocumentsFolder(const ScopedDocumentsFolder&) = delete;
    ScopedDocumentsFolder& operator=(const ScopedDocumentsFolder&) = delete;

    std::string path() const { return folder_.path().toStdString(); }
    std::string filePath(const std::string& name) const { return folder_.filePath(QString::fromStdString(name)).toStdString(); }

private:
    static constexpr const char* kVariable = "TOLVANE_DATA_DIR";
    QTemporaryDir folder_;
    std::optional<std::string> previous_;
};

} // namespace testing_support
