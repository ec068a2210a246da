#include "Class/Model/Utility/DailyLogger.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/Utility/MyLog.h"
#include "Class/SharedObject/AppThreadPolicy.h"

#include "foundation/VirtualTime.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using tolvane::app::AppThreadPolicy;
using tolvane::app::LogManager;

TEST(AppThreadPolicyTest, TheLinkThreadsAreNamedAfterTheApplication)
{
    EXPECT_TRUE(AppThreadPolicy::dataTransmission().ends_with("data_transmission"));
    EXPECT_TRUE(AppThreadPolicy::dataReceive().ends_with("data_receive"));
}

TEST(AppThreadPolicyTest, ATaggedLineFromTheSendThreadIsWrittenOnTheLoggingQueueNotOnIt)
{
    foundation::VirtualTime time;
    auto logging = time.makeLoop("logging");
    auto send = time.makeLoop("send");
    QTemporaryDir folder;
    LogManager::install(std::make_shared<tolvane::app::DailyLogger>(tolvane::app::DailyLogger::Environment{
        .clock = time,
        .loggingQueue = *logging,
        .documentsDirectory = folder.path().toStdString(),
        .appVersion = "1.0.0",
        .launchId = "launch",
        .minimumLogLevel = 1,
    }));

    ::testing::internal::CaptureStdout();
    send->post([] { tolvane::app::myLog("蓝牙数据", "发送数据：C0 01 C0", false, "sendData()"); });
    send->runOnePass();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "") << "the send thread wrote the line itself";

    ::testing::internal::CaptureStdout();
    logging->runOnePass();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "[MyLog][蓝牙数据] 发送数据：C0 01 C0\n");
    LogManager::install(nullptr);
}

} // namespace
