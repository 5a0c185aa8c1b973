#include "SignalCounter.h"

#include <QMetaMethod>

SignalCounter::SignalCounter(QObject *sender, const char *signal)
{
    const QMetaObject *meta = sender->metaObject();
    const int index = meta->indexOfSignal(QMetaObject::normalizedSignature(signal).constData());
    if (index >= 0)
        connect(sender, meta->method(index), this, metaObject()->method(metaObject()->indexOfSlot("hit()")));
}
