#include "resources.h"

#include "res/resource.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <iterator>
#include <map>

namespace res {
namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The application icon, one PNG image per size, each read only when the icon is first drawn at
// that size: a window that shows no icon, like the first one of the program, waits for none of
// them, nor for the image plugins that reading an image loads. Every mode draws the normal image.
class IconFilesEngine : public QIconEngine
{
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int wanted = std::max(size.width(), size.height());
        const int* best = std::ranges::find_if(kIconSizes, [wanted](int side) { return side >= wanted; });
        const int side = best == std::end(kIconSizes) ? kIconSizes[std::size(kIconSizes) - 1] : *best;
        QPixmap& image = m_images[side];
        if (image.isNull())
            image.load(QStringLiteral(":/res/icons/tabloom-%1.png").arg(side), "png");
        // Like Qt's own icons, the largest image is not blown up beyond its size.
        if (image.isNull() || image.width() <= wanted)
            return image;
        return image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min({size.width(), size.height(), kIconSizes[std::size(kIconSizes) - 1]});
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : kIconSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine* clone() const override { return new IconFilesEngine(*this); }

private:
    std::map<int, QPixmap> m_images;
};

} // namespace

QByteArray LoadHtmlResource(int id)
{
    if (id != IDR_HTML_CATEGORYNAME)
        return {};
    QFile page(QStringLiteral(":/res/category.htm"));
    if (!page.open(QIODevice::ReadOnly))
        return {};
    return page.readAll();
}

QIcon LoadIconResource(int id)
{
    if (id != IDR_MAINFRAME)
        return {};
    return QIcon(new IconFilesEngine);
}

} // namespace res
