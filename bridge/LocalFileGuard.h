#pragma once

#include <QQmlAbstractUrlInterceptor>

// Keeps the scene from loading local files that are no regular files: a pipe or a
// device named as a picture (the custom background comes from the settings) would hold
// the picture loader, and the program's end that waits for it, for good.
class LocalFileGuard : public QQmlAbstractUrlInterceptor
{
public:
    QUrl intercept(const QUrl &url, DataType type) override;
};
