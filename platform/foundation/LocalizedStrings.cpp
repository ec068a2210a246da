#include "foundation/LocalizedStrings.h"

#include <QFile>

#include <cctype>

namespace foundation {
namespace {

class StringsParser {
public:
    explicit StringsParser(const std::string& text) : text_(text) {}

    std::optional<std::map<std::string, std::string>> parse()
    {
        std::map<std::string, std::string> entries;
        while (skipSpaceAndComments()) {
            auto key = quoted();
            if (!key || !expect('='))
                return std::nullopt;
            skipSpaceAndComments();
            auto value = quoted();
            if (!value || !expect(';'))
                return std::nullopt;
            entries[*key] = *value;
        }
        return entries;
    }

private:
    // False at the end of the text.
    bool skipSpaceAndComments()
    {
        while (at_ < text_.size()) {
            if (std::isspace(static_cast<unsigned char>(text_[at_]))) {
                ++at_;
            } else if (text_.compare(at_, 2, "//") == 0) {
                at_ = text_.find('\n', at_);
                if (at_ == std::string::npos)
                    at_ = text_.size();
            } else if (text_.compare(at_, 2, "/*") == 0) {
                const size_t end = text_.find("*/", at_ + 2);
                at_ = end == std::string::npos ? text_.size() : end + 2;
            } else {
                return true;
            }
        }
        return false;
    }

    bool expect(char c)
    {
        skipSpaceAndComments();
        if (at_ >= text_.size() || text_[at_] != c)
            return false;
        ++at_;
        return true;
    }

    std::optional<std::string> quoted()
    {
        if (at_ >= text_.size() || text_[at_] != '"')
            return std::nullopt;
        std::string result;
        for (++at_; at_ < text_.size(); ++at_) {
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                return result;
            }
            if (c != '\\') {
                result += c;
                continue;
            }
            if (++at_ >= text_.size())
                return std::nullopt;
            switch (text_[at_]) {
            case 'n': result += '\n'; break;
            case 't': result += '\t'; break;
            case 'r': result += '\r'; break;
            default: result += text_[at_]; break;
            }
        }
        return std::nullopt;
    }

    const std::string& text_;
    size_t at_ = 0;
};

} // namespace

LocalizedStrings::LocalizedStrings(QString root) : root_(std::move(root)) {}

LocalizedStrings& LocalizedStrings::shared()
{
    static LocalizedStrings strings(QStringLiteral(":/TolvaneIntegrationApp"));
    return strings;
}

std::optional<std::map<std::string, std::string>> LocalizedStrings::parse(const std::string& contents)
{
    return StringsParser(contents).parse();
}

const std::map<std::string, std::string>* LocalizedStrings::table(const std::string& language, const std::string& name)
{
    const std::string id = language + "/" + name;
    auto it = loaded_.find(id);
    if (it == loaded_.end()) {
        QFile file(root_ + "/" + QString::fromStdString(language) + ".lproj/" + QString::fromStdString(name) + ".strings");
        std::optional<std::map<std::string, std::string>> entries;
        if (file.open(QIODevice::ReadOnly))
            entries = parse(file.readAll().toStdString());
        it = loaded_.emplace(id, std::move(entries)).first;
    }
    return it->second ? &*it->second : nullptr;
}

std::string LocalizedStrings::text(const std::string& table, const std::string& key, const std::vector<std::string>& preferredLanguages,
                                   const std::string& developmentValue)
{
    std::lock_guard lock(mutex_);
    for (const auto& language : preferredLanguages)
        if (const auto* entries = this->table(language, table))
            if (auto it = entries->find(key); it != entries->end())
                return it->second;
    return developmentValue;
}

std::string LocalizedStrings::format(const std::string& text, const std::vector<std::string>& arguments)
{
    std::string result;
    size_t next = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '@') {
            if (next < arguments.size())
                result += arguments[next];
            ++next;
            ++i;
        } else if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') {
            result += '%';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace foundation
