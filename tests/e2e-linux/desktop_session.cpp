#include "desktop_session.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

extern char** environ;

namespace pultara::e2e {

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string TempPath(const std::string& name) {
    static std::atomic<int> counter{0};
    const auto dir =
        std::filesystem::temp_directory_path() / ("pultara-e2e-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return (dir / (std::to_string(++counter) + "-" + name)).string();
}

std::string KeyTargetProgram() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "pultara-key-target")
        .string();
}

KeyTarget::KeyTarget(const std::string& title, const std::string& geometry)
    : log_(TempPath("keys.log")) {
    std::ofstream(log_).flush();
    const std::string program = KeyTargetProgram();
    std::vector<std::string> args{program, "--title", title, "--log", log_, "--geometry", geometry};
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv.data(), environ);
}

KeyTarget::~KeyTarget() {
    Stop();
}

void KeyTarget::Stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

std::string KeyTarget::WaitFor(const std::string& expected) const {
    WaitUntil([&] { return Received() == expected; }, 10000ms);
    return Received();
}

std::string RunCommand(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 256> buffer{};
        while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
            output += buffer.data();
        }
        pclose(pipe);
    }
    return output;
}

}  // namespace pultara::e2e
