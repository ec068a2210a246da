#pragma once

#include "Class/UI/Base/View/InAppWarningKind.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "Internal/Model/CauseId.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::app {

// A headline and a message of the end screen, in the user's language.
struct WarnTexts {
    std::string title;
    std::string message;
    bool operator==(const WarnTexts&) const = default;
};

// One row of a text table: what it is looked up by, and the accessors of its two texts.
template <class Key>
struct WarnTextRow {
    using Text = std::string (*)(const std::vector<std::string>& languages);
    Key key;
    Text title;
    Text message;
};

// The texts of the row of `key`, in the user's language; none when no row has that key.
template <class Key, size_t N>
std::optional<WarnTexts> lookUpWarnTexts(const WarnTextRow<Key> (&rows)[N], Key key)
{
    const auto row = std::ranges::find(rows, key, &WarnTextRow<Key>::key);
    if (row == std::end(rows))
        return std::nullopt;
    const auto languages = textLanguages();
    return WarnTexts{.title = row->title(languages), .message = row->message(languages)};
}

// The message shown while a stop of `cause` is being processed; none for causes without one.
std::optional<std::string> warnProcessingMessage(CauseId cause);
// The final texts of a stop, of a manoeuvre that cannot start, of a failure of the vehicle's units,
// and of the application's own warnings; none where the cause or kind has no texts of that kind.
std::optional<WarnTexts> warnStopTexts(CauseId cause);
std::optional<WarnTexts> warnCannotStartTexts(CauseId cause);
std::optional<WarnTexts> warnEcuAbnormalityTexts(CauseId cause);
std::optional<WarnTexts> warnInAppTexts(InAppWarningKind kind);

} // namespace tolvane::app
