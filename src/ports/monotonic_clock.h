#pragma once
#include <cstdint>

namespace pultara {

// Milliseconds from some fixed start, only ever moving forward: what the
// program measures its waits with. Not the wall clock, which the user or a
// time service may set back or forward at any moment.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual std::uint64_t NowMs() = 0;
};

}  // namespace pultara
