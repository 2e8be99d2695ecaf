// The platform's sound service, behind an interface tests replace.
#pragma once
#include <string>

namespace ui {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts the named sound and returns at once; the name is looked up as a sound alias first,
    // then as a file, and the system's default sound plays when neither is found.
    virtual void PlayAsync(const std::wstring& name) = 0;
    // Stops whatever sound the program is playing.
    virtual void Stop() = 0;
};

class Win32Sound final : public Sound {
public:
    void PlayAsync(const std::wstring& name) override;
    void Stop() override;
};

// The program's real sound service.
Sound& SystemSound();

}
