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

// Making a pattern generator loads the locale's data, which is slow: one per locale, kept.
std::string bestPattern(const std::string& locale, std::string_view dateTemplate)
{
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<icu::DateTimePatternGenerator>> generators;
    std::lock_guard lock(mutex);
    auto& generator = generators[locale];
    UErrorCode status = U_ZERO_ERROR;
    if (!generator)
        generator.reset(icu::DateTimePatternGenerator::createInstance(icu::Locale(locale.c_str()), status));
    if (!generator || U_FAILURE(status))
        return std::string(dateTemplate);
    const icu::UnicodeString pattern = generator->getBestPattern(unicode(dateTemplate), status);
    return U_SUCCESS(status) ? utf8(pattern) : std::string(dateTemplate);
}

} // namespace

struct LocalizedDateFormatter::Formatter {
    std::unique_ptr<icu::SimpleDateFormat> format;
};

LocalizedDateFormatter::LocalizedDateFormatter()
    : locale_(Locale::currentIdentifier()), timeZone_(TimeZone::current()), formatter_(std::make_unique<Formatter>())
{
    rebuild();
}

LocalizedDateFormatter::~LocalizedDateFormatter() = default;

void LocalizedDateFormatter::setLocale(std::string identifier)
{
    locale_ = std::move(identifier);
    rebuild();
}

void LocalizedDateFormatter::setTimeZone(TimeZone timeZone)
{
    timeZone_ = std::move(timeZone);
    rebuild();
}

void LocalizedDateFormatter::setLocalizedDateFormatFromTemplate(std::string_view dateTemplate)
{
    dateFormat_ = bestPattern(locale_, dateTemplate);
    rebuild();
}

void LocalizedDateFormatter::rebuild()
{
    const icu::Locale locale(locale_.c_str());
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(unicode(dateFormat_), locale, status);
    if (U_FAILURE(status)) {
        formatter_->format.reset();
        return;
    }
    // Some locales count years in another calendar; the dates shown here are always Gregorian.
    icu::TimeZone* zone = icu::TimeZone::createTimeZone(unicode(timeZone_.identifier()));
    format->adoptCalendar(new icu::GregorianCalendar(zone, locale, status));
    formatter_->format = U_SUCCESS(status) ? std::move(format) : nullptr;
}

std::string LocalizedDateFormatter::string(Date date) const
{
    if (!formatter_->format)
        return {};
    const auto ms = std::chrono::duration_cast<std::chrono::duration<double, std::milli>>(date.time_since_epoch()).count();
    icu::UnicodeString text;
    formatter_->format->format(static_cast<UDate>(ms), text);
    return utf8(text);
}

} // namespace foundation
