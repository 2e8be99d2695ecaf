// The one atomic file write: the file is the old one or the new one, whole, whatever fails and
// wherever the process is killed, and no temporary is left behind for long.
#include "base/atomic_file.h"
#include "support/processes.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using base::WriteStep;

constexpr int kStepCount = static_cast<int>(WriteStep::FolderFlushed) + 1;
const std::string kOld = "the old contents, whole\r\n";

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// New contents of a size that takes a while to write, each byte telling where it stands.
std::string NewContents(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    return bytes;
}

// Everything in the folder besides the target.
std::vector<std::wstring> Leftovers(const std::filesystem::path& folder, const std::wstring& target)
{
    std::vector<std::wstring> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename() != target)
            found.push_back(entry.path().filename().wstring());
    }
    return found;
}

class AtomicFileTest : public ::testing::Test {
protected:
    std::wstring Target() const { return (folder.Path() / L"файл.dat").wstring(); }

    test_support::ScratchFolder folder;
};

TEST_F(AtomicFileTest, WritesANewFileOrReplacesOneWholeAndLeavesNothingBeside)
{
    for (const std::string& bytes : {std::string("first"), std::string(), NewContents(3 << 20), std::string("last")}) {
        EXPECT_EQ(base::WriteFileAtomically(Target(), bytes), std::nullopt);
        EXPECT_EQ(ReadBytes(Target()), bytes);
        EXPECT_EQ(Leftovers(folder.Path(), L"файл.dat"), std::vector<std::wstring>{});
    }
}

struct Stopped {
    WriteStep step;
};

TEST_F(AtomicFileTest, AWriteStoppedAtAnyStepBeforeTheSwapLeavesTheOldFileAndNoTemporary)
{
    for (int step = 0; step < static_cast<int>(WriteStep::Replaced); ++step) {
        SCOPED_TRACE(step);
        WriteBytes(Target(), kOld);
        const auto stop = [step](WriteStep reached) {
            if (static_cast<int>(reached) == step)
                throw Stopped{reached};
        };
        EXPECT_THROW(static_cast<void>(base::WriteFileAtomically(Target(), "new", stop)), Stopped);
        EXPECT_EQ(ReadBytes(Target()), kOld);
        EXPECT_EQ(Leftovers(folder.Path(), L"файл.dat"), std::vector<std::wstring>{});
        // Made by another library, the same; such a write has no step of its own before the temporary is written.
        if (step == static_cast<int>(WriteStep::TemporaryCreated))
            continue;
        const auto make = [](const std::wstring& temporary) { WriteBytes(temporary, "new"); };
        EXPECT_THROW(static_cast<void>(base::MakeFileAtomically(Target(), make, stop)), Stopped);
        EXPECT_EQ(ReadBytes(Target()), kOld);
        EXPECT_EQ(Leftovers(folder.Path(), L"файл.dat"), std::vector<std::wstring>{});
    }
}

TEST_F(AtomicFileTest, ARefusedWriteSaysWhyAndLeavesTheOldFileAndNoTemporary)
{
    WriteBytes(Target(), kOld);
    // Another program holds the file open and does not let it be replaced.
    const HANDLE held = CreateFileW(Target().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto refused = base::WriteFileAtomically(Target(), "new");
    CloseHandle(held);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->step, WriteStep::Replaced);
    EXPECT_NE(refused->code, 0u);
    EXPECT_EQ(ReadBytes(Target()), kOld);
    EXPECT_EQ(Leftovers(folder.Path(), L"файл.dat"), std::vector<std::wstring>{});

    const auto missing = base::WriteFileAtomically((folder.Path() / L"няма" / L"файл.dat").wstring(), "new");
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->step, WriteStep::TemporaryCreated);
    EXPECT_EQ(missing->code, static_cast<unsigned long>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / L"няма"));
}

TEST_F(AtomicFileTest, AFileMadeByAnotherLibraryIsPutInPlaceOnlyWhenMadeWhole)
{
    WriteBytes(Target(), kOld);
    // It fails half-way, after writing a part and a journal beside it: both go.
    const auto failing = [](const std::wstring& temporary) {
        WriteBytes(temporary, "half");
        WriteBytes(temporary + L"-journal", "journal");
        throw std::runtime_error("the library failed");
    };
    EXPECT_THROW(static_cast<void>(base::MakeFileAtomically(Target(), failing)), std::runtime_error);
    EXPECT_EQ(ReadBytes(Target()), kOld);
    EXPECT_EQ(Leftovers(folder.Path(), L"файл.dat"), std::vector<std::wstring>{});

    // It makes nothing at all: told, not taken for done.
    const auto nothing = base::MakeFileAtomically(Target(), [](const std::wstring&) {});
    ASSERT_TRUE(nothing.has_value());
    EXPECT_EQ(nothing->step, WriteStep::TemporaryWritten);
    EXPECT_EQ(ReadBytes(Target()), kOld);

    EXPECT_EQ(base::MakeFileAtomically(Target(), [](const std::wstring& temporary) { WriteBytes(temporary, "made"); }),
              std::nullopt);
    EXPECT_EQ(ReadBytes(Target()), "made");
    EXPECT_EQ(Leftovers(folder.Path(), L"файл.dat"), std::vector<std::wstring>{});
}

TEST_F(AtomicFileTest, TheTemporaryOfACopyStillRunningIsLeftAloneAndOnlyThisFilesAreTaken)
{
    // Any other running process stands for a copy of the program in the middle of its write; a
    // number no process has stands for an ended one.
    const DWORD other = test_support::AnotherRunningProcess();
    ASSERT_NE(other, 0u);
    const std::wstring running = base::TemporaryOf(Target(), other);
    WriteBytes(running, "half");
    const std::wstring otherFile = (folder.Path() / L"друг.dat.99999.tmp").wstring();
    WriteBytes(otherFile, "someone else's");
    const std::wstring ended = base::TemporaryOf(Target(), 0xFFFFFFF0u);
    WriteBytes(ended, "half");
    WriteBytes(ended + L"-journal", "journal");
    ASSERT_EQ(base::WriteFileAtomically(Target(), "new"), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(ended));
    EXPECT_FALSE(std::filesystem::exists(ended + L"-journal"));
    EXPECT_EQ(ReadBytes(otherFile), "someone else's");
    EXPECT_EQ(ReadBytes(running), "half");
}

constexpr wchar_t kStepVariable[] = L"VELMORA_TEST_KILL_STEP";
constexpr wchar_t kFileVariable[] = L"VELMORA_TEST_KILL_FILE";
constexpr wchar_t kMadeVariable[] = L"VELMORA_TEST_KILL_MADE";
constexpr DWORD kKilled = 77;
constexpr std::size_t kNewSize = 4 << 20;

std::wstring Variable(const wchar_t* name)
{
    wchar_t value[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, static_cast<DWORD>(std::size(value)));
    return std::wstring(value, length < std::size(value) ? length : 0);
}

// Runs only in the child processes of the tests below: it writes the file named by the parent,
// over and over, ending the process at the step the parent names (as a kill or a power cut would),
// or writing until the parent kills it.
TEST(AtomicFileChild, DISABLED_WritesUntilKilled)
{
    const std::wstring target = Variable(kFileVariable);
    ASSERT_FALSE(target.empty());
    const int step = std::stoi(Variable(kStepVariable));
    const bool made = Variable(kMadeVariable) == L"1";
    const auto probe = [step](WriteStep reached) {
        if (static_cast<int>(reached) == step)
            TerminateProcess(GetCurrentProcess(), kKilled);
    };
    const std::string bytes = NewContents(kNewSize);
    for (;;) {
        if (made)
            static_cast<void>(base::MakeFileAtomically(target, [&](const std::wstring& temporary) { WriteBytes(temporary, bytes); },
                                                       probe));
        else
            static_cast<void>(base::WriteFileAtomically(target, bytes, probe));
    }
}

// Starts the child writing `target` and ends it at `step`, or after `killAfter` milliseconds when
// `step` is -1 (with exit code 1). Returns its exit code.
DWORD RunChild(int step, bool made, const std::wstring& target, DWORD killAfter = INFINITE)
{
    SetEnvironmentVariableW(kStepVariable, std::to_wstring(step).c_str());
    SetEnvironmentVariableW(kFileVariable, target.c_str());
    SetEnvironmentVariableW(kMadeVariable, made ? L"1" : L"0");
    const DWORD exitCode = test_support::RunThisProgramOn(L"AtomicFileChild.WritesUntilKilled", killAfter);
    for (const wchar_t* name : {kStepVariable, kFileVariable, kMadeVariable})
        SetEnvironmentVariableW(name, nullptr);
    return exitCode;
}

TEST_F(AtomicFileTest, AProcessKilledAtAnyStepLeavesTheOldFileOrTheNewOneWhole)
{
    const std::string written = NewContents(kNewSize);
    for (const bool made : {false, true}) {
        for (int step = made ? 1 : 0; step < kStepCount; ++step) {
            SCOPED_TRACE(::testing::Message() << (made ? "made" : "written") << ", step " << step);
            WriteBytes(Target(), kOld);
            ASSERT_EQ(RunChild(step, made, Target()), kKilled) << "the child was not ended at the step";
            EXPECT_EQ(ReadBytes(Target()) == kOld ? "old" : ReadBytes(Target()) == written ? "new" : "neither",
                      step < static_cast<int>(WriteStep::Replaced) ? std::string("old") : std::string("new"));
        }
    }
    ASSERT_FALSE(Leftovers(folder.Path(), L"файл.dat").empty()) << "no killed write left its temporary";
    // The next whole write takes away what the ended processes left.
    ASSERT_EQ(base::WriteFileAtomically(Target(), "next"), std::nullopt);
    EXPECT_EQ(Leftovers(folder.Path(), L"файл.dat"), std::vector<std::wstring>{});
}

TEST_F(AtomicFileTest, AProcessKilledAtRandomMomentsNeverLeavesAPartOfAFile)
{
    const std::string written = NewContents(kNewSize);
    std::mt19937 random(20261212);
    int sawNew = 0;
    for (int kill = 0; kill < 12; ++kill) {
        SCOPED_TRACE(kill);
        WriteBytes(Target(), kOld);
        RunChild(-1, kill % 2 == 1, Target(), 150 + random() % 600);
        const std::string now = ReadBytes(Target());
        ASSERT_TRUE(now == kOld || now == written) << "a file of " << now.size() << " bytes, neither the old nor the new";
        sawNew += now == written;
    }
    std::printf("kills that found the new file: %d of 12\n", sawNew);
}

}  // namespace
