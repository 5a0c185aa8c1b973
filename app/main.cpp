#include "Program.h"
#include "RunFolder.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QFontDatabase>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Names the desktop entry, so that Wayland shells show the program's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("k3config"));
    SingleInstance instance(QCoreApplication::applicationFilePath());
    if (!instance.acquire())
        return 1;
    enterRunFolder(QCoreApplication::applicationFilePath());
    QFontDatabase::addApplicationFont(QStringLiteral("./Exo-Medium.ttf"));

    Program program;
    program.start();
    return app.exec();
}
