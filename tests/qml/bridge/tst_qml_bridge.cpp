#include "ScriptedDialogs.h"
#include "TempWorkDir.h"
#include "myQQuickView.h"

#include <QApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest/quicktest.h>

// Publishes one bridge as ui_View to every test file. The bridge works in a
// throw-away folder with small data files of its own.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        if (!m_view) {
            TempWorkDir::write(QStringLiteral("modules/setting/KeyCodeDef.bin"),
                               "[0]\nusbStr=A, B\nusbCode=4, 5\n");
            TempWorkDir::write(QStringLiteral("modules/setting/HWDef0.bin"),
                               "[0]\ntotal_HW=1\ntotal_FW=126\n1=10, 20, 1, Esc, 0, 41\n");
            TempWorkDir::write(QStringLiteral("modules/setting/HWDef1.bin"),
                               "[0]\ntotal_HW=1\ntotal_FW=126\n1=10, 20, 1, Esc, 0, 41\n");
            TempWorkDir::write(QStringLiteral("modules/i18n/lang_031000.ini"),
                               "[font]\nfamily=Exo\ntotal=2\n[strings]\n1=One\n2=Two\n[confirm]"
                               "\nyes=Yes, sure\n");
            TempWorkDir::write(QStringLiteral("modules/i18n/lang_025044.ini"),
                               "[font]\nfamily=Hei\n");
            m_view = std::make_unique<myQQuickView>();
            m_view->setDialogs(std::make_unique<ScriptedDialogs>(m_dialogs));
        }
        engine->rootContext()->setContextProperty(QStringLiteral("ui_View"), m_view.get());
    }
    void cleanupTestCase() { m_view.reset(); }

private:
    TempWorkDir m_dir;
    ScriptedDialogs::Shared m_dialogs; // every dialog is cancelled
    std::unique_ptr<myQQuickView> m_view;
};

int main(int argc, char **argv)
{
    // The bridge is a widget.
    QApplication app(argc, argv);
    Setup setup;
    return quick_test_main_with_setup(argc, argv, "bridge", QUICK_TEST_SOURCE_DIR, &setup);
}

#include "tst_qml_bridge.moc"
