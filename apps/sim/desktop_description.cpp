#include "desktop_description.h"

#include "script.h"

namespace pultara::sim {

namespace {

void AddWindow(const std::vector<std::string>& words, fake::FakeDesktop& desktop) {
    if (words.size() < 2) {
        throw std::invalid_argument("expected window \"TITLE\" [flags]");
    }
    fake::FakeWindow& window = desktop.AddWindow(words[1]);
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::string& flag = words[i];
        if (flag == "hidden") {
            window.visible = false;
        } else if (flag == "minimised") {
            window.iconic = true;
        } else if (flag == "foreground") {
            desktop.foreground = window.id;
        } else if (flag == "activates") {
            window.activatesOnRequest = true;
        } else {
            throw std::invalid_argument("unknown window flag: " + flag);
        }
    }
}

void ReadLine(const std::vector<std::string>& words, fake::FakePlatform& platform,
              fake::FakeTray& tray) {
    const std::string& what = words[0];
    if (what == "window") {
        AddWindow(words, platform.desktop);
    } else if (what == "no-tray" && words.size() == 1) {
        tray.available = false;
    } else if (what == "file" && words.size() == 2) {
        platform.processes.files.insert(words[1]);
    } else if (what == "startable" && words.size() == 2) {
        platform.processes.startable.insert(words[1]);
    } else {
        throw std::invalid_argument("unknown line: " + what);
    }
}

}  // namespace

void ReadDesktop(std::istream& in, const std::string& name, fake::FakePlatform& platform,
                 fake::FakeTray& tray) {
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        try {
            const std::vector<std::string> words = SplitWords(text);
            if (!words.empty() && !words[0].starts_with("#")) {
                ReadLine(words, platform, tray);
            }
        } catch (const std::invalid_argument& error) {
            throw InputError(name, line, error.what());
        }
    }
}

}  // namespace pultara::sim
