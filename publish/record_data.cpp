#include "publish/record_data.h"

#include "publish/template_fill.h"
#include "publish/text_reserve.h"
#include "publish/xml_text.h"
#include "res/resource.h"
#include "res/strings.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The document and record templates split at their placeholders and joined into the fixed texts
// that stand before, between and after the cells, so that each row costs five appends of fixed
// text and four of cell text. The result is the same as filling each template in turn.
struct RecordLayout
{
    std::string documentStart;
    std::string documentEnd;
    // cellSeparators[0] stands before cell 1, cellSeparators[4] after cell 4.
    std::array<std::string, 5> cellSeparators;
    std::size_t recordLength = 0;
    std::size_t recordLineFeeds = 0;
};

// The first and the last piece of a one-placeholder template.
std::pair<std::string_view, std::string_view> AroundPlaceholder(unsigned id)
{
    const auto pieces = SplitAtPlaceholders(res::LoadResourceString(id));
    return {pieces.front(), pieces.back()};
}

RecordLayout MakeRecordLayout()
{
    RecordLayout layout;
    const auto [documentStart, documentEnd] = AroundPlaceholder(IDS_DOCUMENT);
    layout.documentStart = documentStart;
    layout.documentEnd = documentEnd;

    const auto [recordStart, recordEnd] = AroundPlaceholder(IDS_RECORD);
    constexpr std::array<unsigned, 4> fieldIds {IDS_FIELD1, IDS_FIELD2, IDS_FIELD3, IDS_FIELD4};
    layout.cellSeparators[0] = recordStart;
    for (std::size_t field = 0; field < fieldIds.size(); ++field) {
        const auto [fieldStart, fieldEnd] = AroundPlaceholder(fieldIds[field]);
        layout.cellSeparators[field] += fieldStart;
        layout.cellSeparators[field + 1] += fieldEnd;
    }
    layout.cellSeparators[4] += recordEnd;

    for (const auto& separator : layout.cellSeparators) {
        layout.recordLength += separator.size();
        layout.recordLineFeeds += static_cast<std::size_t>(std::count(separator.begin(), separator.end(), '\n'));
    }
    return layout;
}

const RecordLayout& Layout()
{
    static const RecordLayout layout = MakeRecordLayout();
    return layout;
}

} // namespace

std::string BuildRecordData(const std::vector<Record>& rows)
{
    const RecordLayout& layout = Layout();

    // Exact for cells that need no escaping, with room for the carriage returns that the writer
    // adds to the template's line feeds, so the text is allocated once and can grow in place.
    std::size_t length = layout.documentStart.size() + layout.documentEnd.size();
    length += rows.size() * (layout.recordLength + layout.recordLineFeeds);
    for (const auto& row : rows)
        for (const auto& cell : row)
            length += cell.size();
    const auto documentLineFeeds = std::count(layout.documentStart.begin(), layout.documentStart.end(), '\n')
                                   + std::count(layout.documentEnd.begin(), layout.documentEnd.end(), '\n');
    length += static_cast<std::size_t>(documentLineFeeds);

    std::string text;
    ReserveText(text, length);
    text.append(layout.documentStart);
    for (const auto& row : rows) {
        for (std::size_t field = 0; field < row.size(); ++field) {
            text.append(layout.cellSeparators[field]);
            AppendXmlText(text, row[field]);
        }
        text.append(layout.cellSeparators[4]);
    }
    text.append(layout.documentEnd);
    return text;
}
