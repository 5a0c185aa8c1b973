// Localisation and key-name slots.
#include "myQQuickView.h"

#include "KeyNameTable.h"
#include "LanguageFiles.h"

QVariantMap myQQuickView::chkLanguages()
{
    return LanguageFiles().menu();
}

QStringList myQQuickView::getGlobalStrings(QString langCode)
{
    const LanguageFiles files;
    LanguageFiles::Texts texts = files.load(langCode);
    m_messages = texts.messages;
    m_notices = NoticeTexts(texts.notices, files.load(QString::fromLatin1(LanguageFiles::kEnglish)).notices);
    return texts.strings;
}

QVariantList myQQuickView::loadUsbStr()
{
    return KeyNameTable().names(m_layoutMode);
}

QVariantList myQQuickView::loadUsbCode()
{
    return KeyNameTable().codes(m_layoutMode);
}
