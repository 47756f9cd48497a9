#include "app/toolkit/html_dialog.h"
#include "res/resource.h"
#include "tests/support/modal_driver.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(HtmlDialogTest, PageColoursTheWholeClientAreaBehindTheControls)
{
    CDHtmlDialog dialog(IDD_CATEGORYNAME, IDR_HTML_CATEGORYNAME);
    ModalDriver driver;
    driver.OnDialog("Category name", [](QWidget* window) {
        const QImage image = window->grab().toImage();
        const QColor page(0xec, 0xe9, 0xd8);
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        // The corners, and points between the labels, the edits and the buttons.
        for (const QPoint point : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom),
                                   QPoint(image.width() / 2, bottom - 2), QPoint(4, image.height() / 2)})
            EXPECT_EQ(image.pixelColor(point), page) << point.x() << ", " << point.y();
        EXPECT_TRUE(window->findChildren<QAbstractScrollArea*>().isEmpty());
        window->close();
    });
    dialog.DoModal();
}

} // namespace
