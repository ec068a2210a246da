#include "Class/Model/Utility/AppVersionCompare.h"
#include "application/support/ScopedLogCapture.h"
#include "foundation/Bundle.h"
#include "foundation/SystemLog.h"
#include "support/LoopbackHttpServer.h"
#include "support/ScopedEnvironment.h"
#include "ui/GuiRuntime.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using tolvane::app::AppVersionCompare;
using Type = AppVersionCompare::AppVersionCompareType;
using testing_support::LoopbackHttpServer;

std::string lookupAnswer(const std::string& version)
{
    return R"({"resultCount":1,"results":[{"version":")" + version + R"(","trackName":"Tolvane"}]})";
}

class AppVersionCompareTest : public ::testing::Test {
protected:
    // The network and the server need the program's Qt application object.
    AppVersionCompareTest() { ui::GuiRuntime::ensure(); }
    ~AppVersionCompareTest() override
    {
        foundation::Bundle::setMain(previousBundle);
        foundation::setApplicationIdentifier(previousIdentifier);
    }

    void install(const std::string& version)
    {
        foundation::Bundle::setMain(std::make_shared<foundation::Bundle>("", version));
    }
    void useService(const std::string& address) { environment.set("TOLVANE_APP_STORE_URL", address); }

    // The result handed to the completion, which must have run when the call returns.
    std::optional<Type> compare()
    {
        std::optional<Type> result;
        AppVersionCompare::toAppStoreVersion([&result](Type type) {
            EXPECT_FALSE(result.has_value()) << "completion ran twice";
            result = type;
        });
        EXPECT_TRUE(result.has_value()) << "returned before the completion ran";
        return result;
    }

    const std::shared_ptr<const foundation::Bundle> previousBundle = foundation::Bundle::main();
    const std::string previousIdentifier = foundation::applicationIdentifier();
    testing_support::ScopedEnvironment environment;
    testing_support::ScopedLogCapture log;
};

TEST_F(AppVersionCompareTest, ComparesTheStoreVersionNumericallyWithTheInstalledOne)
{
    struct Case {
        std::string installed;
        std::string store;
        Type expected;
    };
    const Case cases[] = {
        {"1.0.0", "1.0.0", Type::latest}, {"1.0.9", "1.0.10", Type::old}, {"2.0", "1.9", Type::latest},
        {"1.9", "1.10", Type::old},       {"1.2", "1.2", Type::latest},   {"1.2", "1.2.0", Type::old},
        {"1.2", "1.1", Type::latest},     {"9.9", "10.0", Type::old},     {"1.2.0", "1.2", Type::latest},
    };
    for (const Case& c : cases) {
        LoopbackHttpServer server(lookupAnswer(c.store));
        useService(server.baseUrl());
        install(c.installed);
        EXPECT_EQ(compare(), c.expected) << "installed " << c.installed << ", store " << c.store;
    }
    EXPECT_TRUE(log.contains("InstalledAppVersion: 1.0.9, StoreAppVersion: 1.0.10"));
}

TEST_F(AppVersionCompareTest, AsksTheLookupServiceForThisApplicationsPercentEncodedIdentifier)
{
    LoopbackHttpServer server(lookupAnswer("1.0"));
    useService(server.baseUrl());
    install("1.0");
    foundation::setApplicationIdentifier("com.tolvane.control beta/ä");

    EXPECT_EQ(compare(), Type::latest);

    EXPECT_EQ(server.requestLines(),
              std::vector<std::string>{"GET /lookup?country=jp&bundleId=com.tolvane.control%20beta/%C3%A4 HTTP/1.1"});
    EXPECT_EQ(AppVersionCompare::lookupRequest("a&b=c")->url, server.baseUrl() + "/lookup?country=jp&bundleId=a&b=c");
}

TEST_F(AppVersionCompareTest, TheLookupGivesUpAfterOneAndAHalfSecondsWithoutProgress)
{
    useService("https://apps.example");
    const auto request = AppVersionCompare::lookupRequest("com.tolvane.control");
    ASSERT_TRUE(request.has_value());
    EXPECT_DOUBLE_EQ(request->timeoutInterval, 1.5);
}

TEST_F(AppVersionCompareTest, AnAnswerWithoutAUsableVersionIsAnError)
{
    struct Case {
        std::string body;
        std::string message;
    };
    const std::string missing = "Failed to get InstalledAppVersion or StoreAppVersion.";
    const Case cases[] = {
        {R"({"results":[]})", missing},
        {R"({"results":[{"trackName":"Tolvane"}]})", missing},
        {R"({"results":[{"version":1.2}]})", missing},
        {R"({"results":{"version":"1.2"}})", missing},
        {R"([{"version":"1.2"}])", missing},
        {"<html>Not found</html>", "Unexpected exception occurred."},
        {"", "Unexpected exception occurred."},
    };
    install("1.0");
    for (const Case& c : cases) {
        LoopbackHttpServer server(c.body);
        useService(server.baseUrl());
        EXPECT_EQ(compare(), Type::error) << c.body;
        EXPECT_EQ(log.messages().back(), c.message) << c.body;
    }
}

TEST_F(AppVersionCompareTest, WithoutAnInstalledVersionThereIsNothingToCompare)
{
    LoopbackHttpServer server(lookupAnswer("1.0"));
    useService(server.baseUrl());
    install("");
    EXPECT_EQ(compare(), Type::error);
    EXPECT_EQ(log.messages().back(), "Failed to get InstalledAppVersion or StoreAppVersion.");
}

TEST_F(AppVersionCompareTest, NoServerMeansNoData)
{
    useService("http://127.0.0.1:" + std::to_string(LoopbackHttpServer::refusingPort()));
    install("1.0");
    EXPECT_EQ(compare(), Type::error);
    EXPECT_EQ(log.messages().back(), "Failed to get response data from app store.");
}

TEST_F(AppVersionCompareTest, AServerThatNeverAnswersEndsInTheRequestTimeOut)
{
    LoopbackHttpServer server("", LoopbackHttpServer::Behaviour::silent);
    useService(server.baseUrl());
    install("1.0");
    EXPECT_EQ(compare(), Type::error);
    EXPECT_EQ(log.messages().back(), "Failed to get response data from app store.");
    EXPECT_EQ(server.requestLines().size(), 1u);
}

TEST_F(AppVersionCompareTest, WithoutAnIdentifierOrAnAddressNothingIsAsked)
{
    install("1.0");
    useService("not an address");
    EXPECT_EQ(compare(), Type::error);
    EXPECT_EQ(log.messages().back(), "Failed to get store URL.");

    foundation::setApplicationIdentifier("");
    EXPECT_EQ(compare(), Type::error);
    EXPECT_EQ(log.messages().back(), "Failed to get bundleIdentifier.");
}

} // namespace
