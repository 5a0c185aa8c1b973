#include "DeviceCatalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class DeviceCatalogueTest : public QObject
{
    Q_OBJECT
private slots:
    void embeddedCatalogueHasTheShippedTextWithCrLf();
    void readsTheShippedEntries();
    void namesEntriesFromTheProductNameList();
    void missingAndInvalidKeysTakeTheirDefaults();

private:
    QString writeCatalogue(const QByteArray &text);
    QTemporaryDir dir;
};

void DeviceCatalogueTest::embeddedCatalogueHasTheShippedTextWithCrLf()
{
    QFile file(QStringLiteral(":/DevInfo.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray expected =
        "; type 0: Keyboard, type 1: Mouse\r\n"
        "[common]\r\nisEncode = false\r\ntotal = 2\r\n"
        "[0]\r\ntype = 0\r\nvid = 04d9\r\npid = a1cd\r\ncompatible = 04d9,a1cd\r\nusagePage = ff01\r\n"
        "usage = 0001\r\nusagePage2 = ff02\r\nusage2 = 0001\r\nlib = unknown\r\nmodelName = K3-KEYBOARD\r\n"
        "reportLength = 64\r\n"
        "[1]\r\ntype = 1\r\nvid = 04d9\r\npid = a09f\r\nusagePage = ff00\r\nusage = ff00\r\n"
        "usagePage2 = ff01\r\nusage2 = ff01\r\nlib = unknown\r\nmodelName = M3-MOUSE\r\nreportLength = 32\r\n";
    QCOMPARE(file.readAll(), expected);
}

void DeviceCatalogueTest::readsTheShippedEntries()
{
    const DeviceCatalogue catalogue = readDeviceCatalogue({QStringLiteral("K3"), QStringLiteral("M3")});
    QCOMPARE(catalogue.isEncode, false);
    QCOMPARE(catalogue.entries.size(), 2);

    const DevInfo &keyboard = catalogue.entries.at(0);
    QCOMPARE(keyboard.type, 0);
    QCOMPARE(keyboard.vid, quint16(0x04d9));
    QCOMPARE(keyboard.pid, quint16(0xa1cd));
    QCOMPARE(keyboard.usagePage, quint16(0xff01));
    QCOMPARE(keyboard.usage, quint16(0x0001));
    QCOMPARE(keyboard.usagePage2, quint16(0xff02));
    QCOMPARE(keyboard.usage2, quint16(0x0001));
    QCOMPARE(keyboard.lib, QStringLiteral("unknown"));
    QCOMPARE(keyboard.productName, QStringLiteral("K3"));
    QCOMPARE(keyboard.reportLength, 64u);

    const DevInfo &mouse = catalogue.entries.at(1);
    QCOMPARE(mouse.type, 1);
    QCOMPARE(mouse.pid, quint16(0xa09f));
    QCOMPARE(mouse.usagePage, quint16(0xff00));
    QCOMPARE(mouse.usage2, quint16(0xff01));
    QCOMPARE(mouse.productName, QStringLiteral("M3"));
    QCOMPARE(mouse.reportLength, 32u);
}

void DeviceCatalogueTest::namesEntriesFromTheProductNameList()
{
    const DeviceCatalogue one = readDeviceCatalogue({QStringLiteral("Keyboard")});
    QCOMPARE(one.entries.size(), 2);
    QCOMPARE(one.entries.at(0).productName, QStringLiteral("Keyboard"));
    QCOMPARE(one.entries.at(1).productName, QString());

    const DeviceCatalogue none = readDeviceCatalogue({});
    QCOMPARE(none.entries.size(), 2);
    QCOMPARE(none.entries.at(0).productName, QString());
}

void DeviceCatalogueTest::missingAndInvalidKeysTakeTheirDefaults()
{
    const QString path = writeCatalogue("[common]\r\nisEncode = true\r\ntotal = 2\r\n"
                                         "[0]\r\nvid = zz\r\npid = A1CD\r\nusage = 10000\r\n"
                                         "[1]\r\ntype = 1\r\nreportLength = -4\r\n");
    const DeviceCatalogue catalogue = readDeviceCatalogue({}, path);
    QCOMPARE(catalogue.isEncode, true);
    QCOMPARE(catalogue.entries.size(), 2);
    const DevInfo &first = catalogue.entries.at(0);
    QCOMPARE(first.type, -1);
    QCOMPARE(first.vid, quint16(0));
    QCOMPARE(first.pid, quint16(0xa1cd));
    QCOMPARE(first.usage, quint16(0)); // 0x10000 cut to 16 bits
    QCOMPARE(first.usagePage2, quint16(0));
    QCOMPARE(first.lib, QString());
    QCOMPARE(first.reportLength, 0u);
    QCOMPARE(catalogue.entries.at(1).type, 1);
    QCOMPARE(catalogue.entries.at(1).reportLength, 0u);

    QVERIFY(readDeviceCatalogue({}, writeCatalogue("[0]\r\ntype = 0\r\n")).entries.isEmpty());
    QVERIFY(readDeviceCatalogue({}, dir.filePath(QStringLiteral("absent.ini"))).entries.isEmpty());
}

QString DeviceCatalogueTest::writeCatalogue(const QByteArray &text)
{
    static int serial = 0;
    const QString path = dir.filePath(QStringLiteral("catalogue%1.ini").arg(++serial));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QTEST_GUILESS_MAIN(DeviceCatalogueTest)
#include "tst_devicecatalogue.moc"
