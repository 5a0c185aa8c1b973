#include "WindowKeyFilter.h"

#include "InputHook.h"

#include <QKeyEvent>

WindowKeyFilter::WindowKeyFilter(InputHook &hook, QObject *parent)
    : QObject(parent)
    , m_hook(hook)
{}

bool WindowKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    const bool isKey = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (isKey && !m_hook.capturesKeyboard()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // X11 turns a held key into release/press pairs; the key stays down.
        if (!key->isAutoRepeat())
            feedWindowKey(m_hook, key->nativeScanCode(), event->type() == QEvent::KeyPress);
    }
    return QObject::eventFilter(watched, event);
}
