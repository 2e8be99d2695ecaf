// A fresh temporary folder that is the current folder while a test runs, and SQLite files made in it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace test_support {

// Creates a new empty folder (with a Cyrillic name, as users' folders have), makes it current, and on
// destruction restores the previous current folder and removes it with everything in it.
class ScratchFolder {
public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    const std::filesystem::path& Path() const noexcept { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// Creates the SQLite file `file` (relative to the current folder) and runs `sql` (UTF-8) in it.
void MakeDatabase(const std::wstring& file, std::string_view sql);

// Runs `sql` on an existing SQLite file through a connection of its own, as another program would.
void RunSql(const std::wstring& file, std::string_view sql);

// A connection string for `file` as the program's windows write them.
std::wstring JetConnectionString(std::wstring_view file);

}  // namespace test_support
