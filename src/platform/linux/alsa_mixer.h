#pragma once
#include "ports/mixer.h"

struct _snd_mixer;

namespace pultara::linux_x11 {

// The sound card's main output through ALSA's simple mixer on the "default"
// device: volume on "Master", treble and bass on "Treble" and "Bass" where
// the card has them. Values 0..65535 are spread over each element's own
// range.
//
// Result codes: an open failure is kMixerNoDevice, a missing element
// kMixerNoControl, and a failed set the positive ALSA error number.
class AlsaMixer : public Mixer {
public:
    static constexpr MixerResult kMixerNoDevice = 2;      // as MMSYSERR_BADDEVICEID
    static constexpr MixerResult kMixerNoControl = 1025;  // as MIXERR_INVALCONTROL
    static constexpr std::uint32_t kSpeakerLine = 0;

    AlsaMixer() = default;
    ~AlsaMixer() override { Close(); }
    AlsaMixer(const AlsaMixer&) = delete;
    AlsaMixer& operator=(const AlsaMixer&) = delete;

    MixerResult Open() override;
    MixerResult GetSpeakerLine(std::uint32_t& lineId) override;
    MixerResult GetLineControl(std::uint32_t lineId, std::uint32_t controlType,
                               std::uint32_t& controlId) override;
    MixerResult SetControlValue(std::uint32_t controlId, std::uint32_t value) override;
    void Close() override;

private:
    _snd_mixer* handle_ = nullptr;
};

// The element value that stands for `value` (0..65535) in [minimum, maximum].
long ScaleToRange(std::uint32_t value, long minimum, long maximum);

}  // namespace pultara::linux_x11
