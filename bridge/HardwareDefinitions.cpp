#include "HardwareDefinitions.h"

#include "LegacyIni.h"
#include "SettingsValues.h"

#include <QSettings>

namespace {

constexpr int kNameElement = 3;
constexpr int kCodeElement = 5;
constexpr int kRowLength = 6;

} // namespace

HardwareDefinitions::HardwareDefinitions(const QString &folder)
    : m_folder(folder)
{}

QVariantList HardwareDefinitions::table(const QString &suffix, uint layout) const
{
    QSettings file(m_folder + QStringLiteral("/HWDef") + suffix + QStringLiteral(".bin"),
                   LegacyIni::format());
    file.beginGroup(QString::number(layout));
    // The pages build one key per row and one entry per matrix position: a damaged count
    // must not make them build millions. A section holds at most one row per key in it.
    const int rows = qMin(SettingsValues::count(file.value(QStringLiteral("total_HW"), 0)),
                          int(file.childKeys().size()));
    const int matrixSize = SettingsValues::count(file.value(QStringLiteral("total_FW"), 0));
    QVariantList result{rows, matrixSize};
    for (int r = 1; r <= rows; ++r) {
        const QVariantList row = SettingsValues::list(file.value(QString::number(r)));
        for (int e = 0; e < kRowLength; ++e) {
            const QVariant element = e < row.size() ? row.at(e) : QVariant();
            if (e == kNameElement)
                result.append(element.toString());
            else if (e == kCodeElement)
                result.append(element.toUInt());
            else
                result.append(element.toInt());
        }
    }
    return result;
}

uchar HardwareDefinitions::initialLayoutMode() const
{
    const QSettings file(m_folder + QStringLiteral("/HWDef.bin"), LegacyIni::format());
    return uchar(file.value(QStringLiteral("common/kbLayoutType"), QVariant()).toUInt());
}
