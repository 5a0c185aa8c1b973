#include "LocalUrlOpener.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// The shipped guide is named by a relative file URL; launchers need absolute ones.
class LocalUrlTest : public QObject
{
    Q_OBJECT
private slots:
    void relativeFileUrlsResolveAgainstTheProgramFolder()
    {
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const QUrl url = LocalUrlOpener::absolute(
                QUrl(QStringLiteral("file:modules/guide/index.html#keys")));
        QDir::setCurrent(before);

        QCOMPARE(url.toLocalFile(),
                 QDir(dir.path()).absoluteFilePath(QStringLiteral("modules/guide/index.html")));
        QCOMPARE(url.fragment(), QStringLiteral("keys"));
    }

    void otherUrlsStayAsTheyAre_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("absolute file") << QStringLiteral("file:///usr/share/doc/index.html");
        QTest::newRow("web") << QStringLiteral("https://example.org/k3");
        QTest::newRow("mail") << QStringLiteral("mailto:support@example.org");
    }

    void otherUrlsStayAsTheyAre()
    {
        QFETCH(QString, url);
        QCOMPARE(LocalUrlOpener::absolute(QUrl(url)), QUrl(url));
    }
};

QTEST_GUILESS_MAIN(LocalUrlTest)
#include "tst_localurls.moc"
