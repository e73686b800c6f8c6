#pragma once
#include <memory>

#include "ports/mixer.h"

namespace pultara::win32 {

// The default output device through the Core Audio endpoint API (Windows
// Vista and later): volume is the endpoint's master volume; treble and bass
// are the tone controls of the device topology where the driver has them.
// Values 0..65535 map onto the full range of each control.
class EndpointMixer : public Mixer {
public:
    EndpointMixer();
    ~EndpointMixer() override;
    MixerResult Open() override;
    // The endpoint is the one output line.
    MixerResult GetSpeakerLine(std::uint32_t& lineId) override;
    // A treble or bass control missing from the hardware is MIXERR_INVALCONTROL.
    MixerResult GetLineControl(std::uint32_t lineId, std::uint32_t controlType,
                               std::uint32_t& controlId) override;
    MixerResult SetControlValue(std::uint32_t controlId, std::uint32_t value) override;
    void Close() override;

private:
    struct Device;
    std::unique_ptr<Device> device_;
};

}  // namespace pultara::win32
