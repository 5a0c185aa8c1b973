#pragma once

#include "ConnectionStatus.h"
#include "DeviceEventSink.h"
#include "FileFailure.h"
#include "NoticeTexts.h"

#include <QList>
#include <QMap>
#include <QMutex>
#include <QQuickWidget>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <deque>
#include <memory>

class Hid_Thread;
class AppConfigStore;
class AppProfileSwitcher;
class FocusWatcher;
class LocalFileGuard;
class ProfileStore;
class SoundCues;
class UserDialogs;

// The view that hosts the QML scene and the one object QML reaches
// everything else through ("ui_View"). Every public slot is callable from
// QML; their order is the method table the scene and the tests rely on, so
// new slots go at the end.
class myQQuickView : public QQuickWidget, public DeviceEventSink
{
    Q_OBJECT
public:
    explicit myQQuickView(QWidget *parent = nullptr);
    ~myQQuickView() override;

    // The window hands over its device link after construction; the bridge
    // also registers itself as the link's event sink.
    void setDevice(Hid_Thread *device);
    Hid_Thread *device() const;

    uchar layoutMode() const;
    ProfileStore &profiles() { return *m_profiles; }
    // As read by the last syncFW: "unknown" until then or without a keyboard.
    QString firmwareVersion() const { return firmwareText(); }

    // Replaces the file dialogs and message boxes (tests script the answers).
    void setDialogs(std::unique_ptr<UserDialogs> dialogs);

    // Opens the settings and profile files and reads the layout mode and the key names, as at
    // construction; called again, it first writes what is pending and then takes the files
    // as they are on disk now.
    void openFiles();

    // Where the application in front comes from; none leaves the switching to D-Bus reports.
    void setFocusWatcher(std::unique_ptr<FocusWatcher> watcher);
    AppProfileSwitcher &appProfiles() { return *m_appProfiles; }

    // Called by the input hooks on the GUI thread; forwarded to QML queued.
    void detectKeyboard(bool isDown, int usbCode);
    void detectMouse(bool isDown, uint button, uint x, uint y);

    // A short notice in the scene that does not stop the user; `text` comes from noticeText.
    void showNotice(const QString &text);
    // Notice `key` of the current language, its %1, %2, ... filled from args.
    QString noticeText(const QString &key, const QStringList &args = {}) const;

    // The keyboard's state as the scene's indicator shows it; the tray follows `changed`.
    ConnectionStatus &connection() { return m_connection; }
    // Firmware version text of the last synchronisation, as ui_80H_GetFWVersion gives it.
    QString firmwareText() const;
    // The keyboard is there again: the scene shows its layout, profile and lighting anew.
    void syncDevice();

public slots:
    void syncFW();
    void initUI();
    void runUI();
    void zzzMorvel(uchar profileNo, uchar effect, uchar brightness, uchar speed) override;
    void setEnableAudio(bool isEnable);
    void playMedia_Index(uchar index);
    void playMedia_Background();
    void clearAllMedia();
    void saveApConfig(QVariantList apConfigs);
    QVariantList loadApConfig();
    void resetApconfig();
    QVariantList loadHWDef();
    QVariantList loadLangName(uchar lang);
    QVariantList loadUsbStr();
    QVariantList loadUsbCode();
    bool getIsSkinShow();
    void loadProfile(int profile);
    void saveProfile(int profile);
    void resetProfile(int profile);
    void loadMacroIniFromFile(QVariant name);
    void saveMacroIniToFile(QVariant name);
    void renameMacroIniFile(QVariant oldName, QVariant newName);
    QString getCustomFilePath();
    QVariantMap chkLanguages();
    QStringList getGlobalStrings(QString langCode);
    QVariant createMacroIni();
    QVariant deleteMacroIni(QVariant name);
    QStringList getMacroIniNames();
    QVariant saveMacroIni(QVariant name, QStringList macros);
    QStringList loadMacroIni(QVariant name);
    QVariantList loadMacroIniConfig(QVariant name);
    void setMacroIniConfig(QVariant name, QVariantList config);
    QVariantList getKeydefine(QVariant matrixId);
    QList<uchar> macroIncode(QStringList macros);
    void ui_01H_SetReportRate(uchar rate);
    void ui_02H_SetKeyboardMode(uchar mode);
    void ui_04H_SetButtonSensitivity(uchar sens1);
    void ui_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction, uchar color,
                           uchar type_Side);
    void ui_0C0DH_SetKeyMatrix(QVariantList src256);
    void ui_10H_SetMacroKey(QVariant macroId, QVariant name);
    void ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src384);
    void ui_13H_SetRecoveryData();
    void ui_21H_SetCurrentProfile(int profile);
    void ui_30H_SetColor(QVariantList src21);
    QString ui_80H_GetFWVersion();
    QVariant ui_80H_GetHWMode();
    QVariant ui_81H_GetReportRate();
    QVariant ui_82H_GetKeyboardMode();
    QVariant ui_84H_GetButtonSensitivity();
    QVariantList ui_88H_GetLEDType();
    QVariantList ui_88H_GetLEDTypeX();
    QVariantList ui_8C8DH_GetKeyMatrix();
    QVariantList ui_92H_GetUserPicture(uchar index);
    QVariant ui_A1H_GetCurrentProfile();
    QVariantList ui_B0H_GetColor();
    // The named texts of one group of a language file ([confirm], ...): name -> text.
    QVariantMap getLanguageGroup(QString langCode, QString group);
    QVariantMap loadAppProfiles();
    void saveAppProfiles(QVariantMap rules);
    QStringList getOpenApplications();
    bool getAppProfilesAutomatic();
    void setAppProfilesHeld(bool held);
    bool getAutostart();
    // Starts the program with the desktop session, hidden to the tray, or stops that.
    void setAutostart(bool enabled);

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    void deliverEvents();
    void rebuildKeyNames();
    void invokeRoot(const char *function, Qt::ConnectionType type, const QVariantList &args = {});
    // Tells the user of a failure: notice `what` filled with args, then the reason. True when
    // there was none.
    bool reportFailure(FileFailure failure, const QString &what, QStringList args);
    // False, with a notice, when the keyboard is not there to take a command.
    bool keyboardReachable();
    void noticeNotSent();
    void showConnection();
    int currentDeviceId() const;

    Hid_Thread *m_device = nullptr;
    std::unique_ptr<LocalFileGuard> m_fileGuard;
    std::unique_ptr<UserDialogs> m_dialogs;
    std::unique_ptr<SoundCues> m_sound;
    std::unique_ptr<AppConfigStore> m_apConfig;
    std::unique_ptr<ProfileStore> m_profiles;
    std::unique_ptr<AppProfileSwitcher> m_appProfiles;
    std::unique_ptr<FocusWatcher> m_focusWatcher;
    QStringList m_messages;
    NoticeTexts m_notices;
    ConnectionStatus m_connection;
    quint16 m_firmware = 0;
    uchar m_layoutMode = 0;
    QMap<QString, uchar> m_keyNames;
    // Event reports from the monitor's thread, waiting for the GUI thread.
    QMutex m_eventsLock;
    std::deque<QVariantList> m_events;
    bool m_delivering = false;
};
