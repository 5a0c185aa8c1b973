#include <QDir>
#include <QObject>
#include <QtQuickTest/quicktest.h>

// The page loads its skin pictures relative to the working directory, as the program does.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void applicationAvailable() { QDir::setCurrent(QStringLiteral(K3_RUNTIME_DIR)); }
};

QUICK_TEST_MAIN_WITH_SETUP(keydefine, Setup)

#include "tst_qml_keydefine.moc"
