#include "platform/linux/alsa_mixer.h"

#include <alsa/asoundlib.h>

#include <algorithm>

namespace pultara::linux_x11 {

namespace {

// Control ids are the control types: each names its element.
const char* ElementName(std::uint32_t controlType) {
    switch (controlType) {
        case kMixerControlVolume: return "Master";
        case kMixerControlTreble: return "Treble";
        case kMixerControlBass: return "Bass";
        default: return nullptr;
    }
}

snd_mixer_elem_t* FindElement(snd_mixer_t* handle, const char* name) {
    snd_mixer_selem_id_t* id = nullptr;
    snd_mixer_selem_id_alloca(&id);
    snd_mixer_selem_id_set_index(id, 0);
    snd_mixer_selem_id_set_name(id, name);
    snd_mixer_elem_t* element = snd_mixer_find_selem(handle, id);
    return element != nullptr && snd_mixer_selem_has_playback_volume(element) ? element : nullptr;
}

// ALSA prints its own complaints (no card, no sound server) on stderr at
// every attempt; the program reports mixer failures through result codes.
void Quiet(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

long ScaleToRange(std::uint32_t value, long minimum, long maximum) {
    const long long span = static_cast<long long>(maximum) - minimum;
    const long long clamped = std::min<std::uint32_t>(value, 65535);
    return static_cast<long>(minimum + (span * clamped + 32767) / 65535);
}

MixerResult AlsaMixer::Open() {
    Close();
    static const int quieted = snd_lib_error_set_handler(Quiet);
    (void)quieted;
    snd_mixer_t* handle = nullptr;
    if (snd_mixer_open(&handle, 0) < 0) {
        return kMixerNoDevice;
    }
    if (snd_mixer_attach(handle, "default") < 0 ||
        snd_mixer_selem_register(handle, nullptr, nullptr) < 0 || snd_mixer_load(handle) < 0) {
        snd_mixer_close(handle);
        return kMixerNoDevice;
    }
    handle_ = handle;
    return kMixerOk;
}

MixerResult AlsaMixer::GetSpeakerLine(std::uint32_t& lineId) {
    if (handle_ == nullptr) {
        return kMixerNoDevice;
    }
    lineId = kSpeakerLine;
    return kMixerOk;
}

MixerResult AlsaMixer::GetLineControl(std::uint32_t lineId, std::uint32_t controlType,
                                      std::uint32_t& controlId) {
    const char* name = ElementName(controlType);
    if (handle_ == nullptr || lineId != kSpeakerLine || name == nullptr ||
        FindElement(handle_, name) == nullptr) {
        return kMixerNoControl;
    }
    controlId = controlType;
    return kMixerOk;
}

MixerResult AlsaMixer::SetControlValue(std::uint32_t controlId, std::uint32_t value) {
    const char* name = ElementName(controlId);
    snd_mixer_elem_t* element =
        handle_ != nullptr && name != nullptr ? FindElement(handle_, name) : nullptr;
    if (element == nullptr) {
        return kMixerNoControl;
    }
    long minimum = 0;
    long maximum = 0;
    int result = snd_mixer_selem_get_playback_volume_range(element, &minimum, &maximum);
    if (result >= 0) {
        result =
            snd_mixer_selem_set_playback_volume_all(element, ScaleToRange(value, minimum, maximum));
    }
    return result < 0 ? static_cast<MixerResult>(-result) : kMixerOk;
}

void AlsaMixer::Close() {
    if (handle_ != nullptr) {
        snd_mixer_close(handle_);
        handle_ = nullptr;
    }
}

}  // namespace pultara::linux_x11
