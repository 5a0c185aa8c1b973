// Core of the view bridge: construction, the device link, and the calls that
// go from C++ into the functions of the QML root item.
#include "myQQuickView.h"

#include "AppConfigStore.h"
#include "HardwareDefinitions.h"
#include "Hid_Thread.h"
#include "KeyNameTable.h"
#include "MediaCuePlayer.h"
#include "ProfileStore.h"
#include "SoundCues.h"
#include "UserDialogs.h"

#include <QFocusEvent>
#include <QMetaMethod>
#include <QQuickItem>

#include <array>

namespace {

SoundCues::Players mediaPlayers()
{
    SoundCues::Players players;
    for (auto &player : players)
        player = std::make_unique<MediaCuePlayer>();
    return players;
}

}

myQQuickView::myQQuickView(QWidget *parent)
    : QQuickWidget(parent)
    , m_dialogs(std::make_unique<QtUserDialogs>(this))
    , m_sound(std::make_unique<SoundCues>(mediaPlayers()))
    , m_apConfig(std::make_unique<AppConfigStore>())
    , m_profiles(std::make_unique<ProfileStore>())
    , m_layoutMode(HardwareDefinitions().initialLayoutMode())
{
    rebuildKeyNames();
}

// The settings objects are destroyed with the bridge, which writes any change
// not yet on disk.
myQQuickView::~myQQuickView() = default;

void myQQuickView::setDevice(Hid_Thread *device)
{
    m_device = device;
    if (m_device)
        m_device->setEventSink(this);
}

Hid_Thread *myQQuickView::device() const
{
    return m_device;
}

uchar myQQuickView::layoutMode() const
{
    return m_layoutMode;
}

void myQQuickView::setDialogs(std::unique_ptr<UserDialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

int myQQuickView::currentDeviceId() const
{
    return m_device ? int(m_device->currentDevice()) : -1;
}

void myQQuickView::rebuildKeyNames()
{
    m_keyNames = KeyNameTable::map(loadUsbStr(), loadUsbCode());
}

void myQQuickView::invokeRoot(const char *function, Qt::ConnectionType type, const QVariantList &args)
{
    QObject *root = rootObject();
    if (!root)
        return;
    // QML functions take QVariant parameters; a root without the function is left alone.
    QByteArray signature = QByteArray(function) + '(';
    for (qsizetype i = 0; i < args.size(); ++i)
        signature += i ? ",QVariant" : "QVariant";
    signature += ')';
    const int index = root->metaObject()->indexOfMethod(signature.constData());
    if (index < 0)
        return;
    std::array<QGenericArgument, 4> a;
    for (qsizetype i = 0; i < args.size() && i < qsizetype(a.size()); ++i)
        a[i] = Q_ARG(QVariant, args.at(i));
    root->metaObject()->method(index).invoke(root, type, a[0], a[1], a[2], a[3]);
}

void myQQuickView::detectKeyboard(bool isDown, int usbCode)
{
    invokeRoot("detectKeyboard", Qt::QueuedConnection, {QVariant(isDown), QVariant(usbCode)});
}

void myQQuickView::detectMouse(bool isDown, uint button, uint x, uint y)
{
    invokeRoot("detectMouse", Qt::QueuedConnection, {QVariant(isDown), QVariant(button), QVariant(x), QVariant(y)});
}

void myQQuickView::syncFW()
{
    if (!m_device)
        return;
    quint16 version = 0;
    m_device->hid_80H_GetFWVersion(version, m_layoutMode);
    uchar profile = m_profiles->currentIndex();
    m_device->hid_A1H_GetCurrentProfile(profile);
    m_profiles->setCurrentIndex(profile);
    // The key names depend on the layout mode just read.
    rebuildKeyNames();
}

void myQQuickView::initUI()
{
    invokeRoot("initUI", Qt::QueuedConnection);
}

void myQQuickView::runUI()
{
    invokeRoot("run", Qt::QueuedConnection);
}

void myQQuickView::zzzMorvel(uchar profileNo, uchar effect, uchar brightness, uchar speed)
{
    // Called from the device monitor's thread: only the GUI thread touches the scene.
    const QVariantList args{int(profileNo), int(effect), int(brightness), int(speed)};
    QMetaObject::invokeMethod(
        this, [this, args] { invokeRoot("zzzMorvel", Qt::DirectConnection, args); }, Qt::QueuedConnection);
}

void myQQuickView::focusInEvent(QFocusEvent *event)
{
    QQuickWidget::focusInEvent(event);
    repaint();
    event->accept();
}
