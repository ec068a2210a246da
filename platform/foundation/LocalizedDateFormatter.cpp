#include "foundation/LocalizedDateFormatter.h"

#include "foundation/Locale.h"

#include <unicode/dtptngen.h>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <map>
#include <mutex>

namespace foundation {
namespace {

icu::UnicodeString unicode(std::string_view text)
{
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::string utf8(const icu::UnicodeString& text)
{
    std::string result;
    text.toUTF8String(result);
    return result;
}

// Making a pattern generator loads the locale's data, and finding a best pattern walks all of the
// locale's skeletons; both are far slower than formatting, and a list asks for the same few patterns
// on every row: each generator and each pattern is kept.
std::string bestPattern(const std::string& locale, std::string_view dateTemplate)
{
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<icu::DateTimePatternGenerator>> generators;
    static std::map<std::pair<std::string, std::string>, std::string, std::less<>> patterns;
    std::lock_guard lock(mutex);
    const auto known = patterns.find(std::pair(locale, std::string(dateTemplate)));
    if (known != patterns.end())
        return known->second;
    auto& generator = generators[locale];
    UErrorCode status = U_ZERO_ERROR;
    if (!generator)
        generator.reset(icu::DateTimePatternGenerator::createInstance(icu::Locale(locale.c_str()), status));
    if (!generator || U_FAILURE(status))
        return std::string(dateTemplate);
    const icu::UnicodeString pattern = generator->getBestPattern(unicode(dateTemplate), status);
    if (U_FAILURE(status))
        return std::string(dateTemplate);
    return patterns.emplace(std::pair(locale, std::string(dateTemplate)), utf8(pattern)).first->second;
}

} // namespace

struct LocalizedDateFormatter::Formatters {
    struct Entry {
        std::unique_ptr<icu::SimpleDateFormat> format;
        // The zone the format was last set to.
        std::string zone;
    };
    std::map<std::pair<std::string, std::string>, Entry> entries;
    std::unique_ptr<icu::TimeZone> zone;
};

LocalizedDateFormatter::LocalizedDateFormatter()
    : locale_(Locale::currentIdentifier()), timeZone_(TimeZone::current()), formatters_(std::make_unique<Formatters>())
{
}

LocalizedDateFormatter::~LocalizedDateFormatter() = default;

void LocalizedDateFormatter::setLocale(std::string identifier)
{
    locale_ = std::move(identifier);
}

void LocalizedDateFormatter::setTimeZone(TimeZone timeZone)
{
    if (timeZone != timeZone_)
        formatters_->zone.reset();
    timeZone_ = std::move(timeZone);
}

void LocalizedDateFormatter::setLocalizedDateFormatFromTemplate(std::string_view dateTemplate)
{
    dateFormat_ = bestPattern(locale_, dateTemplate);
}

std::string LocalizedDateFormatter::string(Date date) const
{
    auto& entry = formatters_->entries[{locale_, dateFormat_}];
    if (!entry.format) {
        const icu::Locale locale(locale_.c_str());
        UErrorCode status = U_ZERO_ERROR;
        auto format = std::make_unique<icu::SimpleDateFormat>(unicode(dateFormat_), locale, status);
        // Some locales count years in another calendar; the dates shown here are always Gregorian.
        if (U_SUCCESS(status))
            format->adoptCalendar(new icu::GregorianCalendar(locale, status));
        if (U_FAILURE(status))
            return {};
        entry.format = std::move(format);
    }
    if (entry.zone != timeZone_.identifier()) {
        if (!formatters_->zone)
            formatters_->zone.reset(icu::TimeZone::createTimeZone(unicode(timeZone_.identifier())));
        entry.format->setTimeZone(*formatters_->zone);
        entry.zone = timeZone_.identifier();
    }
    const auto ms = std::chrono::duration_cast<std::chrono::duration<double, std::milli>>(date.time_since_epoch()).count();
    icu::UnicodeString text;
    entry.format->format(static_cast<UDate>(ms), text);
    return utf8(text);
}

} // namespace foundation
