#include "SceneAccess.h"

#include <QObject>

QVariant callQml(QObject *object, const char *function, const QVariantList &args)
{
    Q_ASSERT(args.size() <= 3);
    QVariant result;
    QGenericArgument a[3];
    for (qsizetype i = 0; i < args.size() && i < 3; ++i)
        a[i] = Q_ARG(QVariant, args[i]);
    if (!QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result), a[0], a[1],
                                   a[2]))
        qWarning("cannot call %s", function);
    return result;
}

QObject *mainItem(QObject *root)
{
    return callQml(root, "getDevItem", {0}).value<QObject *>();
}
