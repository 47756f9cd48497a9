#include "publish/record_data.h"

#include "publish/template_fill.h"
#include "publish/text_reserve.h"
#include "publish/xml_text.h"
#include "res/resource.h"
#include "res/strings.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace {

// Fixed texts are copied in blocks of this size from padded copies, so that copying one costs
// the same few instructions whatever its length.
constexpr std::size_t kBlock = 32;

struct FixedText
{
    std::array<char, kBlock> padded {};
    std::string text;
};

FixedText MakeFixedText(std::string text)
{
    FixedText fixed;
    fixed.text = std::move(text);
    std::copy_n(fixed.text.begin(), std::min(fixed.text.size(), kBlock), fixed.padded.begin());
    return fixed;
}

// The document and record templates split at their placeholders and joined into the fixed texts
// that stand before, between and after the cells, so that each row costs five copies of fixed
// text and four of cell text. The result is the same as filling each template in turn.
struct RecordLayout
{
    std::string documentStart;
    std::string documentEnd;
    // Before cell 1, between the cells, and after cell 4.
    std::array<FixedText, 5> cellSeparators;
    std::size_t recordLength = 0;
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
    std::array<std::string, 5> separators;
    separators[0] = recordStart;
    for (std::size_t field = 0; field < fieldIds.size(); ++field) {
        const auto [fieldStart, fieldEnd] = AroundPlaceholder(fieldIds[field]);
        separators[field] += fieldStart;
        separators[field + 1] += fieldEnd;
    }
    separators[4] += recordEnd;

    for (std::size_t index = 0; index < separators.size(); ++index) {
        layout.recordLength += separators[index].size();
        layout.cellSeparators[index] = MakeFixedText(std::move(separators[index]));
    }
    return layout;
}

const RecordLayout& Layout()
{
    static const RecordLayout layout = MakeRecordLayout();
    return layout;
}

// Cells up to this length are written without measuring them first: the room kept free after the
// text always holds one written at its largest.
constexpr std::size_t kShortCell = 64;
constexpr std::size_t kSpareRoom = kBlock + kXmlTextGrowth * kShortCell;

// Writes the document into a text sized in advance for its plain length, growing it only when
// escaped cells need more. Room for what is still to come in plain form, plus kSpareRoom, is kept
// after the written part at all times.
class DocumentWriter
{
public:
    explicit DocumentWriter(std::size_t plainLength)
        : m_plainLeft(plainLength)
    {
        ReserveText(m_text, plainLength + kSpareRoom);
        m_text.resize(plainLength + kSpareRoom);
        m_out = m_text.data();
    }

    void Write(std::string_view text)
    {
        m_plainLeft -= text.size();
        std::memcpy(m_out, text.data(), text.size());
        m_out += text.size();
    }

    void Write(const FixedText& fixed)
    {
        m_plainLeft -= fixed.text.size();
        if (fixed.text.size() <= kBlock)
            std::memcpy(m_out, fixed.padded.data(), kBlock);
        else
            std::memcpy(m_out, fixed.text.data(), fixed.text.size());
        m_out += fixed.text.size();
    }

    void WriteCell(std::string_view cell)
    {
        m_plainLeft -= cell.size();
        if (cell.size() > kShortCell)
            MakeRoom(XmlTextLength(cell));
        m_out = WriteXmlText(m_out, cell);
        MakeRoom(0);
    }

    std::string Finish()
    {
        m_text.resize(Used());
        return std::move(m_text);
    }

private:
    std::size_t Used() const { return static_cast<std::size_t>(m_out - m_text.data()); }

    void MakeRoom(std::size_t extra)
    {
        const std::size_t needed = Used() + extra + m_plainLeft + kSpareRoom;
        if (needed <= m_text.size())
            return;
        const std::size_t used = Used();
        m_text.resize(std::max(needed, m_text.size() + m_text.size() / 2));
        m_out = m_text.data() + used;
    }

    std::string m_text;
    char* m_out = nullptr;
    std::size_t m_plainLeft;
};

} // namespace

std::string BuildRecordData(const std::vector<Record>& rows)
{
    const RecordLayout& layout = Layout();

    std::size_t plainLength = layout.documentStart.size() + layout.documentEnd.size() + rows.size() * layout.recordLength;
    for (const auto& row : rows)
        for (const auto& cell : row)
            plainLength += cell.size();
    DocumentWriter writer(plainLength);

    writer.Write(layout.documentStart);
    for (const auto& row : rows) {
        for (std::size_t field = 0; field < row.size(); ++field) {
            writer.Write(layout.cellSeparators[field]);
            writer.WriteCell(row[field]);
        }
        writer.Write(layout.cellSeparators[4]);
    }
    writer.Write(layout.documentEnd);
    return writer.Finish();
}
