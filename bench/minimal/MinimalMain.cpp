// The yardstick for start-up: the smallest Qt Quick program of the same shape as k3config,
// one QQuickWidget showing one rectangle, with the same start-up handshake (an event posted
// before the event loop starts, whose delivery queues QML `run`).
#include "UserEvent.h"

#include <QApplication>
#include <QQuickItem>
#include <QQuickWidget>

namespace {

class MinimalView : public QQuickWidget
{
protected:
    void customEvent(QEvent *event) override
    {
        if (event->type() == UserEvent::kType
            && static_cast<UserEvent *>(event)->code() == UserEvent::kStartupDone)
            QMetaObject::invokeMethod(rootObject(), "run", Qt::QueuedConnection);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MinimalView view;
    view.setResizeMode(QQuickWidget::SizeRootObjectToView);
    view.setSource(QUrl(QStringLiteral("qrc:/minimal/Minimal.qml")));
    view.resize(1000, 600);
    view.show();
    QCoreApplication::postEvent(&view, new UserEvent(UserEvent::kStartupDone));
    return app.exec();
}
