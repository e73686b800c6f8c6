#pragma once
#include "platform/win32/newer_windows.h"
#include "ports/monotonic_clock.h"

namespace pultara::win32 {

// The system's tick count, widened so that it never wraps. The C++ library
// of the XP build has no monotonic steady_clock (it reads the wall clock),
// so the program's waits are measured with this instead.
class TickClock : public MonotonicClock {
public:
    std::uint64_t NowMs() override { return TickCount64(); }
};

}  // namespace pultara::win32
