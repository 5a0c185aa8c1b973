#include <QObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QUrl>
#include <QtQuickTest/quicktest.h>

// Gives the tests the skin pictures of the run-time folder.
class Setup : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->rootContext()->setContextProperty(
                QStringLiteral("testSkinPath"),
                QUrl::fromLocalFile(QStringLiteral(K3_RUNTIME_DIR "/modules/img/skin1/")).toString());
    }
};

QUICK_TEST_MAIN_WITH_SETUP(macro, Setup)

#include "tst_qml_macro.moc"
