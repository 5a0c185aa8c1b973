// Hardware definition slots.
#include "myQQuickView.h"

#include "HardwareDefinitions.h"
#include "LinkLog.h"

#include <QDebug>

namespace {

constexpr int kLanguagePosition = 4;

}

QVariantList myQQuickView::loadHWDef()
{
    // The table file follows the chosen language; before any settings were saved, the first.
    const QVariantList config = loadApConfig();
    const QString suffix = config.size() > kLanguagePosition
                                   ? config.at(kLanguagePosition).toString()
                                   : QStringLiteral("0");
    qCDebug(linkLog) << "test" << suffix << int(m_layoutMode);
    return HardwareDefinitions().table(suffix, m_layoutMode);
}

QVariantList myQQuickView::loadLangName(uchar lang)
{
    qCDebug(linkLog) << "test1" << int(lang);
    return HardwareDefinitions().table(QStringLiteral("1"), lang);
}
