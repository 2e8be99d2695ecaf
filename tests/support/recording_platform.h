// Stand-ins for the sound service and the shell: they record what the program asked for.
#pragma once
#include "ui/shell.h"
#include "ui/sound.h"

#include <string>
#include <vector>

namespace test_support {

class RecordingSound final : public ui::Sound {
public:
    // "play <name>" or "stop", in order.
    std::vector<std::wstring> calls;

    void PlayAsync(const std::wstring& name) override { calls.push_back(L"play " + name); }
    void Stop() override { calls.push_back(L"stop"); }
};

class RecordingShell final : public ui::Shell {
public:
    std::vector<std::wstring> opened;

    void Open(const std::wstring& address) override { opened.push_back(address); }
};

}
