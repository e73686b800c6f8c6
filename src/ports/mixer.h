#pragma once
#include <cstdint>

namespace pultara {

// Result codes follow the classic multimedia mixer: 0 is success, anything
// else an error number that ends up in the mixer's error text.
using MixerResult = std::uint32_t;
inline constexpr MixerResult kMixerOk = 0;

// Control types of the speaker line's controls.
inline constexpr std::uint32_t kMixerControlVolume = 0x50030001;
inline constexpr std::uint32_t kMixerControlBass = 0x50030002;
inline constexpr std::uint32_t kMixerControlTreble = 0x50030003;

// The sound card's speaker output. Values are 0..65535 on every platform.
class Mixer {
public:
    virtual ~Mixer() = default;
    virtual MixerResult Open() = 0;
    virtual MixerResult GetSpeakerLine(std::uint32_t& lineId) = 0;
    virtual MixerResult GetLineControl(std::uint32_t lineId, std::uint32_t controlType,
                                       std::uint32_t& controlId) = 0;
    virtual MixerResult SetControlValue(std::uint32_t controlId, std::uint32_t value) = 0;
    virtual void Close() = 0;
};

}  // namespace pultara
