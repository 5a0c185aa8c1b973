#include "X11FocusWatcher.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdlib>

namespace {

// A class name is short; a longer property is cut here, never read whole.
constexpr uint32_t kClassWords = 64;
constexpr uint32_t kMaxClients = 1024;

template<typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template<typename Reply>
ReplyPtr<Reply> owned(Reply *reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const auto reply = owned(xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// WM_CLASS holds "instance\0class\0"; the class names the application.
QString applicationClass(const xcb_get_property_reply_t *reply)
{
    if (!reply || reply->format != 8)
        return QString();
    const QList<QByteArray> parts = QByteArray(static_cast<const char *>(
                                                       xcb_get_property_value(reply)),
                                               xcb_get_property_value_length(reply))
                                            .split('\0');
    const QByteArray name = parts.value(1).isEmpty() ? parts.value(0) : parts.value(1);
    return QString::fromLocal8Bit(name).trimmed();
}

bool isOwnWindow(const xcb_get_property_reply_t *reply)
{
    return reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4
           && *static_cast<const uint32_t *>(xcb_get_property_value(reply))
                      == QCoreApplication::applicationPid();
}

} // namespace

std::unique_ptr<X11FocusWatcher> X11FocusWatcher::open(const QByteArray &display)
{
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(display.isEmpty() ? nullptr : display.constData(),
                                               &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screen.rem > 1; ++i)
        xcb_screen_next(&screen);
    const Atoms atoms{internAtom(connection, "_NET_ACTIVE_WINDOW"),
                      internAtom(connection, "_NET_CLIENT_LIST"),
                      internAtom(connection, "_NET_WM_PID")};
    return std::unique_ptr<X11FocusWatcher>(
            new X11FocusWatcher(connection, screen.data->root, atoms));
}

X11FocusWatcher::X11FocusWatcher(xcb_connection_t *connection, xcb_window_t root, const Atoms &atoms)
    : m_connection(connection)
    , m_root(root)
    , m_atoms(atoms)
    , m_notifier(std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection),
                                                   QSocketNotifier::Read))
{
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &X11FocusWatcher::readEvents);
    // Reported once the receivers are connected.
    QMetaObject::invokeMethod(this, &X11FocusWatcher::reportActive, Qt::QueuedConnection);
}

X11FocusWatcher::~X11FocusWatcher()
{
    m_notifier.reset();
    xcb_disconnect(m_connection);
}

// Replies read while reporting may queue further events on the connection: they are taken
// before returning, as the socket will not signal them again.
void X11FocusWatcher::readEvents()
{
    for (;;) {
        bool activeChanged = false;
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY
                && reinterpret_cast<xcb_property_notify_event_t *>(event)->atom
                           == m_atoms.activeWindow)
                activeChanged = true;
            std::free(event);
        }
        if (xcb_connection_has_error(m_connection)) {
            m_notifier->setEnabled(false);
            return;
        }
        if (!activeChanged)
            return;
        reportActive();
    }
}

void X11FocusWatcher::reportActive()
{
    const QString application = applicationsOf(windows(m_atoms.activeWindow, 1)).value(0);
    if (application == m_active)
        return;
    m_active = application;
    emit applicationFocused(application);
}

QList<xcb_window_t> X11FocusWatcher::windows(xcb_atom_t property, uint32_t maxCount) const
{
    const auto reply = owned(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, m_root, property, XCB_ATOM_WINDOW, 0, maxCount),
            nullptr));
    QList<xcb_window_t> result;
    if (!reply || reply->format != 32)
        return result;
    const auto *ids = static_cast<const xcb_window_t *>(xcb_get_property_value(reply.get()));
    for (int i = 0; i < xcb_get_property_value_length(reply.get()) / 4; ++i) {
        if (ids[i] != XCB_WINDOW_NONE)
            result.append(ids[i]);
    }
    return result;
}

QStringList X11FocusWatcher::applicationsOf(const QList<xcb_window_t> &windows) const
{
    // All requests go out before the first reply is awaited: one round trip in all.
    QList<std::pair<xcb_get_property_cookie_t, xcb_get_property_cookie_t>> cookies;
    for (const xcb_window_t window : windows)
        cookies.append({xcb_get_property(m_connection, 0, window, XCB_ATOM_WM_CLASS,
                                         XCB_ATOM_STRING, 0, kClassWords),
                        xcb_get_property(m_connection, 0, window, m_atoms.windowPid,
                                         XCB_ATOM_CARDINAL, 0, 1)});
    QStringList applications;
    for (const auto &[classCookie, pidCookie] : cookies) {
        const auto wmClass = owned(xcb_get_property_reply(m_connection, classCookie, nullptr));
        const auto pid = owned(xcb_get_property_reply(m_connection, pidCookie, nullptr));
        applications.append(isOwnWindow(pid.get()) ? QString() : applicationClass(wmClass.get()));
    }
    return applications;
}

QStringList X11FocusWatcher::openApplications() const
{
    QStringList applications;
    for (const QString &application : applicationsOf(windows(m_atoms.clientList, kMaxClients))) {
        if (!application.isEmpty() && !applications.contains(application, Qt::CaseInsensitive))
            applications.append(application);
    }
    applications.sort(Qt::CaseInsensitive);
    return applications;
}
