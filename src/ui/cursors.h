// The screen's table of cursors: custom cursors from resources, registered by number.
#pragma once
#include <windows.h>

#include <map>

namespace ui {

class Cursors {
public:
    // Loads the named cursor resource of the executable; an error names it when it is missing.
    void Register(int number, const wchar_t* resourceName);
    HCURSOR Get(int number) const;

private:
    std::map<int, HCURSOR> cursors_;
};

}
