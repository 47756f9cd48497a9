#include "publish/publish.h"

#include "publish/record_data.h"
#include "publish/sort_stylesheet.h"
#include "publish/template_fill.h"
#include "res/resource.h"
#include "res/strings.h"
#include "viewer/search_script.h"
#include "viewer/viewer_page.h"
#include "viewer/viewer_style_sheet.h"

#include <new>

namespace {

constexpr std::array<const char*, 4> kStylesheetFiles {"by1.xsl", "by2.xsl", "by3.xsl", "by4.xsl"};

class Publication
{
public:
    explicit Publication(const std::filesystem::path& folder)
        : m_folder(folder)
    {
        m_result.notWritten.reserve(8);
    }

    void Write(const char* fileName, std::string text)
    {
        if (auto failure = WriteTextFile(m_folder / fileName, std::move(text)))
            m_result.notWritten.push_back(std::move(*failure));
    }

    PublishResult& Result() { return m_result; }

private:
    const std::filesystem::path& m_folder;
    PublishResult m_result;
};

} // namespace

PublishResult Publish(const std::vector<Record>& rows, const Captions& captions, const std::filesystem::path& folder)
{
    Publication publication(folder);
    try {
        publication.Write("db.xml", BuildRecordData(rows));

        std::array<std::string, 4> stylesheets;
        for (int position = 1; position <= 4; ++position)
            stylesheets[position - 1] = BuildSortStylesheet(position);

        std::array<std::string, 4> sortButtons;
        for (int position = 1; position <= 4; ++position) {
            sortButtons[position - 1] = BuildSortButton(position, captions[position - 1]);
            publication.Write(kStylesheetFiles[position - 1], std::move(stylesheets[position - 1]));
        }

        publication.Write("db.htm", BuildViewerPage(sortButtons));
        publication.Write("findT.js", BuildSearchScript());
        publication.Write("db.css", BuildViewerStyleSheet());
    } catch (const std::bad_alloc&) {
        publication.Result().outOfMemory = true;
    }
    return std::move(publication.Result());
}

std::string DescribeNotWritten(const PublishResult& result)
{
    if (result.notWritten.empty())
        return {};
    std::string message(res::LoadResourceString(IDS_NOT_WRITTEN));
    for (const auto& failure : result.notWritten) {
        message += '\n';
        AppendFilled(message, res::LoadResourceString(IDS_NOT_WRITTEN_FILE), {failure.fileName, failure.reason});
    }
    return message;
}
