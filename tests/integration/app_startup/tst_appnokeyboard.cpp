// The real program on this machine's hidapi with no keyboard attached.
#include "Program.h"
#include "RuntimeCopy.h"
#include "myQQuickView.h"

#include <QFile>
#include <QQuickItem>
#include <QSettings>
#include <QTest>

class NoKeyboardTest : public QObject
{
    Q_OBJECT
private slots:
    void showsTheStoredLightingAndKeepsItOnApply()
    {
        RuntimeCopy folder;
        QVERIFY(folder.isValid());
        // Stored lighting unlike the page's defaults: raining, brightness 27, speed 2, left, colour 4.
        const QString p1 = QStringLiteral("modules/setting/p1.bin");
        QFile file(p1);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray text = file.readAll().replace("ledType=0, 63, 3, 0, 7, 0",
                                                       "ledType=9, 27, 2, 1, 4, 0");
        QVERIFY(file.seek(0) && file.write(text) == text.size());
        file.close();

        Program program(Widget::mainScene(), nullptr, makeKeyboardWatch());
        program.start();
        if (program.window().presence().isConnected())
            QSKIP("a keyboard is attached to this machine");
        QQuickItem *root = program.window().view()->rootObject();
        QVERIFY(root);
        QTRY_VERIFY_WITH_TIMEOUT(!root->property("busy").toBool(), 10000);
        QObject *indicator = root->findChild<QObject *>(QStringLiteral("connectionIndicator"));
        QTRY_COMPARE(indicator->property("text").toString(), QStringLiteral("not connected"));

        QVariant mainItem;
        QMetaObject::invokeMethod(root, "getDevItem", Q_RETURN_ARG(QVariant, mainItem),
                                  Q_ARG(QVariant, 0));
        const QObject *page = mainItem.value<QObject *>()->property("colorPage").value<QObject *>();
        QCOMPARE(page->property("effectCode").toInt(), 9);
        QCOMPARE(page->property("brightnessLevel").toInt(), 3);
        QCOMPARE(page->property("speedLevel").toInt(), 2);

        QMetaObject::invokeMethod(root, "applyAll");
        QObject *notice = root->findChild<QObject *>(QStringLiteral("notice"));
        QTRY_COMPARE(notice->property("text").toString(),
                     QStringLiteral("Not sent: the keyboard is not connected"));
        QTRY_VERIFY_WITH_TIMEOUT(!root->property("busy").toBool(), 5000);
        QTest::qWait(700); // the profile's deferred write
        QCOMPARE(QSettings(p1, QSettings::IniFormat).value("color/ledType").toStringList(),
                 QStringList({"9", "27", "2", "1", "4", "0"}));
    }
};

QTEST_MAIN(NoKeyboardTest)
#include "tst_appnokeyboard.moc"
