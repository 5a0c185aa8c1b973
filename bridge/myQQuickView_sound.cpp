// Sound cue slots.
#include "myQQuickView.h"

#include "SoundCues.h"

void myQQuickView::setEnableAudio(bool isEnable)
{
    m_sound->setEnabled(isEnable);
}

void myQQuickView::playMedia_Index(uchar index)
{
    m_sound->play(index);
}

void myQQuickView::playMedia_Background()
{
    m_sound->playBackground();
}

void myQQuickView::clearAllMedia()
{
    m_sound->clearAll();
}
