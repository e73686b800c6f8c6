#include "platform/win32/winmm_mixer.h"

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <mmsystem.h>

#include <algorithm>

namespace pultara::win32 {

namespace {

HMIXEROBJ Object(void* mixer) {
    return reinterpret_cast<HMIXEROBJ>(mixer);
}

}  // namespace

MixerResult WinmmMixer::Open() {
    Close();
    HMIXER mixer = nullptr;
    const MMRESULT result = mixerOpen(&mixer, 0, 0, 0, 0);
    if (result == MMSYSERR_NOERROR) {
        mixer_ = mixer;
    }
    return result;
}

MixerResult WinmmMixer::GetSpeakerLine(std::uint32_t& lineId) {
    MIXERLINEA line{};
    line.cbStruct = sizeof(line);
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    const MMRESULT result =
        mixerGetLineInfoA(Object(mixer_), &line, MIXER_GETLINEINFOF_COMPONENTTYPE);
    if (result == MMSYSERR_NOERROR) {
        lineId = line.dwLineID;
    }
    return result;
}

MixerResult WinmmMixer::GetLineControl(std::uint32_t lineId, std::uint32_t controlType,
                                       std::uint32_t& controlId) {
    MIXERCONTROLA control{};
    control.cbStruct = sizeof(control);
    MIXERLINECONTROLSA controls{};
    controls.cbStruct = sizeof(controls);
    controls.dwLineID = lineId;
    controls.dwControlType = controlType;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof(control);
    controls.pamxctrl = &control;
    const MMRESULT result =
        mixerGetLineControlsA(Object(mixer_), &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE);
    if (result == MMSYSERR_NOERROR) {
        controlId = control.dwControlID;
    }
    return result;
}

MixerResult WinmmMixer::SetControlValue(std::uint32_t controlId, std::uint32_t value) {
    MIXERCONTROLDETAILS_UNSIGNED detail{};
    detail.dwValue = std::min<std::uint32_t>(value, 65535);
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof(details);
    details.dwControlID = controlId;
    details.cChannels = 1;
    details.cMultipleItems = 0;
    details.cbDetails = sizeof(detail);
    details.paDetails = &detail;
    return mixerSetControlDetails(Object(mixer_), &details, MIXER_SETCONTROLDETAILSF_VALUE);
}

void WinmmMixer::Close() {
    if (mixer_ != nullptr) {
        mixerClose(static_cast<HMIXER>(mixer_));
        mixer_ = nullptr;
    }
}

}  // namespace pultara::win32
