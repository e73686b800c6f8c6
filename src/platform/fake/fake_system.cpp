#include "platform/fake/fake_system.h"

#include <algorithm>

namespace pultara::fake {

bool FakeProcesses::StartProcess(const std::string& commandLine) {
    log_.Add("CreateProcessA(" + Quoted(commandLine) + ")");
    return startable.count(commandLine) > 0;
}

void FakeProcesses::ShellOpen(const std::string& file, const std::string& parameters) {
    log_.Add("ShellExecuteA(\"open\", " + Quoted(file) + ", " + Quoted(parameters) + ")");
}

bool FakeProcesses::FileExists(const std::string& path) {
    log_.Add("FileExists(" + Quoted(path) + ")");
    return files.count(path) > 0;
}

void FakeProcesses::SetPriority(ProcessPriority next) {
    log_.Add(next == ProcessPriority::High ? "SetPriorityClass(HIGH)" : "SetPriorityClass(NORMAL)");
    priority = next;
}

MixerResult FakeMixer::Open() {
    log_.Add("mixerOpen(0)");
    open = openResult == kMixerOk;
    return openResult;
}

MixerResult FakeMixer::GetSpeakerLine(std::uint32_t& lineId) {
    log_.Add("mixerGetLineInfoA(SPEAKERS)");
    lineId = 7;
    return lineResult;
}

MixerResult FakeMixer::GetLineControl(std::uint32_t lineId, std::uint32_t controlType,
                                      std::uint32_t& controlId) {
    log_.Add("mixerGetLineControlsA(" + std::to_string(lineId) + ", " + Hex(controlType, 8) + ")");
    controlId = controlType;
    return controlResult;
}

MixerResult FakeMixer::SetControlValue(std::uint32_t controlId, std::uint32_t value) {
    log_.Add("mixerSetControlDetails(" + Hex(controlId, 8) + ", " + std::to_string(value) + ")");
    if (setResult == kMixerOk) {
        values[controlId] = value;
    }
    return setResult;
}

void FakeMixer::Close() {
    log_.Add("mixerClose");
    open = false;
}

void FakeDialogs::ShowMessage(const std::string& text, const std::string& caption,
                              MessageIcon icon) {
    log_.Add("MessageBox(" + Quoted(text) + ", " + Quoted(caption) + ", " +
             (icon == MessageIcon::Information ? "INFORMATION" : "NONE") + ")");
    ++openBoxes;
    deepestNesting = std::max(deepestNesting, openBoxes);
    if (whileOpen) {
        whileOpen();
    }
    --openBoxes;
}

void FakeDialogs::ShowApplicationError(const std::string& message) {
    log_.Add("ApplicationError(" + Quoted(message) + ")");
}

}  // namespace pultara::fake
