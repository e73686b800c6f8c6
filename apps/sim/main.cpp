// pultara-sim: the whole program headless, on the fake platform and a
// simulated clock. See docs/pultara-sim.md.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "desktop_description.h"
#include "script.h"
#include "simulation.h"
#ifdef PULTARA_SIM_FILESTORE
#include "platform/filestore/file_value_store.h"
#endif

namespace fs = std::filesystem;
using namespace pultara;

namespace {

constexpr const char* kUsage =
    "usage: pultara-sim [--desktop FILE] [--settings FILE] [--write-settings FILE]\n"
    "                   [--quiet-store] [--always-tick] SCRIPT\n";

sim::Options ParseArguments(int argc, char** argv) {
    sim::Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                throw std::invalid_argument(arg + " needs a file");
            }
            return argv[++i];
        };
        if (arg == "--desktop") {
            options.desktop = value();
        } else if (arg == "--settings") {
            options.settings = value();
        } else if (arg == "--write-settings") {
            options.writeSettings = value();
        } else if (arg == "--quiet-store") {
            options.quietStore = true;
        } else if (arg == "--always-tick") {
            options.alwaysTick = true;
        } else if (arg.starts_with("-") || !options.script.empty()) {
            throw std::invalid_argument("unexpected argument " + arg);
        } else {
            options.script = arg;
        }
    }
    if (options.script.empty()) {
        throw std::invalid_argument("no joystick script given");
    }
    return options;
}

std::ifstream Open(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::invalid_argument("cannot read " + path);
    }
    return in;
}

#ifdef PULTARA_SIM_FILESTORE
// The settings live in a working file: the one to write, or a scratch copy
// of the one to read, so that the input stays as it was.
fs::path WorkingSettingsFile(const sim::Options& options, bool& scratch) {
    scratch = options.writeSettings.empty();
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path work =
        scratch ? fs::temp_directory_path() / ("pultara-sim-" + std::to_string(stamp) + ".reg")
                : fs::path(options.writeSettings);
    std::error_code ignored;
    const fs::path folder = work.parent_path();
    if (!scratch && !folder.empty() && !fs::is_directory(folder, ignored)) {
        throw std::invalid_argument("--write-settings " + options.writeSettings + ": the folder " +
                                    folder.string() + " does not exist");
    }
    if (!options.settings.empty()) {
        if (!fs::is_regular_file(options.settings, ignored)) {
            throw std::invalid_argument("--settings " + options.settings +
                                        (fs::exists(options.settings, ignored)
                                             ? ": not a regular file"
                                             : ": no such file"));
        }
        std::error_code error;
        if (!fs::equivalent(options.settings, work, ignored)) {
            fs::copy_file(options.settings, work, fs::copy_options::overwrite_existing, error);
        }
        if (error) {
            throw std::invalid_argument("--settings " + options.settings + ": cannot be read (" +
                                        error.message() + ")");
        }
    } else {
        fs::remove(work, ignored);
    }
    return work;
}
#endif

std::string ProgramFolder(const char* argv0) {
    std::error_code ignored;
    fs::path self = fs::weakly_canonical(fs::absolute(argv0), ignored);
    return self.parent_path().string() + "/";
}

int Run(const sim::Options& options) {
    std::ifstream scriptFile = Open(options.script);
    const std::vector<sim::ScriptStep> steps = sim::ReadScript(scriptFile, options.script);
    const bool wantsFile = !options.settings.empty() || !options.writeSettings.empty();
#ifdef PULTARA_SIM_FILESTORE
    bool scratch = false;
    fs::path work;
    std::unique_ptr<filestore::FileValueStore> fileStore;
    if (wantsFile) {
        work = WorkingSettingsFile(options, scratch);
        fileStore = std::make_unique<filestore::FileValueStore>(work);
    }
    sim::Simulation simulation(options, fileStore.get(), std::cout);
#else
    if (wantsFile) {
        throw std::invalid_argument("this build has no settings file store");
    }
    sim::Simulation simulation(options, nullptr, std::cout);
#endif
    if (!options.desktop.empty()) {
        std::ifstream desktop = Open(options.desktop);
        sim::ReadDesktop(desktop, options.desktop, simulation.Fakes(), simulation.Tray());
    }
    const long ticks = simulation.Run(steps);
    std::cout << "# " << ticks << " poll ticks\n";
    if (!options.alwaysTick) {
        std::cout << "# " << simulation.TicksSlept() << " ticks slept through at rest\n";
    }
#ifdef PULTARA_SIM_FILESTORE
    if (scratch && wantsFile) {
        std::error_code ignored;
        fs::remove(work, ignored);
    }
#endif
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        sim::Options options = ParseArguments(argc, argv);
        options.programFolder = ProgramFolder(argv[0]);
        return Run(options);
    } catch (const std::exception& error) {
        std::cerr << "pultara-sim: " << error.what() << '\n' << kUsage;
        return 2;
    }
}
