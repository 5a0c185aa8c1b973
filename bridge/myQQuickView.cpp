// Core of the view bridge: construction, the device link, and the calls that
// go from C++ into the functions of the QML root item.
#include "myQQuickView.h"

#include "AppConfigStore.h"
#include "AppProfileSwitcher.h"
#include "DeviceBlocks.h"
#include "FileReplace.h"
#include "FocusWatcher.h"
#include "HardwareDefinitions.h"
#include "Hid_Thread.h"
#include "KeyNameTable.h"
#include "LocalFileGuard.h"
#include "MediaCuePlayer.h"
#include "ProfileStore.h"
#include "SoundCues.h"
#include "UserDialogs.h"

#include <QElapsedTimer>
#include <QFocusEvent>
#include <QMetaMethod>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScopedValueRollback>

#include <array>

namespace {

// Reports the keyboard sends faster than the interface shows them: how many wait at most,
// and how long the GUI thread spends on them before it turns to its other events.
constexpr size_t kMaxPendingEvents = 256;
constexpr qint64 kEventSliceMs = 20;

} // namespace

myQQuickView::myQQuickView(QWidget *parent)
    : QQuickWidget(parent)
    , m_fileGuard(std::make_unique<LocalFileGuard>())
    , m_dialogs(std::make_unique<QtUserDialogs>(this))
    , m_sound(std::make_unique<SoundCues>(cuePlayers()))
    // The scene switches as from its profile menu, so the pages follow.
    , m_appProfiles(std::make_unique<AppProfileSwitcher>(
              [this] { return int(m_profiles->currentIndex()); },
              [this](int profile) { invokeRoot("selectProfile", Qt::DirectConnection, {profile}); }))
{
    for (const char *folder : {"./modules/setting", "./modules/macro"})
        FileReplace::removeLeftovers(QString::fromLatin1(folder));
    engine()->addUrlInterceptor(m_fileGuard.get());
    openFiles();
    // The cues load once the first frame is drawn: off the start-up path, and before a click.
    connect(
            quickWindow(), &QQuickWindow::afterRendering, this, [this] { m_sound->prepare(); },
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    connect(&m_connection, &ConnectionStatus::changed, this, &myQQuickView::showConnection);
}

// The settings objects are destroyed with the bridge, which writes any change
// not yet on disk. The scene's engine outlives the members: the guard leaves it first.
myQQuickView::~myQQuickView()
{
    engine()->removeUrlInterceptor(m_fileGuard.get());
}

void myQQuickView::openFiles()
{
    // The old stores go first: what they still hold goes to the files they were opened on.
    m_apConfig.reset();
    m_profiles.reset();
    m_apConfig = std::make_unique<AppConfigStore>();
    m_profiles = std::make_unique<ProfileStore>(
            QStringLiteral("./modules/setting"), [this](int profile, FileFailure failure) {
                reportFailure(failure, QStringLiteral("profileNotSaved"),
                              {QString::number(profile + 1)});
            });
    m_appProfiles->setRules(m_apConfig->appProfiles());
    m_layoutMode = HardwareDefinitions().initialLayoutMode();
    rebuildKeyNames();
}

void myQQuickView::setDevice(Hid_Thread *device)
{
    m_device = device;
    if (!m_device)
        return;
    m_device->setEventSink(this);
    // From the transfer's thread: the notice waits for the GUI thread.
    connect(m_device, &Hid_Thread::commandFailed, this, &myQQuickView::noticeNotSent,
            Qt::QueuedConnection);
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

void myQQuickView::invokeRoot(const char *function, Qt::ConnectionType type,
                              const QVariantList &args)
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
    invokeRoot("detectMouse", Qt::QueuedConnection,
               {QVariant(isDown), QVariant(button), QVariant(x), QVariant(y)});
}

void myQQuickView::showNotice(const QString &text)
{
    invokeRoot("showNotice", Qt::AutoConnection, {text});
}

QString myQQuickView::noticeText(const QString &key, const QStringList &args) const
{
    return m_notices.text(key, args);
}

bool myQQuickView::reportFailure(FileFailure failure, const QString &what, QStringList args)
{
    if (failure == FileFailure::None)
        return true;
    args.append(noticeText(FileFailures::reasonKey(failure)));
    showNotice(noticeText(what, args));
    return false;
}

QString myQQuickView::firmwareText() const
{
    return DeviceBlocks::firmwareText(m_firmware);
}

// What the keyboard does not answer keeps its value: a failed read's presets are not its state.
void myQQuickView::syncFW()
{
    if (!m_device)
        return;
    const DeviceBlocks::DeviceFacts facts = DeviceBlocks::readDeviceFacts(
            *m_device, {m_firmware, m_layoutMode, uchar(m_profiles->currentIndex())});
    m_firmware = facts.version;
    m_layoutMode = facts.layoutMode;
    m_profiles->setCurrentIndex(facts.profile);
    // The key names depend on the layout mode just read.
    rebuildKeyNames();
}

void myQQuickView::syncDevice()
{
    invokeRoot("syncDevice", Qt::QueuedConnection);
}

void myQQuickView::showConnection()
{
    invokeRoot("showConnection", Qt::AutoConnection,
               {m_connection.stateName(), m_connection.text(), m_connection.detail()});
}

bool myQQuickView::keyboardReachable()
{
    if (m_device
        && !m_device->devices().value(qsizetype(m_device->currentDevice())).cmdPath.isEmpty())
        return true;
    noticeNotSent();
    return false;
}

void myQQuickView::noticeNotSent()
{
    const bool connected = m_device && m_device->isConnected();
    showNotice(noticeText(connected ? QStringLiteral("notSentNoAnswer")
                                    : QStringLiteral("notSentNotConnected")));
}

void myQQuickView::initUI()
{
    invokeRoot("initUI", Qt::QueuedConnection);
}

void myQQuickView::runUI()
{
    invokeRoot("run", Qt::QueuedConnection);
}

// Called from the device monitor's thread: only the GUI thread touches the scene. The
// reports wait in a queue of their own that the GUI thread empties a slice at a time, so a
// keyboard flooding reports cannot starve the interface; past a limit the oldest go.
void myQQuickView::zzzMorvel(uchar profileNo, uchar effect, uchar brightness, uchar speed)
{
    bool first = false;
    {
        QMutexLocker lock(&m_eventsLock);
        first = m_events.empty();
        m_events.push_back({int(profileNo), int(effect), int(brightness), int(speed)});
        if (m_events.size() > kMaxPendingEvents)
            m_events.pop_front();
    }
    if (first)
        QMetaObject::invokeMethod(
                this, [this] { deliverEvents(); }, Qt::QueuedConnection);
}

// One report at a time: a device command inside QML's handler waits for the link with
// events running, and a second report handled inside the first would be undone by it.
void myQQuickView::deliverEvents()
{
    if (m_delivering)
        return;
    const QScopedValueRollback<bool> delivering(m_delivering, true);
    QElapsedTimer slice;
    slice.start();
    for (;;) {
        QVariantList args;
        {
            QMutexLocker lock(&m_eventsLock);
            if (m_events.empty())
                return;
            if (slice.elapsed() >= kEventSliceMs) {
                QMetaObject::invokeMethod(
                        this, [this] { deliverEvents(); }, Qt::QueuedConnection);
                return;
            }
            args = m_events.front();
            m_events.pop_front();
        }
        invokeRoot("zzzMorvel", Qt::DirectConnection, args);
    }
}

void myQQuickView::focusInEvent(QFocusEvent *event)
{
    QQuickWidget::focusInEvent(event);
    repaint();
    event->accept();
}
