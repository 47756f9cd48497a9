#include "string_resources.h"

#include "res/resources.h"
#include "res/strings.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

QString LoadString(unsigned id)
{
    const std::string_view text = res::LoadResourceString(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QIcon LoadIcon(int id)
{
    return res::LoadIconResource(id);
}

QString ApplicationTitle()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

int AfxMessageBox(unsigned stringId)
{
    return AfxMessageBox(LoadString(stringId));
}

int AfxMessageBox(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), text, QMessageBox::Ok, QApplication::activeModalWidget());
    return box.exec();
}
