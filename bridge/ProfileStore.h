#pragma once

#include <QSettings>
#include <QString>

#include <array>
#include <functional>
#include <memory>

// The four profile files p1.bin .. p4.bin, one per on-device profile, and
// which of them is current.
class ProfileStore
{
public:
    static constexpr int kCount = 4;

    explicit ProfileStore(const QString &folder = QStringLiteral("./modules/setting"));
    ~ProfileStore();

    static bool isValid(int profile) { return profile >= 0 && profile < kCount; }

    uchar currentIndex() const { return m_current; }
    // Profile numbers outside 0..3 are ignored.
    void setCurrentIndex(int profile);
    // Told of every change of the current profile, whoever made it.
    void setCurrentObserver(std::function<void(int)> observer) { m_observer = std::move(observer); }
    QSettings &current() { return *m_settings[m_current]; }
    QSettings &at(int profile) { return *m_settings[profile]; }

    // Replaces profile file `profile` with a copy of source (import); the old
    // content stays when the copy fails. Returns whether it was replaced.
    bool replace(int profile, const QString &source);
    bool resetToDefault(int profile);
    // Writes a copy of profile file `profile` to target (export).
    bool exportTo(int profile, const QString &target);

private:
    // Opens the file of `profile`; changes are written once a burst of them is over.
    void open(int profile);
    QString filePath(int profile) const;

    QString m_folder;
    std::array<std::unique_ptr<QSettings>, kCount> m_settings;
    uchar m_current = 0;
    std::function<void(int)> m_observer;
};
