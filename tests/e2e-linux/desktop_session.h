#pragma once
// Helpers for tests that run on the virtual desktop of virtual-desktop.sh:
// starting the key target, waiting for windows and for what it recorded.
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>

namespace pultara::e2e {

using namespace std::chrono_literals;

// Polls `done` every 20 ms until it holds or `limit` has passed (generous:
// a loaded machine is slow, and a condition that holds ends the wait early).
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 10000ms);

std::string ReadFile(const std::string& path);

// A temporary file name in the test's own folder.
std::string TempPath(const std::string& name);

// The key target, started directly and stopped (SIGTERM) when destroyed.
class KeyTarget {
public:
    KeyTarget(const std::string& title, const std::string& geometry = "420x160+60+60");
    ~KeyTarget();
    KeyTarget(const KeyTarget&) = delete;
    KeyTarget& operator=(const KeyTarget&) = delete;

    const std::string& logPath() const { return log_; }
    std::string Received() const { return ReadFile(log_); }
    // Waits until the log reads `expected`; returns what it holds then.
    std::string WaitFor(const std::string& expected) const;
    void Stop();

private:
    std::string log_;
    pid_t pid_ = -1;
};

// Path of the key target program (next to the test programs).
std::string KeyTargetProgram();

// Runs a shell command of the test environment (setxkbmap, pactl); returns
// its standard output.
std::string RunCommand(const std::string& command);

}  // namespace pultara::e2e
