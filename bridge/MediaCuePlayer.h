#pragma once

#include "SoundCues.h"

#include <QAudioOutput>
#include <QMediaPlayer>

#include <memory>

// A cue player on Qt Multimedia. A missing or unplayable file stays silent.
// The media pipeline is built when the cue first plays, so a program with
// sound switched off never opens the audio system.
class MediaCuePlayer : public CuePlayer
{
public:
    MediaCuePlayer();
    ~MediaCuePlayer() override;

    void setSource(const QUrl &source) override;
    void play() override;
    void clear() override;

private:
    QMediaPlayer &player();
    void onStatus(QMediaPlayer::MediaStatus status);
    // Brings the player to what was asked for, unless it is still preparing a source.
    void sync();

    std::unique_ptr<QAudioOutput> m_output; // outlives the player that plays into it
    std::unique_ptr<QMediaPlayer> m_player;
    // What was asked for; the player follows as soon as it may.
    QUrl m_source;
    bool m_playing = false;
    bool m_restart = false;
    bool m_syncing = false;
};
