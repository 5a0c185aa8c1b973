#pragma once

#include "SoundCues.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

// Whether this process has a sound output to play on (a sound server or an audio device). Asked
// once, the first time a cue player needs it; without one the console says so in one line and every
// cue player stays silent without ever building a media pipeline.
bool soundOutputAvailable();

// The players of the program's cues: the looping background track is compressed and needs a media
// player; the short cues are plain samples played from memory.
SoundCues::Players cuePlayers();

// The looping background track, a compressed file, on Qt Multimedia's media player.
// A missing or unplayable file stays silent.
class MediaCuePlayer : public CuePlayer
{
public:
    MediaCuePlayer();
    ~MediaCuePlayer() override;

    void setSource(const QUrl &source) override;
    void play() override;
    void clear() override;
    void prepare(const QUrl &source) override;

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

// A short uncompressed cue on Qt's sound effect: the file is decoded once into memory and each play
// starts that sample on an audio stream, with no decoding pipeline. A missing or unplayable file
// stays silent.
class SoundEffectCuePlayer : public CuePlayer
{
public:
    SoundEffectCuePlayer();
    ~SoundEffectCuePlayer() override;

    void setSource(const QUrl &source) override;
    void play() override;
    void clear() override;
    void prepare(const QUrl &source) override;

private:
    // Null without a sound output.
    QSoundEffect *effect();
    std::unique_ptr<QSoundEffect> newEffect();
    void onPlayingChanged();

    std::unique_ptr<QSoundEffect> m_effect;
    // A play asked for and neither cleared nor ended: its end is reported.
    bool m_active = false;
};
