#include "ApplicationFonts.h"
#include "ExecutableFolder.h"
#include "Program.h"
#include "SingleInstance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SingleInstance instance(QCoreApplication::applicationFilePath());
    if (!instance.acquire())
        return 1;
    enterExecutableFolder(QCoreApplication::applicationFilePath());
    registerApplicationFonts();

    Program program;
    program.start();
    return app.exec();
}
