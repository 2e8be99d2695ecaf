// The one way the program rewrites a file: the new contents go to a temporary file beside it, are
// flushed to the disk, and take the file's place in one rename, so that whatever happens (an error,
// a kill, a power cut) the file is the old one or the new one, whole, never a part of either.
//
// The swap is MoveFileEx with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH: one rename, for a
// new file and an existing one alike, that returns only once it is on the disk. ReplaceFile is not
// used: it may fail half-way with the old file moved aside and the new one not yet in its place
// (ERROR_UNABLE_TO_MOVE_REPLACEMENT_2), has no write-through, and refuses a file that is not there yet.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace base {

// The steps of a write, in order. A probe sees each one as soon as it is done: tests fail or end
// the process there.
enum class WriteStep {
    TemporaryCreated,
    TemporaryWritten,
    TemporaryFlushed,
    TemporaryClosed,
    Replaced,       // the file is the new one from here on
    FolderFlushed,  // and its folder's entry is on the disk, where the platform lets it be flushed
};
using WriteProbe = std::function<void(WriteStep)>;

// Why a write failed: the system's error code of the step that failed. The file is then as it was
// and the temporary is gone.
struct WriteFailure {
    WriteStep step;  // the step that was not reached
    unsigned long code;
};

// Writes `bytes` as the whole of the file at `path`. nullopt when the file holds them.
[[nodiscard]] std::optional<WriteFailure> WriteFileAtomically(const std::wstring& path, std::string_view bytes,
                                                              const WriteProbe& probe = {});

// The same for a file that another library writes whole (a database): `make` writes the temporary
// file at the path it is given, which does not exist when it is called; an exception from `make`
// removes whatever it wrote there and goes on to the caller. Its steps are TemporaryWritten (make
// returned) and on as above.
[[nodiscard]] std::optional<WriteFailure> MakeFileAtomically(const std::wstring& path,
                                                             const std::function<void(const std::wstring& temporary)>& make,
                                                             const WriteProbe& probe = {});

// The temporary file a write of `path` uses in the process `process`: "<path>.<process>.tmp". Named
// after the process, so two copies of the program writing one file never share one. A copy killed
// in the middle of its write leaves its temporary; the next write of the same file by any copy
// removes the temporaries of copies that have ended.
std::wstring TemporaryOf(const std::wstring& path, unsigned long process);

}
