#include "SceneProfiles.h"

#include "myQQuickView.h"

#include <QQuickItem>

// Direct calls: the request's answer (and the keyboard's commands) follow once they are done.
void SceneProfiles::call(const char *function, const QVariantList &args)
{
    if (QQuickItem *root = m_view.rootObject()) {
        if (args.isEmpty())
            QMetaObject::invokeMethod(root, function);
        else
            QMetaObject::invokeMethod(root, function, Q_ARG(QVariant, args.first()));
    }
}

void SceneProfiles::selectProfile(int profile)
{
    call("selectProfile", {profile});
}

void SceneProfiles::reloadPages()
{
    call("reloadPages");
}

void SceneProfiles::applyAll()
{
    call("applyAll");
}
