#include "Class/UI/OperationHistory/View/OperationHistoryRowPresenter.h"

#include "Class/Model/EventCode.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "foundation/EnumCases.h"
#include "foundation/Locale.h"

#include <algorithm>

namespace tolvane::app {
namespace {

constexpr const char* NO_CAR_NAME = "-";
constexpr const char* NO_END_DATE = "- ";
constexpr const char* TIME_LOCALE = "en_US_POSIX";

std::string endText(EventCode code, const std::vector<std::string>& languages)
{
    namespace text = R::string::localizable;
    switch (code) {
    case EventCode::N001: return text::OparationHistory_Event_N001(languages);
    case EventCode::L001: return text::OparationHistory_Event_L001(languages);
    case EventCode::L002: return text::OparationHistory_Event_L002(languages);
    case EventCode::L003: return text::OparationHistory_Event_L003(languages);
    case EventCode::E001: return text::OparationHistory_Event_E001(languages);
    case EventCode::E002: return text::OparationHistory_Event_E002(languages);
    case EventCode::E003: return text::OparationHistory_Event_E003(languages);
    case EventCode::E004: return text::OparationHistory_Event_E004(languages);
    case EventCode::E005: return text::OparationHistory_Event_E005(languages);
    case EventCode::E006: return text::OparationHistory_Event_E006(languages);
    case EventCode::E007: return text::OparationHistory_Event_E007(languages);
    case EventCode::E008: return text::OparationHistory_Event_E008(languages);
    case EventCode::E009: return text::OparationHistory_Event_E009(languages);
    case EventCode::E010: return text::OparationHistory_Event_E010(languages);
    case EventCode::E011: return text::OparationHistory_Event_E011(languages);
    case EventCode::E012: return text::OparationHistory_Event_E012(languages);
    case EventCode::E013: return text::OparationHistory_Event_E013(languages);
    case EventCode::E014: return text::OparationHistory_Event_E014(languages);
    case EventCode::E015: return text::OparationHistory_Event_E015(languages);
    case EventCode::E016: return text::OparationHistory_Event_E016(languages);
    case EventCode::E017: return text::OparationHistory_Event_E017(languages);
    case EventCode::E018: return text::OparationHistory_Event_E018(languages);
    case EventCode::E019: return text::OparationHistory_Event_E019(languages);
    case EventCode::None: break;
    }
    return text::OparationHistory_UnexpectedEnd(languages);
}

std::string carNameOf(const TolvaneControlHistory& row, const std::vector<CarRecord>& cars)
{
    const auto car = std::find_if(cars.begin(), cars.end(), [&row](const CarRecord& record) { return row.deviceId == record.CarID; });
    return car == cars.end() || car->CarName.empty() ? NO_CAR_NAME : car->CarName;
}

} // namespace

std::string OperationHistoryRowPresenter::formatDate(foundation::Date date)
{
    dateFormatter_.setLocalizedDateFormatFromTemplate("yMdHm");
    const std::string text = dateFormatter_.string(date);
    const size_t blank = text.find(' ');
    if (blank == std::string::npos)
        return text;
    // Whatever the locale writes after the date, the time is shown on the 24-hour clock.
    dateFormatter_.setLocale(TIME_LOCALE);
    dateFormatter_.setLocalizedDateFormatFromTemplate("Hm");
    const std::string time = dateFormatter_.string(date);
    dateFormatter_.setLocale(foundation::Locale::currentIdentifier());
    return text.substr(0, blank) + " " + time;
}

OperationHistoryRowPresenter::Texts OperationHistoryRowPresenter::texts(const TolvaneControlHistory& row, const std::vector<CarRecord>& cars)
{
    const auto languages = textLanguages();
    dateFormatter_.setLocale(foundation::Locale::currentIdentifier());
    dateFormatter_.setTimeZone(foundation::TimeZone::fromIdentifier(row.timeZone).value_or(foundation::TimeZone::current()));
    Texts texts;
    dateFormatter_.setLocalizedDateFormatFromTemplate("yMd");
    // A blank keeps the date and the name apart, which would otherwise run together ("3/5/2026Family car").
    texts.carName = dateFormatter_.string(row.launchDate) + " " + carNameOf(row, cars);
    texts.result = row.eventCode == rawValue(EventCode::N001) ? R::string::localizable::OparationHistory_SuccessfulCompletion(languages)
                                                              : R::string::localizable::OparationHistory_AbnormalTermination(languages);
    texts.startDate = formatDate(row.launchDate);
    texts.start = R::string::localizable::OparationHistory_Start(languages) + " " + row.sdkVersion;
    const auto code = foundation::fromRaw<EventCode>(row.eventCode);
    if (row.closeDate && code && *code != EventCode::None) {
        texts.endDate = formatDate(*row.closeDate);
        texts.endEvent = endText(*code, languages);
    } else {
        texts.endDate = NO_END_DATE;
        texts.endEvent = R::string::localizable::OparationHistory_UnexpectedEnd(languages);
    }
    return texts;
}

} // namespace tolvane::app
