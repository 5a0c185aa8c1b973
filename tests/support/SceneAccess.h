#pragma once

#include <QVariant>

class QObject;

// Calls a QML function with up to three arguments and returns its result; invalid, with a
// warning, when the object has no such function.
QVariant callQml(QObject *object, const char *function, const QVariantList &args = {});

// The scene's main item, which holds the pages and their menus; null where the root has none.
QObject *mainItem(QObject *root);
