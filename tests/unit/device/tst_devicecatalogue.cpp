#include "DeviceCatalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class DeviceCatalogueTest : public QObject
{
    Q_OBJECT
private slots:
    void namesEntriesFromTheProductNameList();
    void missingAndInvalidKeysTakeTheirDefaults();

private:
    QString writeCatalogue(const QByteArray &text);
    QTemporaryDir dir;
};

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
