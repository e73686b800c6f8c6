#include "platform/win32/win32_mixer.h"

#include "platform/win32/endpoint_mixer.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/winmm_mixer.h"

namespace pultara::win32 {

namespace {

constexpr std::uint32_t kVistaMajor = 6;

}  // namespace

Win32Mixer::Win32Mixer() : usesEndpoint_(RealPlatformVersion().major >= kVistaMajor) {
    if (usesEndpoint_) {
        mixer_ = std::make_unique<EndpointMixer>();
    } else {
        mixer_ = std::make_unique<WinmmMixer>();
    }
}

}  // namespace pultara::win32
