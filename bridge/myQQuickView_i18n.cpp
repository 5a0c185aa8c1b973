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
    const LanguageFiles::Texts english = files.load(QString::fromLatin1(LanguageFiles::kEnglish));
    m_notices = NoticeTexts(texts.notices, english.notices);
    m_connection.setTexts(NoticeTexts(texts.connection, english.connection));
    return texts.strings;
}

QVariantMap myQQuickView::getLanguageGroup(QString langCode, QString group)
{
    return LanguageFiles().group(langCode, group);
}

QVariantList myQQuickView::loadUsbStr()
{
    return KeyNameTable().names(m_layoutMode);
}

QVariantList myQQuickView::loadUsbCode()
{
    return KeyNameTable().codes(m_layoutMode);
}
