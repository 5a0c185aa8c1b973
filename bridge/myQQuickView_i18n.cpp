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
    LanguageFiles::Texts texts = LanguageFiles().load(langCode);
    m_messages = texts.messages;
    return texts.strings;
}

QVariantMap myQQuickView::getGroupStrings(QString langCode, QString group)
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
