#include "platform/win32/newer_windows.h"

#include <windows.h>

#include <atomic>

#include "platform/win32/win32_desktop.h"

namespace pultara::win32 {

namespace {

constexpr std::uint32_t kVistaMajor = 6;
constexpr DWORD kHighResolutionTimer = 0x00000002;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION

}  // namespace

bool VistaOrLater() {
    static const bool vista = RealPlatformVersion().major >= kVistaMajor;
    return vista;
}

void* NewerFunction(const wchar_t* dll, const char* name) {
    if (!VistaOrLater()) {
        return nullptr;
    }
    HMODULE module = GetModuleHandleW(dll);
    if (module == nullptr) {
        module = LoadLibraryW(dll);
    }
    return module != nullptr ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
}

std::uint64_t WidenTickCount(std::uint64_t previous, std::uint32_t now) {
    std::uint64_t high = previous & ~std::uint64_t{0xFFFF'FFFF};
    if (now < static_cast<std::uint32_t>(previous)) {
        high += std::uint64_t{1} << 32;
    }
    return high | now;
}

std::uint64_t TickCount64() {
    using GetTickCount64Fn = ULONGLONG(WINAPI*)();
    static const auto getTickCount64 =
        NewerFunctionAs<GetTickCount64Fn>(L"kernel32.dll", "GetTickCount64");
    if (getTickCount64 != nullptr) {
        return getTickCount64();
    }
    // Several threads may read the count: the last answer moves on only
    // forward, by compare-and-swap.
    static std::atomic<std::uint64_t> last{GetTickCount()};
    std::uint64_t previous = last.load();
    std::uint64_t widened = WidenTickCount(previous, GetTickCount());
    while (widened > previous && !last.compare_exchange_weak(previous, widened)) {
        widened = WidenTickCount(previous, GetTickCount());
    }
    return widened > previous ? widened : previous;
}

void* CreateHighResolutionTimer() {
    using CreateTimerExFn = HANDLE(WINAPI*)(SECURITY_ATTRIBUTES*, const wchar_t*, DWORD, DWORD);
    static const auto createTimerEx =
        NewerFunctionAs<CreateTimerExFn>(L"kernel32.dll", "CreateWaitableTimerExW");
    return createTimerEx != nullptr
               ? createTimerEx(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS)
               : nullptr;
}

bool RawInputDeviceNotices() {
    return VistaOrLater();
}

}  // namespace pultara::win32
