#include "tabloom_app.h"

#include <QApplication>

namespace {

CTabloomApp theApp;

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    theApp.InitInstance();
    return theApp.ExitInstance();
}
