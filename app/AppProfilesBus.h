#pragma once

#include <QDBusAbstractAdaptor>
#include <QString>
#include <QVariantMap>

class KeyboardBusObject;
class myQQuickView;

// The profiles that follow the application in front, on the bus beside the keyboard: where
// the program cannot watch the desktop itself, a KWin script, a shell extension or any
// script reports the application in front here. Profiles are numbered 1..4 on the bus.
class AppProfilesBusAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.k3config.AppProfiles")
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(QString ActiveApplication READ activeApplication)
public:
    static inline const QString kInterface = QStringLiteral("org.k3config.AppProfiles");
    static inline const QString kReportMethod = QStringLiteral("ReportActiveApplication");

    AppProfilesBusAdaptor(KeyboardBusObject *parent, myQQuickView &view);

    bool enabled() const;
    void setEnabled(bool enabled);
    QString activeApplication() const;

public slots:
    // An empty name stands for no window, or one of this program's own.
    void ReportActiveApplication(const QString &application);
    // Application -> profile.
    QVariantMap Rules();
    // Profile 0 removes the application's rule.
    void SetRule(const QString &application, int profile);

private:
    KeyboardBusObject *m_object;
    myQQuickView &m_view;
};
