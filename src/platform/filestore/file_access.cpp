#include "platform/filestore/file_access.h"

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace pultara::filestore {

namespace fs = std::filesystem;

#ifdef _WIN32

FileContents ReadWholeFile(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) {
        return {ReadStatus::Missing, {}};
    }
    if (error || status.type() != fs::file_type::regular) {
        return {ReadStatus::Failed, {}};  // a folder or a device is no settings file
    }
    try {
        std::ifstream in(file, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.is_open() || (!in.good() && !in.eof())) {
            return {ReadStatus::Failed, {}};
        }
        return {ReadStatus::Read, std::move(bytes)};
    } catch (const std::exception&) {
        return {ReadStatus::Failed, {}};
    }
}

#else

// Opened without blocking and read only when it is a regular file: a folder
// fails, and a FIFO of that name would otherwise block until a writer comes.
FileContents ReadWholeFile(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return {missing ? ReadStatus::Missing : ReadStatus::Failed, {}};
    }
    FileContents contents{ReadStatus::Failed, {}};
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                contents.status = n == 0 ? ReadStatus::Read : ReadStatus::Failed;
                break;
            }
            contents.bytes.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (contents.status == ReadStatus::Failed) {
        contents.bytes.clear();
    }
    return contents;
}

#endif

fs::path FileBehindLinks(const fs::path& file) {
    fs::path target = file;
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(target, error); ++hops) {
        const fs::path next = fs::read_symlink(target, error);
        if (error) {
            break;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

namespace {

// Creates the folder of `file`; a folder made here is for the owner only.
bool MakeFolder(const fs::path& folder) {
    std::error_code error;
    if (folder.empty() || fs::is_directory(folder, error)) {
        return true;
    }
    if (!fs::create_directories(folder, error) || error) {
        return false;
    }
    fs::permissions(folder, fs::perms::owner_all, error);
    return true;
}

#ifdef _WIN32

bool WriteAndRename(const fs::path& file, std::string_view bytes) {
    fs::path temporary = file;
    temporary += L".tmp-" + std::to_wstring(GetCurrentProcessId());
    HANDLE handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    bool ok =
        WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && FlushFileBuffers(handle);
    ok = CloseHandle(handle) && ok;
    ok = ok && MoveFileExW(temporary.c_str(), file.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DeleteFileW(temporary.c_str());
    }
    return ok;
}

#else

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Makes the rename itself survive a power cut.
void SyncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool WriteAndRename(const fs::path& file, std::string_view bytes) {
    std::string pattern = file.string() + ".tmp-XXXXXX";
    int fd = ::mkstemp(pattern.data());  // created with mode 0600
    if (fd < 0) {
        return false;
    }
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(pattern.c_str(), file.c_str()) == 0;
    if (!ok) {
        ::unlink(pattern.c_str());
        return false;
    }
    SyncFolder(file.parent_path());
    return true;
}

#endif

std::tm LocalTime(std::time_t now) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

std::string HomeFolder() {
#ifdef _WIN32
    const char* appData = std::getenv("APPDATA");
    return appData != nullptr ? appData : ".";
#else
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return home;
    }
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : ".";
#endif
}

}  // namespace

bool ReplaceFileAtomically(const fs::path& file, std::string_view bytes) {
    const fs::path target = FileBehindLinks(file);
    return MakeFolder(target.parent_path()) && WriteAndRename(target, bytes);
}

bool IsReadOnlyFile(const fs::path& link) {
    const fs::path file = FileBehindLinks(link);
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (error || status.type() != fs::file_type::regular) {
        return false;
    }
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return true;
    }
#ifdef _WIN32
    return false;
#else
    return ::access(file.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
#endif
}

void RemoveLeftoverTemporaryFiles(const fs::path& link, std::chrono::seconds age) {
    const fs::path file = FileBehindLinks(link);
    const std::string prefix = file.filename().string() + ".tmp-";
    const auto cutoff = fs::file_time_type::clock::now() - age;
    std::error_code error;
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        std::error_code entryError;
        if (name.rfind(prefix, 0) == 0 && entry->is_regular_file(entryError) &&
            entry->last_write_time(entryError) < cutoff && !entryError) {
            fs::remove(entry->path(), entryError);
        }
    }
}

fs::path DamagedCopyName(const fs::path& file) {
    std::tm local = LocalTime(std::time(nullptr));
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
    std::string base = file.stem().string() + "-damaged-" + stamp;
    fs::path candidate = file.parent_path() / (base + file.extension().string());
    std::error_code error;
    for (int n = 2; fs::exists(candidate, error); ++n) {
        candidate =
            file.parent_path() / (base + "-" + std::to_string(n) + file.extension().string());
    }
    return candidate;
}

fs::path DefaultSettingsFile() {
#ifndef _WIN32
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // Relative values are to be ignored.
    if (config != nullptr && fs::path(config).is_absolute()) {
        return fs::path(config) / "pultara" / "settings.reg";
    }
    return fs::path(HomeFolder()) / ".config" / "pultara" / "settings.reg";
#else
    return fs::path(HomeFolder()) / "pultara" / "settings.reg";
#endif
}

}  // namespace pultara::filestore
