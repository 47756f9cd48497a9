#include "app/toolkit/string_resources.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "res/resources.h"

#include <QPixmap>
#include <QRect>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

TEST(HtmlResourceTest, CategoryPageIsShippedByteForByte)
{
    constexpr char kPage[] = "<HTML>\r\n\t<HEAD>\r\n\t</HEAD>\r\n\t<BODY ID=\"CategoryName\" BGCOLOR=\"#ece9d8\">\r\n"
                             "\t\t<p></p>\r\n\t\t<!--<DIV align=\"right\"><INPUT type=\"button\" value=\"HELP\"></DIV>-->\r\n"
                             "\t</BODY>\r\n</HTML>\r\n";
    const QByteArray shipped = res::LoadHtmlResource(IDR_HTML_CATEGORYNAME);
    EXPECT_EQ(shipped.size(), 172);
    EXPECT_EQ(shipped, QByteArray(kPage));
    EXPECT_TRUE(res::LoadHtmlResource(IDR_HTML_CATEGORYNAME + 1).isEmpty());
}

TEST(IconResourceTest, ApplicationIconHasEverySize)
{
    const QIcon icon = LoadIcon(IDR_MAINFRAME);
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
    EXPECT_TRUE(LoadIcon(IDD_ABOUTBOX).isNull());
}

// The icon's images are read when it is drawn: each size asked for comes out at that size, from
// the shipped image of that size or the next larger one, and drawn at twice the pixel density it
// takes the image of twice the size.
TEST(IconResourceTest, DrawsEverySizeAskedFor)
{
    const QIcon icon = LoadIcon(IDR_MAINFRAME);
    for (int size : {16, 20, 32, 48, 100, 256, 300}) {
        const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
        ASSERT_FALSE(pixmap.isNull()) << size;
        EXPECT_EQ(pixmap.size(), QSize(std::min(size, 256), std::min(size, 256))) << size;
    }
    const QPixmap doubled = icon.pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(doubled.size(), QSize(64, 64));
    EXPECT_EQ(doubled.toImage(), icon.pixmap(QSize(64, 64), 1.0).toImage());
}

struct StringCase
{
    unsigned id;
    const char* text;
};

class LoadStringTest : public testing::TestWithParam<StringCase>
{
};

TEST_P(LoadStringTest, GivesTheEntryOrNothing)
{
    EXPECT_EQ(LoadString(GetParam().id), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Entries, LoadStringTest,
                         testing::Values(StringCase{IDS_ABOUTBOX, "&About Tabloom..."},
                                         StringCase{IDS_FILL_IN_DATA, "Please fill in the data."},
                                         StringCase{IDS_TWO_CATEGORIES, "You need at least two categories."},
                                         StringCase{104, ""}, StringCase{121, ""}, StringCase{57344, ""}));

class DialogTemplateTest : public testing::TestWithParam<int>
{
};

TEST_P(DialogTemplateTest, ControlsLieInsideTheDialogWithDistinctIds)
{
    const res::DialogTemplate* dialog = res::FindDialogTemplate(GetParam());
    ASSERT_NE(dialog, nullptr);
    const QRect client(0, 0, dialog->width, dialog->height);
    std::set<int> ids;
    for (const res::ControlTemplate& control : dialog->controls) {
        EXPECT_TRUE(client.contains(QRect(control.x, control.y, control.width, control.height)))
            << "control at " << control.x << ", " << control.y;
        if (control.id != res::kNoControlId) {
            EXPECT_TRUE(ids.insert(control.id).second) << "id " << control.id << " twice";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, DialogTemplateTest,
                         testing::Values(IDD_ABOUTBOX, IDD_TABLOOM_DIALOG, IDD_CATEGORYNAME));

TEST(DialogTemplateTest, MissingIdHasNoTemplate)
{
    EXPECT_EQ(res::FindDialogTemplate(IDR_HTML_CATEGORYNAME), nullptr);
    EXPECT_EQ(res::FindDialogTemplate(IDR_MAINFRAME), nullptr);
}

} // namespace
