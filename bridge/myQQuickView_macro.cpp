// Macro library slots and the hand-over of a macro to a device slot.
#include "myQQuickView.h"

#include "Hid_Thread.h"
#include "MacroCodec.h"
#include "MacroLibrary.h"
#include "UserDialogs.h"

void myQQuickView::loadMacroIniFromFile(QVariant name)
{
    const QString path = m_dialogs->openFileName(tr("Open File"), UserDialogs::desktopFolder(),
                                                 tr("Macro(*.mc)"));
    // An import only ever replaces a macro that is there.
    MacroLibrary library;
    if (!path.isEmpty() && library.exists(name.toString()))
        reportFailure(library.importFrom(name.toString(), path), QStringLiteral("macroNotImported"),
                      {name.toString()});
}

void myQQuickView::saveMacroIniToFile(QVariant name)
{
    MacroLibrary library;
    if (!library.exists(name.toString()))
        return;
    const QString path = m_dialogs->saveFileName(tr("Save File"), UserDialogs::desktopFolder(),
                                                 tr("Macro(*.mc)"));
    if (!path.isEmpty())
        reportFailure(library.exportTo(name.toString(), path), QStringLiteral("macroNotExported"),
                      {name.toString()});
}

void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName)
{
    reportFailure(MacroLibrary().rename(oldName.toString(), newName.toString()),
                  QStringLiteral("macroNotRenamed"), {oldName.toString(), newName.toString()});
}

QVariant myQQuickView::createMacroIni()
{
    FileFailure failure = FileFailure::None;
    const QString name = MacroLibrary().create(&failure);
    reportFailure(failure, QStringLiteral("macroNotCreated"), {});
    return name;
}

QVariant myQQuickView::deleteMacroIni(QVariant name)
{
    MacroLibrary library;
    return library.exists(name.toString())
           && reportFailure(library.remove(name.toString()), QStringLiteral("macroNotDeleted"),
                            {name.toString()});
}

QStringList myQQuickView::getMacroIniNames()
{
    return MacroLibrary().fileNames();
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros)
{
    MacroLibrary library;
    if (!library.exists(name.toString())
        || !reportFailure(library.saveSteps(name.toString(), macros),
                          QStringLiteral("macroNotSaved"), {name.toString()}))
        return false;
    // The keyboard follows every edit of a bound macro.
    const int slot = library.boundSlot(name.toString());
    if (slot >= 0 && slot <= MacroLibrary::kLastSlot)
        ui_10H_SetMacroKey(slot, name);
    return true;
}

QStringList myQQuickView::loadMacroIni(QVariant name)
{
    return MacroLibrary().steps(name.toString());
}

QVariantList myQQuickView::loadMacroIniConfig(QVariant name)
{
    return MacroLibrary().config(name.toString(), currentDeviceId());
}

void myQQuickView::setMacroIniConfig(QVariant name, QVariantList config)
{
    MacroLibrary library;
    if (library.exists(name.toString()))
        reportFailure(library.setConfig(name.toString(), config, currentDeviceId()),
                      QStringLiteral("macroBindingNotSaved"), {name.toString()});
}

QList<uchar> myQQuickView::macroIncode(QStringList macros)
{
    return MacroCodec::encode(macros, m_keyNames);
}

void myQQuickView::ui_10H_SetMacroKey(QVariant macroId, QVariant name)
{
    const QList<uchar> encoded = macroIncode(loadMacroIni(name));
    if (encoded.size() > MacroCodec::kBlockSize) {
        m_dialogs->warning(m_messages.value(0), m_messages.value(1));
    }
    const MacroCodec::Block block = MacroCodec::block(encoded);
    if (keyboardReachable())
        m_device->hid_10H_SetMacroKey(uchar(macroId.toInt()), block.data());
}
