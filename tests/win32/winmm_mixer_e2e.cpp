// Axes on "Lautstärke", "Höhen" and "Bass" through the poll tick to the mixer
// a Windows older than Vista gets: the classic multimedia mixer of the
// system (Wine's winmm over its sound driver, run by
// with_sound_server.sh). The volume is read back through the mixer API
// itself; treble and bass, which Wine's speaker line lacks, are skipped
// without a message while the volume still moves.
//
// Wine's classic mixer sets the volume of this process's own audio session,
// not the sound server's: the value is only observable from inside the
// process, so the core runs here rather than in pultara.exe.
#include <gtest/gtest.h>

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <mmsystem.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "axis/axis_outputs.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_mixer.h"
#include "support/engine_rig.h"

namespace pultara::win32 {
namespace {

// The master volume of the default output as a program reads it with the
// classic mixer, or nothing when the mixer does not answer.
std::optional<DWORD> SpeakerVolume() {
    HMIXER mixer = nullptr;
    if (mixerOpen(&mixer, 0, 0, 0, 0) != MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    const auto object = reinterpret_cast<HMIXEROBJ>(mixer);
    std::optional<DWORD> volume;
    MIXERLINEA line{};
    line.cbStruct = sizeof(line);
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    MIXERCONTROLA control{};
    control.cbStruct = sizeof(control);
    MIXERLINECONTROLSA controls{};
    controls.cbStruct = sizeof(controls);
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof(control);
    controls.pamxctrl = &control;
    MIXERCONTROLDETAILS_UNSIGNED value{};
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof(details);
    details.cChannels = 1;
    details.cbDetails = sizeof(value);
    details.paDetails = &value;
    if (mixerGetLineInfoA(object, &line, MIXER_GETLINEINFOF_COMPONENTTYPE) == MMSYSERR_NOERROR) {
        controls.dwLineID = line.dwLineID;
        if (mixerGetLineControlsA(object, &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE) ==
            MMSYSERR_NOERROR) {
            details.dwControlID = control.dwControlID;
            if (mixerGetControlDetailsA(object, &details, MIXER_GETCONTROLDETAILSF_VALUE) ==
                MMSYSERR_NOERROR) {
                volume = value.dwValue;
            }
        }
    }
    mixerClose(mixer);
    return volume;
}

// Whether the speaker line has a control of this type.
bool SpeakerLineHas(Mixer& mixer, std::uint32_t controlType) {
    std::uint32_t line = 0;
    std::uint32_t control = 0;
    const bool found = mixer.Open() == kMixerOk && mixer.GetSpeakerLine(line) == kMixerOk &&
                       mixer.GetLineControl(line, controlType, control) == kMixerOk;
    mixer.Close();
    return found;
}

// The test runs twice in the gate: in a Wine prefix set to Windows XP
// (PULTARA_WINE_VERSION=winxp...) it must find the classic mixer chosen.
bool PrefixReportsXp() {
    const char* version = std::getenv("PULTARA_WINE_VERSION");
    return version != nullptr && std::string(version).starts_with("winxp");
}

// The poll tick with the real axis outputs on the system's mixer; joystick,
// dialogs and the rest are the recording doubles.
struct MixerTickRig {
    void Tick(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
        fakes.joystick.Queue(JoystickSample{x, y, z, 0});
        poll.Timer1Timer();
    }

    fake::FakePlatform fakes;
    Win32Mixer mixer;
    Platform services{fakes.joystick, fakes.keyboard, fakes.mouse,   fakes.desktop, fakes.processes,
                      mixer,          fakes.store,    fakes.dialogs, fakes.clock};
    Profile profile;
    EngineState state;
    testing::RecordingOperations commands{fakes.log};
    testing::RecordingMainWindow window{fakes.log};
    AxisOutputs axes{profile, state, services};
    Dispatcher dispatcher{profile, state, window, fakes.mouse, commands};
    PollCycle poll{profile,    state,    window, fakes.joystick,
                   dispatcher, commands, axes,   fakes.dialogs};
};

TEST(WinmmMixer, AxesMoveTheVolumeAndSkipTheMissingToneControlsSilently) {
    MixerTickRig rig;
    if (rig.mixer.UsesEndpointApi()) {
        ASSERT_FALSE(PrefixReportsXp())
            << "the prefix reports Windows XP, yet the endpoint mixer was chosen (system "
            << RealPlatformVersion().major << "." << RealPlatformVersion().minor << ")";
        GTEST_SKIP() << "Windows reports Vista or later: the endpoint mixer is chosen";
    }
    ASSERT_TRUE(SpeakerVolume().has_value()) << "no classic mixer: is a sound server running?";
    ASSERT_TRUE(SpeakerLineHas(rig.mixer, kMixerControlVolume));
    // What makes the scenario: the speaker line lacks both tone controls.
    ASSERT_FALSE(SpeakerLineHas(rig.mixer, kMixerControlTreble));
    ASSERT_FALSE(SpeakerLineHas(rig.mixer, kMixerControlBass));

    // The tone controls come first in the tick, so their failures come
    // before the volume is set.
    rig.profile.SetAxisListPosition(Axis::X, 3);  // "Höhen"
    rig.profile.SetAxisListPosition(Axis::Y, 5);  // "Bass"
    rig.profile.SetAxisListPosition(Axis::Z, 1);  // "Lautstärke"
    rig.Tick(1000, 2000, 16384);
    EXPECT_EQ(SpeakerVolume(), 16384u);
    rig.Tick(3000, 4000, 49152);
    EXPECT_EQ(SpeakerVolume(), 49152u);

    rig.profile.SetAxisListPosition(Axis::Z, 2);  // "Lautstärke (-1)"
    rig.Tick(3000, 4000, 65535);
    EXPECT_EQ(SpeakerVolume(), 0u);
    EXPECT_EQ(rig.fakes.log.Only({"MessageBox", "ApplicationError"}), std::vector<std::string>{});
}

}  // namespace
}  // namespace pultara::win32
