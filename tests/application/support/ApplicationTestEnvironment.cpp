#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// Points every location the application could write to at a folder of the test run, so no test
// ever touches the user's own folders, whatever it forgets to set.
class ApplicationTestEnvironment final : public ::testing::Environment {
public:
    void SetUp() override
    {
        root_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(root_->isValid());
        const std::string root = root_->path().toStdString();
        setenv("TOLVANE_DATA_DIR", (root + "/data").c_str(), 1);
        setenv("XDG_DATA_HOME", (root + "/xdg-data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root + "/xdg-config").c_str(), 1);
        setenv("TOLVANE_ACCESSORY_DIR", (root + "/accessories").c_str(), 1);
        // Location services stay off unless a test installs a source of its own.
        setenv("TOLVANE_NMEA_LOG", (root + "/no-drive.nmea").c_str(), 1);
    }

    void TearDown() override { root_.reset(); }

private:
    std::unique_ptr<QTemporaryDir> root_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationTestEnvironment);

} // namespace
