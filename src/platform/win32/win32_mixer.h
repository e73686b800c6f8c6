#pragma once
#include <memory>

#include "ports/mixer.h"

namespace pultara::win32 {

// The mixer that changes what the user hears on this system: the endpoint
// API on Windows Vista and later (where the classic mixer reaches only this
// program's own session), the classic mixer on older systems.
class Win32Mixer : public Mixer {
public:
    Win32Mixer();
    MixerResult Open() override { return mixer_->Open(); }
    MixerResult GetSpeakerLine(std::uint32_t& lineId) override {
        return mixer_->GetSpeakerLine(lineId);
    }
    MixerResult GetLineControl(std::uint32_t lineId, std::uint32_t controlType,
                               std::uint32_t& controlId) override {
        return mixer_->GetLineControl(lineId, controlType, controlId);
    }
    MixerResult SetControlValue(std::uint32_t controlId, std::uint32_t value) override {
        return mixer_->SetControlValue(controlId, value);
    }
    void Close() override { mixer_->Close(); }

    bool UsesEndpointApi() const { return usesEndpoint_; }

private:
    bool usesEndpoint_;
    std::unique_ptr<Mixer> mixer_;
};

}  // namespace pultara::win32
