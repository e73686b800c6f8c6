#pragma once
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pultara::filestore {

enum class ReadStatus { Read, Missing, Failed };

struct FileContents {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
};

// Reads `file` without ever blocking: anything but a regular file (a
// folder, a FIFO, a device) is Failed; a file that is not there is Missing.
FileContents ReadWholeFile(const std::filesystem::path& file);

// `file`, or when it is a symbolic link, the file the link leads to (through
// further links), so that a save updates the target and keeps the link.
std::filesystem::path FileBehindLinks(const std::filesystem::path& file);

// Replaces `file` with `bytes` so that a crash at any moment leaves either
// the old or the new file: the bytes go to a temporary file in the same
// folder (owner-only permissions), are flushed to the disk and renamed over
// `file`. A symbolic link is written through: its target is replaced that
// way and the link stays. Missing folders are created. Returns false when
// that failed; the old file is then untouched.
bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Whether `file` (behind its links) is there but may not be written: its
// owner lacks the write permission (the user made it read-only), or the
// system refuses writing. Such a file is left as it is.
bool IsReadOnlyFile(const std::filesystem::path& file);

// Removes the temporary files beside `file` ("settings.reg.tmp-...") that a
// save cut short by a crash or a power cut left behind. Only files older than
// `age` go, so that a save another instance is making is never disturbed.
void RemoveLeftoverTemporaryFiles(const std::filesystem::path& file,
                                  std::chrono::seconds age = std::chrono::minutes(10));

// A name beside `file` for keeping a damaged copy, saying so and when:
// "settings-damaged-2026-12-08-153000.reg"; a number is added when that
// name is taken.
std::filesystem::path DamagedCopyName(const std::filesystem::path& file);

// The per-user settings file: $XDG_CONFIG_HOME/pultara/settings.reg, by
// default ~/.config/pultara/settings.reg (%APPDATA%\pultara on Windows).
std::filesystem::path DefaultSettingsFile();

}  // namespace pultara::filestore
