#include "Class/Model/Utility/AppVersionCompare.h"

#include "Class/Model/Utility/LogManager.h"

#include "foundation/Bundle.h"
#include "foundation/Semaphore.h"
#include "foundation/SystemLog.h"
#include "network/URLSession.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

#include <atomic>
#include <compare>
#include <cstdlib>
#include <memory>
#include <source_location>
#include <string_view>
#include <utility>

namespace tolvane::app {
namespace {

using Type = AppVersionCompare::AppVersionCompareType;

constexpr std::string_view kFunction = "toAppStoreVersion(completion:)";

void logLine(const std::string& message, LogLevel level,
             std::source_location location = std::source_location::current())
{
    LogManager::print(message, level, {.function = kFunction}, location);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view digitRun(std::string_view text, size_t from)
{
    size_t end = from;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return text.substr(from, end - from);
}

// Runs of digits compare by their value, everything else character by character; of two strings
// where one begins the other, the shorter is the smaller. No component is padded.
std::strong_ordering compareNumerically(std::string_view a, std::string_view b)
{
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const std::string_view runA = digitRun(a, i);
            const std::string_view runB = digitRun(b, j);
            i += runA.size();
            j += runB.size();
            const std::string_view valueA = runA.substr(std::min(runA.find_first_not_of('0'), runA.size()));
            const std::string_view valueB = runB.substr(std::min(runB.find_first_not_of('0'), runB.size()));
            if (valueA.size() != valueB.size())
                return valueA.size() <=> valueB.size();
            if (const int order = valueA.compare(valueB); order != 0)
                return order <=> 0;
            continue;
        }
        if (a[i] != b[j])
            return static_cast<unsigned char>(a[i]) <=> static_cast<unsigned char>(b[j]);
        ++i;
        ++j;
    }
    return (i < a.size()) <=> (j < b.size());
}

Type compareWithStore(const network::URLResult& result)
{
    if (!result.data) {
        logLine("Failed to get response data from app store.", LogLevel::error);
        return Type::error;
    }
    const QByteArray body(reinterpret_cast<const char*>(result.data->data()), static_cast<qsizetype>(result.data->size()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        logLine("Unexpected exception occurred.", LogLevel::error);
        return Type::error;
    }
    const QJsonArray results = document.object().value("results").toArray();
    const QJsonValue version = results.isEmpty() ? QJsonValue() : results.first().toObject().value("version");
    const std::string installedVersion = foundation::Bundle::main()->shortVersionString();
    if (!document.isObject() || !version.isString() || installedVersion.empty()) {
        logLine("Failed to get InstalledAppVersion or StoreAppVersion.", LogLevel::error);
        return Type::error;
    }
    const std::string storeVersion = version.toString().toStdString();
    logLine("InstalledAppVersion: " + installedVersion + ", StoreAppVersion: " + storeVersion, LogLevel::information);
    return compareNumerically(storeVersion, installedVersion) > 0 ? Type::old : Type::latest;
}

std::string lookupService()
{
    const char* configured = std::getenv("TOLVANE_APP_STORE_URL");
    return configured ? configured : AppVersionCompare::DEFAULT_LOOKUP_SERVICE;
}

} // namespace

std::optional<network::URLRequest> AppVersionCompare::lookupRequest(const std::string& bundleId)
{
    // What a URL query may hold unencoded besides letters, digits and "-._~".
    static const QByteArray queryAllowed = "!$&'()*+,/:;=?@";
    const QByteArray encoded = QByteArray::fromStdString(bundleId).toPercentEncoding(queryAllowed);
    const std::string address = lookupService() + "/lookup?country=jp&bundleId=" + encoded.toStdString();
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || url.host().isEmpty())
        return std::nullopt;
    return network::URLRequest{.url = address, .timeoutInterval = REQUEST_TIMEOUT};
}

void AppVersionCompare::toAppStoreVersion(const std::function<void(AppVersionCompareType)>& completion)
{
    const std::string& bundleId = foundation::applicationIdentifier();
    if (bundleId.empty()) {
        logLine("Failed to get bundleIdentifier.", LogLevel::error);
        completion(AppVersionCompareType::error);
        return;
    }
    auto request = lookupRequest(bundleId);
    if (!request) {
        logLine("Failed to get store URL.", LogLevel::error);
        completion(AppVersionCompareType::error);
        return;
    }

    // Whoever claims the answer first runs the completion: the handler, or the caller once its wait
    // is over.
    struct Pending {
        std::atomic<bool> claimed{false};
        foundation::Semaphore answered;
    };
    const auto pending = std::make_shared<Pending>();
    network::URLSession::shared().dataTask(std::move(*request), [pending, completion](const network::URLResult& result) {
        if (pending->claimed.exchange(true))
            return;
        completion(compareWithStore(result));
        pending->answered.signal();
    });
    if (pending->answered.wait(WAIT_LIMIT))
        return;
    if (!pending->claimed.exchange(true)) {
        logLine("Failed to get response data from app store.", LogLevel::error);
        completion(AppVersionCompareType::error);
        return;
    }
    // The handler is running the completion right now.
    pending->answered.wait();
}

} // namespace tolvane::app
