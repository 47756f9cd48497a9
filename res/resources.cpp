#include "resources.h"

#include "res/resource.h"

#include <QFile>

namespace res {

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
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/res/icons/tabloom-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace res
