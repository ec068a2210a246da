// The stand-alone program told to open a screen that does not exist: it says why and ends with a
// failure status, having torn down as every other run does.

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace standalone {
namespace {

struct BadStartScreen {
    const char* name;
    QString value;
    const char* says;
};

void PrintTo(const BadStartScreen& c, std::ostream* out) { *out << c.name; }

class FailedLaunch : public ::testing::TestWithParam<BadStartScreen> {};

TEST_P(FailedLaunch, SaysWhyAndEndsWithAFailureStatusWithoutACrash)
{
    QTemporaryDir data;
    QTemporaryDir accessories;
    ASSERT_TRUE(data.isValid() && accessories.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("TOLVANE_DATA_DIR", data.path());
    environment.insert("TOLVANE_ACCESSORY_DIR", accessories.path());
    environment.insert("TOLVANE_OPEN_SCREEN", GetParam().value);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(TOLVANE_PROGRAM, {});
    ASSERT_TRUE(program.waitForFinished(30000)) << "the program did not end";
    const std::string errors = program.readAllStandardError().toStdString();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << errors.substr(0, 2000);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_NE(errors.find(GetParam().says), std::string::npos) << errors.substr(0, 2000);
    EXPECT_LT(errors.size(), 4000u) << "the message stays readable";
}

INSTANTIATE_TEST_SUITE_P(
    Values, FailedLaunch,
    ::testing::Values(BadStartScreen{"Garbage", "garbage", "TOLVANE_OPEN_SCREEN: no screen named \"garbage\""},
                      BadStartScreen{"WarnWithoutKind", "Warn:", "\"Warn\" needs a cause or a warning kind after a colon, not \"\""},
                      BadStartScreen{"WarnWithUnknownKind", "Warn:NOPE", "\"Warn\" needs a cause or a warning kind after a colon, not \"NOPE\""},
                      BadStartScreen{"IGONWarnWithoutCause", "IGONWarn:", "\"IGONWarn\" needs a cause after a colon, not \"\""},
                      BadStartScreen{"HundredThousandCharacters", QString(100000, 'x'), "TOLVANE_OPEN_SCREEN: no screen named \"xxxx"}),
    [](const ::testing::TestParamInfo<BadStartScreen>& info) { return std::string(info.param.name); });

} // namespace
} // namespace standalone
