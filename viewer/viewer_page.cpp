#include "viewer/viewer_page.h"

#include "publish/template_fill.h"
#include "publish/utf8.h"
#include "res/resource.h"
#include "res/strings.h"

#include <cstdint>

namespace {

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
            const auto* bytes = reinterpret_cast<const unsigned char*>(value.data());
            const Utf8Sequence sequence = ReadUtf8Sequence(bytes, bytes + value.size());
            escaped += "&#" + std::to_string(static_cast<std::uint32_t>(sequence.codePoint)) + ';';
            value.remove_prefix(sequence.length);
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
