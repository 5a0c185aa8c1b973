#include "ApplicationFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {

// The family of a font file; empty when the file is missing or no font.
QString addFont(const QString &path)
{
    const QStringList families = QFontDatabase::applicationFontFamilies(
            QFontDatabase::addApplicationFont(path));
    return families.isEmpty() ? QString() : families.first();
}

} // namespace

void registerApplicationFonts()
{
    const QString text = addFont(QStringLiteral("./Exo-Medium.ttf"));
    const QString symbols = addFont(QStringLiteral("./modules/font/k3config-Symbols.ttf"));
    if (!text.isEmpty() && !symbols.isEmpty())
        QFont::insertSubstitution(text, symbols);
}
