#include "axis/mixer_control.h"

#include <algorithm>

namespace pultara {

namespace {

// Closes the mixer when the call that opened it returns, by any path.
class MixerCloser {
public:
    explicit MixerCloser(Mixer& mixer) : mixer_(mixer) {}
    MixerCloser(const MixerCloser&) = delete;
    MixerCloser& operator=(const MixerCloser&) = delete;
    ~MixerCloser() { mixer_.Close(); }

private:
    Mixer& mixer_;
};

MixerOutcome Failed(const char* call, MixerResult code) {
    return {false, std::string(call) + " failed, Errorcode: " + std::to_string(code)};
}

}  // namespace

std::uint32_t MixerControlType(int kind) {
    switch (kind) {
        case 2: return kMixerControlTreble;
        case 3: return kMixerControlBass;
        default: return kMixerControlVolume;
    }
}

MixerOutcome SetMixerControl(Mixer& mixer, std::int64_t value, int kind) {
    if (mixer.Open() != kMixerOk) {
        return {false, "Couldn't open Mixer"};
    }
    const MixerCloser closer(mixer);
    std::uint32_t lineId = 0;
    if (const MixerResult code = mixer.GetSpeakerLine(lineId); code != kMixerOk) {
        return Failed("mixerGetLineInfo()", code);
    }
    std::uint32_t controlId = 0;
    if (const MixerResult code = mixer.GetLineControl(lineId, MixerControlType(kind), controlId);
        code != kMixerOk) {
        return Failed("mixerLineGetControls()", code);
    }
    const auto clamped =
        static_cast<std::uint32_t>(std::clamp(value, kMixerMinValue, kMixerMaxValue));
    if (const MixerResult code = mixer.SetControlValue(controlId, clamped); code != kMixerOk) {
        return Failed("MixerSetControlDetails()", code);
    }
    return {};
}

void ApplyMixerAxis(Mixer& mixer, std::uint32_t value, int kind, bool inverted) {
    // Signed, so that a position above the range inverts to 0 rather than
    // wrapping round to full volume.
    const std::int64_t position = value;
    SetMixerControl(mixer, inverted ? kMixerMaxValue - position : position, kind);
}

}  // namespace pultara
