#include <QDir>
#include <QObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QtQuickTest/quicktest.h>

namespace {

// The shipped hardware key table of the English layout, as the bridge's loadHWDef gives it.
QVariantList shippedTable()
{
    QSettings file(QStringLiteral(K3_SOURCE_DIR "/modules/setting/HWDef0.bin"),
                   QSettings::IniFormat);
    file.beginGroup(QStringLiteral("0"));
    const int rows = file.value(QStringLiteral("total_HW")).toInt();
    QVariantList table{rows, file.value(QStringLiteral("total_FW")).toInt()};
    for (int r = 1; r <= rows; ++r) {
        QStringList row = file.value(QString::number(r)).toStringList();
        while (row.size() < 6)
            row << QString();
        table << row[0].toInt() << row[1].toInt() << row[2].toInt() << row[3] << row[4].toInt()
              << row[5].toUInt();
    }
    return table;
}

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // Skin pictures load from modules/img relative to the working folder, as in the program.
        QDir::setCurrent(QStringLiteral(K3_SOURCE_DIR));
        engine->rootContext()->setContextProperty(QStringLiteral("shippedTable"), shippedTable());
    }
};

} // namespace

QUICK_TEST_MAIN_WITH_SETUP(lighting, Setup)

#include "tst_qml_lighting.moc"
