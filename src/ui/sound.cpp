// The real sound service: PlaySound.
#include "ui/sound.h"

#include <windows.h>
#include <mmsystem.h>

namespace ui {

void Win32Sound::PlayAsync(const std::wstring& name)
{
    PlaySoundW(name.c_str(), nullptr, SND_ASYNC);
}

void Win32Sound::Stop()
{
    PlaySoundW(nullptr, nullptr, 0);
}

Sound& SystemSound()
{
    static Win32Sound sound;
    return sound;
}

}
