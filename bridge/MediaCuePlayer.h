#pragma once

#include "SoundCues.h"

#include <QAudioOutput>
#include <QMediaPlayer>

// A cue player on Qt Multimedia. A missing or unplayable file stays silent.
class MediaCuePlayer : public CuePlayer
{
public:
    MediaCuePlayer();

    void setSource(const QUrl &source) override;
    void play() override;
    void clear() override;

private:
    QAudioOutput m_output; // outlives the player that plays into it
    QMediaPlayer m_player;
};
