#pragma once
#include <cstdint>
#include <string>

#include "ports/mixer.h"

namespace pultara {

// Range of every mixer control; axis positions map onto it unscaled.
inline constexpr std::int64_t kMixerMinValue = 0;
inline constexpr std::int64_t kMixerMaxValue = 65535;

// Result of one mixer call: ok with an empty text, or the reason it failed.
struct MixerOutcome {
    bool ok = true;
    std::string error;
};

// Control type for a mixer kind: 1 volume, 2 treble, 3 bass; any other kind
// is volume.
std::uint32_t MixerControlType(int kind);

// Sets the speaker line's control of `kind` to `value` clamped to 0..65535.
// The mixer is opened for this call only and closed again after a successful
// open, whatever fails afterwards.
MixerOutcome SetMixerControl(Mixer& mixer, std::int64_t value, int kind);

// Sets the control of `kind` to the axis position, or to 65535 minus it when
// `inverted`. A failure is not reported: the next change of the axis tries
// again.
void ApplyMixerAxis(Mixer& mixer, std::uint32_t value, int kind, bool inverted);

}  // namespace pultara
