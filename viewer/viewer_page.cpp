#include "viewer/viewer_page.h"

#include "publish/template_fill.h"
#include "res/resource.h"
#include "res/strings.h"

#include <cstdint>

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the UTF-8 sequence at the start of text and removes it; an ill-formed sequence gives
// U+FFFD and removes its maximal ill-formed subpart.
char32_t TakeCodePoint(std::string_view& text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t trailing = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trailing = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trailing = 2;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trailing = 3;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        text.remove_prefix(1);
        return kReplacementCharacter;
    }

    char32_t codePoint = lead & (0x3F >> trailing);
    for (std::size_t index = 1; index <= trailing; ++index) {
        const auto next = index < text.size() ? static_cast<unsigned char>(text[index]) : 0;
        if (next < low || next > high) {
            text.remove_prefix(index);
            return kReplacementCharacter;
        }
        codePoint = codePoint << 6 | (next & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    text.remove_prefix(trailing + 1);
    return codePoint;
}

// The caption as the value of a double-quoted attribute. Markup characters become references so
// the button shows them as typed; so does every character outside ASCII, because the page names
// no character set and a browser would otherwise read the UTF-8 bytes in its own legacy encoding.
std::string EscapeAttributeValue(std::string_view value)
{
    std::string escaped;
    escaped.reserve(value.size());
    while (!value.empty()) {
        const char character = value.front();
        if (static_cast<unsigned char>(character) >= 0x80) {
            escaped += "&#" + std::to_string(static_cast<std::uint32_t>(TakeCodePoint(value))) + ';';
            continue;
        }
        value.remove_prefix(1);
        switch (character) {
        case '&':
            escaped += "&amp;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        default:
            escaped += character;
        }
    }
    return escaped;
}

} // namespace

std::string BuildSortButton(int position, std::string_view caption)
{
    constexpr std::array<unsigned, 4> buttonIds {IDS_SORT_BUTTON1, IDS_SORT_BUTTON2, IDS_SORT_BUTTON3, IDS_SORT_BUTTON4};
    const unsigned id = buttonIds.at(static_cast<std::size_t>(position - 1));
    return FillTemplate(res::LoadResourceString(id), {EscapeAttributeValue(caption)});
}

std::string BuildViewerPage(const std::array<std::string, 4>& sortButtons)
{
    constexpr std::array<unsigned, 12> scriptIds {
        IDS_PAGE_HEAD,      IDS_PAGE_LABEL,       IDS_PAGE_SEARCH_BOX, IDS_PAGE_ISLANDS,
        IDS_PAGE_WORKING_COPY, IDS_PAGE_SORT,     IDS_PAGE_SYNC_START, IDS_PAGE_SYNC_MIDDLE,
        IDS_PAGE_SYNC_END,  IDS_LINK_START,       IDS_LINK_MIDDLE,     IDS_LINK_END,
    };
    const std::string_view handlers = res::LoadResourceString(IDS_CELL_HANDLERS);

    std::string page;
    for (const unsigned id : scriptIds)
        page += res::LoadResourceString(id);
    for (const auto& sortButton : sortButtons)
        page += sortButton;
    AppendFilled(page, res::LoadResourceString(IDS_ROW_START), {handlers, handlers});
    AppendFilled(page, res::LoadResourceString(IDS_ROW_END), {handlers, handlers});
    return page;
}
