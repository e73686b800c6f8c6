#include "platform/linux/spawn_processes.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <thread>

#include "platform/linux/command_line.h"

extern char** environ;

namespace pultara::linux_x11 {

namespace {

constexpr int kRaisedBy = 10;

int CurrentNice() {
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, 0);
    return errno == 0 ? nice : 0;
}

// Collects the child's exit status when it ends.
void ReapLater(pid_t pid) {
    std::thread([pid] {
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

}  // namespace

SpawnProcesses::SpawnProcesses() : startNice_(CurrentNice()) {}

bool SpawnProcesses::Spawn(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments[0].empty()) {
        return false;
    }
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigset_t defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGCHLD);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);

    // The child inherits the nice value: start it at the normal one.
    if (raised_) {
        setpriority(PRIO_PROCESS, 0, startNice_);
    }
    pid_t pid = 0;
    const int result = posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
    if (raised_) {
        setpriority(PRIO_PROCESS, 0, startNice_ - kRaisedBy);
    }
    posix_spawnattr_destroy(&attributes);
    if (result != 0) {
        return false;
    }
    ReapLater(pid);
    return true;
}

bool SpawnProcesses::StartProcess(const std::string& commandLine) {
    return Spawn(SplitCommandLine(commandLine));
}

void SpawnProcesses::ShellOpen(const std::string& file, const std::string& parameters) {
    // A program runs with the parameters, whether given by its path or, as
    // the Windows shell allows, by a bare name on the PATH ("vlc"); what
    // cannot be run (a document, an address, an unknown name) goes to the
    // desktop's handler.
    std::vector<std::string> arguments{file};
    for (std::string& argument : SplitCommandLine(parameters)) {
        arguments.push_back(std::move(argument));
    }
    if (!Spawn(arguments)) {
        Spawn({opener, file});
    }
}

bool SpawnProcesses::FileExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

void SpawnProcesses::SetPriority(ProcessPriority priority) {
    if (priority == ProcessPriority::High && !raised_) {
        raised_ = setpriority(PRIO_PROCESS, 0, startNice_ - kRaisedBy) == 0;
    } else if (priority == ProcessPriority::Normal && raised_) {
        setpriority(PRIO_PROCESS, 0, startNice_);
        raised_ = false;
    }
}

}  // namespace pultara::linux_x11
