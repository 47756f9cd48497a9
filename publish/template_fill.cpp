#include "publish/template_fill.h"

namespace {

constexpr std::string_view kPlaceholder = "%s";

} // namespace

void AppendFilled(std::string& text, std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    const auto* argument = arguments.begin();
    for (;;) {
        const auto placeholder = pattern.find(kPlaceholder);
        if (placeholder == std::string_view::npos || argument == arguments.end()) {
            text.append(pattern);
            return;
        }
        text.append(pattern.substr(0, placeholder));
        text.append(*argument++);
        pattern.remove_prefix(placeholder + kPlaceholder.size());
    }
}

std::string FillTemplate(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    std::size_t length = pattern.size();
    for (const auto argument : arguments)
        length += argument.size();
    std::string text;
    text.reserve(length);
    AppendFilled(text, pattern, arguments);
    return text;
}

std::vector<std::string_view> SplitAtPlaceholders(std::string_view pattern)
{
    std::vector<std::string_view> pieces;
    for (;;) {
        const auto placeholder = pattern.find(kPlaceholder);
        pieces.push_back(pattern.substr(0, placeholder));
        if (placeholder == std::string_view::npos)
            return pieces;
        pattern.remove_prefix(placeholder + kPlaceholder.size());
    }
}
