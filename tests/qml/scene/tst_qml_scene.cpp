#include <QDir>
#include <QObject>
#include <QtQuickTest/quicktest.h>

// The scene loads its skin pictures relative to the working directory, as the program does.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void applicationAvailable() { QDir::setCurrent(QStringLiteral(K3_RUNTIME_DIR)); }
};

QUICK_TEST_MAIN_WITH_SETUP(scene, Setup)

#include "tst_qml_scene.moc"
