#include "platform/win32/endpoint_mixer.h"

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <devicetopology.h>
#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <mmsystem.h>

#include <algorithm>
#include <deque>

namespace pultara::win32 {

namespace {

constexpr std::uint32_t kEndpointLine = 0;
constexpr int kMaxTopologyParts = 64;  // a guard against cyclic topologies

// Owns one COM reference.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
    ComRef& operator=(ComRef&& other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    void Reset() {
        if (p_ != nullptr) {
            p_->Release();
            p_ = nullptr;
        }
    }
    T* operator->() const { return p_; }
    T* Get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    T** Out() {
        Reset();
        return &p_;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }

private:
    T* p_ = nullptr;
};

MixerResult ResultOf(HRESULT hr) {
    return SUCCEEDED(hr) ? kMixerOk : static_cast<MixerResult>(hr);
}

// The first part upstream of the endpoint that offers the interface `iid`.
template <typename T>
ComRef<T> FindTopologyControl(IMMDevice* device) {
    ComRef<T> control;
    ComRef<IDeviceTopology> topology;
    ComRef<IConnector> endpointConnector;
    ComRef<IConnector> deviceConnector;
    ComRef<IPart> start;
    if (FAILED(
            device->Activate(__uuidof(IDeviceTopology), CLSCTX_ALL, nullptr, topology.OutVoid())) ||
        FAILED(topology->GetConnector(0, endpointConnector.Out())) ||
        FAILED(endpointConnector->GetConnectedTo(deviceConnector.Out())) ||
        FAILED(deviceConnector->QueryInterface(__uuidof(IPart), start.OutVoid()))) {
        return control;
    }
    std::deque<ComRef<IPart>> queue;
    queue.push_back(std::move(start));
    for (int visited = 0; !queue.empty() && visited < kMaxTopologyParts; ++visited) {
        ComRef<IPart> part = std::move(queue.front());
        queue.pop_front();
        if (SUCCEEDED(part->Activate(CLSCTX_ALL, __uuidof(T), control.OutVoid()))) {
            return control;
        }
        ComRef<IPartsList> incoming;
        UINT count = 0;
        if (FAILED(part->EnumPartsIncoming(incoming.Out())) || FAILED(incoming->GetCount(&count))) {
            continue;
        }
        for (UINT i = 0; i < count; ++i) {
            ComRef<IPart> next;
            if (SUCCEEDED(incoming->GetPart(i, next.Out()))) {
                queue.push_back(std::move(next));
            }
        }
    }
    control.Reset();
    return control;
}

// Sets a tone control to the point of its range that `value` (0..65535) names.
HRESULT SetToneLevel(IPerChannelDbLevel* control, std::uint32_t value) {
    float minimum = 0.0F;
    float maximum = 0.0F;
    float step = 0.0F;
    const HRESULT hr = control->GetLevelRange(0, &minimum, &maximum, &step);
    if (FAILED(hr)) {
        return hr;
    }
    const float level = minimum + (maximum - minimum) * static_cast<float>(value) / 65535.0F;
    return control->SetLevelUniform(level, nullptr);
}

}  // namespace

struct EndpointMixer::Device {
    bool comStarted = false;
    ComRef<IMMDevice> device;
    ComRef<IAudioEndpointVolume> volume;
    ComRef<IAudioTreble> treble;
    ComRef<IAudioBass> bass;
};

EndpointMixer::EndpointMixer() = default;
EndpointMixer::~EndpointMixer() {
    Close();
}

MixerResult EndpointMixer::Open() {
    Close();
    device_ = std::make_unique<Device>();
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    device_->comStarted = SUCCEEDED(init);
    ComRef<IMMDeviceEnumerator> enumerator;
    HRESULT hr = CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                  __uuidof(IMMDeviceEnumerator), enumerator.OutVoid());
    if (SUCCEEDED(hr)) {
        hr = enumerator->GetDefaultAudioEndpoint(eRender, eConsole, device_->device.Out());
    }
    if (SUCCEEDED(hr)) {
        hr = device_->device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr,
                                       device_->volume.OutVoid());
    }
    if (FAILED(hr)) {
        Close();
        return MMSYSERR_BADDEVICEID;
    }
    return kMixerOk;
}

MixerResult EndpointMixer::GetSpeakerLine(std::uint32_t& lineId) {
    if (!device_) {
        return MMSYSERR_INVALHANDLE;
    }
    lineId = kEndpointLine;
    return kMixerOk;
}

MixerResult EndpointMixer::GetLineControl(std::uint32_t lineId, std::uint32_t controlType,
                                          std::uint32_t& controlId) {
    if (!device_ || lineId != kEndpointLine) {
        return MIXERR_INVALLINE;
    }
    bool present = false;
    if (controlType == kMixerControlVolume) {
        present = static_cast<bool>(device_->volume);
    } else if (controlType == kMixerControlTreble) {
        device_->treble = FindTopologyControl<IAudioTreble>(device_->device.Get());
        present = static_cast<bool>(device_->treble);
    } else if (controlType == kMixerControlBass) {
        device_->bass = FindTopologyControl<IAudioBass>(device_->device.Get());
        present = static_cast<bool>(device_->bass);
    }
    if (!present) {
        return MIXERR_INVALCONTROL;
    }
    controlId = controlType;
    return kMixerOk;
}

MixerResult EndpointMixer::SetControlValue(std::uint32_t controlId, std::uint32_t value) {
    if (!device_) {
        return MMSYSERR_INVALHANDLE;
    }
    value = std::min<std::uint32_t>(value, 65535);
    if (controlId == kMixerControlVolume && device_->volume) {
        const float level = static_cast<float>(value) / 65535.0F;
        return ResultOf(device_->volume->SetMasterVolumeLevelScalar(level, nullptr));
    }
    if (controlId == kMixerControlTreble && device_->treble) {
        return ResultOf(SetToneLevel(device_->treble.Get(), value));
    }
    if (controlId == kMixerControlBass && device_->bass) {
        return ResultOf(SetToneLevel(device_->bass.Get(), value));
    }
    return MIXERR_INVALCONTROL;
}

void EndpointMixer::Close() {
    if (!device_) {
        return;
    }
    const bool comStarted = device_->comStarted;
    device_.reset();  // releases every interface before COM is let go
    if (comStarted) {
        CoUninitialize();
    }
}

}  // namespace pultara::win32
