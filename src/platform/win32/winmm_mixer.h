#pragma once
#include "ports/mixer.h"

namespace pultara::win32 {

// The classic multimedia mixer (device 0, the speaker destination line).
// On Windows XP and earlier it sets the sound card itself; since Vista it
// reaches only this program's own audio session.
class WinmmMixer : public Mixer {
public:
    ~WinmmMixer() override { Close(); }
    MixerResult Open() override;
    MixerResult GetSpeakerLine(std::uint32_t& lineId) override;
    MixerResult GetLineControl(std::uint32_t lineId, std::uint32_t controlType,
                               std::uint32_t& controlId) override;
    MixerResult SetControlValue(std::uint32_t controlId, std::uint32_t value) override;
    void Close() override;

private:
    void* mixer_ = nullptr;  // HMIXER
};

}  // namespace pultara::win32
