// The yardstick of the start-up benchmark: a Qt program that shows one modal dialog with nothing
// of Tabloom in it. Bare, the dialog is empty, and the program never needs a font; with the
// argument "--text" it shows a line of text and a push button, as any dialog that says something
// does.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    if (QCoreApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLabel(QStringLiteral("A line of text.")));
        layout->addWidget(new QPushButton(QStringLiteral("OK")));
    }
    return dialog.exec();
}
