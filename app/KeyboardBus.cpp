#include "KeyboardBus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace {

const QString kFailed = QStringLiteral("org.k3config.Keyboard.Error.Failed");
// An apply waits for many transfers to the keyboard.
constexpr int kCallTimeoutMs = 30000;

QDBusMessage callOn(const QString &service, const QString &method, const QVariantList &args)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, KeyboardBus::kPath,
                                                          KeyboardBus::kInterface, method);
    message.setArguments(args);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeoutMs);
}

QString noAnswer(const QDBusMessage &reply)
{
    return QStringLiteral("the running window did not answer (%1)").arg(reply.errorMessage());
}

} // namespace

namespace KeyboardBus {

bool isOffered(const QString &service)
{
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(service).value();
}

bool askToShow(const QString &service)
{
    return callOn(service, QStringLiteral("Show"), {}).type() == QDBusMessage::ReplyMessage;
}

} // namespace KeyboardBus

KeyboardBusAdaptor::KeyboardBusAdaptor(KeyboardBusObject *parent, KeyboardAccess &keyboard,
                                       std::function<void()> show)
    : QDBusAbstractAdaptor(parent)
    , m_object(parent)
    , m_keyboard(keyboard)
    , m_show(std::move(show))
    , m_connected(keyboard.status().connected)
{}

bool KeyboardBusAdaptor::connected() const
{
    return m_keyboard.status().connected;
}

int KeyboardBusAdaptor::currentProfile() const
{
    return m_keyboard.status().profile + 1;
}

QString KeyboardBusAdaptor::firmwareVersion() const
{
    return m_keyboard.status().firmware;
}

int KeyboardBusAdaptor::effect() const
{
    const QVariantList effect = m_keyboard.status().effect;
    return effect.isEmpty() ? -1 : effect.first().toInt();
}

void KeyboardBusAdaptor::checkConnection()
{
    const bool now = connected();
    if (now == m_connected)
        return;
    m_connected = now;
    emit ConnectionChanged(now);
}

void KeyboardBusAdaptor::answer(const QString &failure)
{
    // A failed transfer may be how the link learns the keyboard is gone.
    checkConnection();
    if (!failure.isEmpty())
        m_object->sendErrorReply(kFailed, failure);
}

void KeyboardBusAdaptor::Show()
{
    m_show();
}

void KeyboardBusAdaptor::Quit()
{
    // After the reply has gone out.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

QVariantMap KeyboardBusAdaptor::Status()
{
    const KeyboardStatus status = m_keyboard.status();
    QList<int> effect;
    for (const QVariant &value : status.effect)
        effect.append(value.toInt());
    return {{QStringLiteral("connected"), status.connected},
            {QStringLiteral("product"), status.product},
            {QStringLiteral("firmware"), status.firmware},
            {QStringLiteral("layout"), status.layout},
            {QStringLiteral("profile"), status.profile + 1},
            {QStringLiteral("effect"), QVariant::fromValue(effect)}};
}

void KeyboardBusAdaptor::SwitchProfile(int profile)
{
    answer(m_keyboard.switchProfile(profile - 1));
}

void KeyboardBusAdaptor::ApplyProfile(int profile)
{
    answer(m_keyboard.applyProfile(profile - 1));
}

void KeyboardBusAdaptor::ExportProfile(int profile, const QString &file)
{
    answer(m_keyboard.exportProfile(profile - 1, file));
}

void KeyboardBusAdaptor::ImportProfile(int profile, const QString &file)
{
    answer(m_keyboard.importProfile(profile - 1, file));
}

void KeyboardBusAdaptor::ResetProfile(int profile)
{
    answer(m_keyboard.resetProfile(profile - 1));
}

void KeyboardBusAdaptor::SetEffect(int type, int brightness, int speed, int direction, int colour)
{
    answer(m_keyboard.setEffect({type, brightness, speed, direction, colour}));
}

RemoteKeyboard::RemoteKeyboard(const QString &service)
    : m_service(service)
{}

QString RemoteKeyboard::call(const QString &method, const QVariantList &args)
{
    const QDBusMessage reply = callOn(m_service, method, args);
    if (reply.type() != QDBusMessage::ErrorMessage)
        return QString();
    return reply.errorName() == kFailed ? reply.errorMessage() : noAnswer(reply);
}

KeyboardStatus RemoteKeyboard::status()
{
    const QDBusMessage reply = callOn(m_service, QStringLiteral("Status"), {});
    KeyboardStatus status;
    if (reply.type() != QDBusMessage::ReplyMessage) {
        status.failure = noAnswer(reply);
        return status;
    }
    const QVariantMap map = qdbus_cast<QVariantMap>(reply.arguments().value(0));
    status.connected = map.value(QStringLiteral("connected")).toBool();
    status.product = map.value(QStringLiteral("product")).toString();
    status.firmware = map.value(QStringLiteral("firmware")).toString();
    status.layout = map.value(QStringLiteral("layout")).toInt();
    status.profile = map.value(QStringLiteral("profile")).toInt() - 1;
    for (const int value : qdbus_cast<QList<int>>(map.value(QStringLiteral("effect"))))
        status.effect.append(value);
    return status;
}

QString RemoteKeyboard::switchProfile(int profile)
{
    return call(QStringLiteral("SwitchProfile"), {profile + 1});
}

QString RemoteKeyboard::applyProfile(int profile)
{
    return call(QStringLiteral("ApplyProfile"), {profile + 1});
}

QString RemoteKeyboard::exportProfile(int profile, const QString &file)
{
    return call(QStringLiteral("ExportProfile"), {profile + 1, file});
}

QString RemoteKeyboard::importProfile(int profile, const QString &file)
{
    return call(QStringLiteral("ImportProfile"), {profile + 1, file});
}

QString RemoteKeyboard::resetProfile(int profile)
{
    return call(QStringLiteral("ResetProfile"), {profile + 1});
}

QString RemoteKeyboard::setEffect(const EffectChange &change)
{
    return call(QStringLiteral("SetEffect"),
                {change.type, change.brightness, change.speed, change.direction, change.colour});
}
