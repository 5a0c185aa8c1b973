#pragma once

#include <QUrl>

#include <array>
#include <functional>
#include <memory>

// One player of the sound cues; tests substitute a recording fake.
class CuePlayer
{
public:
    virtual ~CuePlayer() = default;
    // Replaces what the player plays (from the start when it is the same file).
    virtual void setSource(const QUrl &source) = 0;
    virtual void play() = 0;
    // Stops and forgets the source; a cleared player reports no end.
    virtual void clear() = 0;
    // Loads a source ahead of its first play where the player can, so that playing it later
    // costs no set-up; plays nothing.
    virtual void prepare(const QUrl &source) { Q_UNUSED(source); }

    // Called when the player reaches the end of its source.
    void setFinishedHandler(std::function<void()> handler) { m_finished = std::move(handler); }

protected:
    void finished()
    {
        if (m_finished)
            m_finished();
    }

private:
    std::function<void()> m_finished;
};

// Five cues on five independent players; cue 0 is the looping background track.
class SoundCues
{
public:
    static constexpr int kCount = 5;
    using Players = std::array<std::unique_ptr<CuePlayer>, kCount>;

    // Sound files are resolved against the working directory at play time.
    explicit SoundCues(Players players, const QString &folder = QStringLiteral("./modules/media"));

    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // Cue 0 starts the background track; 1..4 restart their own cue; others do nothing.
    void play(uint index);
    // (Re)starts the background track, whether sound is enabled or not.
    void playBackground();
    void clearAll();
    // Loads the short cues ahead of their first play; while sound is off, waits until it is
    // switched on.
    void prepare();

private:
    QUrl cueUrl(int index) const;
    void prepareNow();

    Players m_players;
    QString m_folder;
    bool m_enabled = true;
    bool m_prepareWhenEnabled = false;
    bool m_prepared = false;
};
