#include "support/program_rig.h"

namespace pultara::testing {

void RecordingStores::SaveSettings() {
    log_.Add("SaveSettings");
    if (failSaves) {
        dialogs_.ShowMessage("Programmeinstellungen konnten nicht gesichert werden.", "Information",
                             MessageIcon::Information);
    }
}

void RecordingStores::LoadSettings() {
    log_.Add("LoadSettings");
    if (load) {
        load(profile_);
    }
}

void RecordingStores::LoadButtonNames() {
    log_.Add("LoadButtonNames");
}
void RecordingStores::SaveButtonNames() {
    log_.Add("SaveButtonNames");
}

void RecordingStores::ResetButtonNames() {
    log_.Add("ResetButtonNames");
    for (int button = 1; button <= kButtonCount; ++button) {
        profile_.SetButtonName(button, Profile::DefaultButtonName(button));
    }
}

ProgramRig::ProgramRig() {
    operations.state = &state;
}

void ProgramRig::Tick(std::uint32_t buttons) {
    platform.joystick.Queue(JoystickSample{32768, 32768, 32768, buttons});
    program.Timer1Timer();
}

}  // namespace pultara::testing
