#pragma once
#include <cstdint>

namespace pultara {

// Mouse button event flags (one button event at the pointer's position).
inline constexpr std::uint32_t kMouseLeftDown = 0x0002;
inline constexpr std::uint32_t kMouseLeftUp = 0x0004;
inline constexpr std::uint32_t kMouseRightDown = 0x0008;
inline constexpr std::uint32_t kMouseRightUp = 0x0010;
inline constexpr std::uint32_t kMouseMiddleDown = 0x0020;
inline constexpr std::uint32_t kMouseMiddleUp = 0x0040;

struct PointerPosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

class Mouse {
public:
    virtual ~Mouse() = default;
    virtual void SendButtonEvent(std::uint32_t flags) = 0;
    virtual bool GetCursorPos(PointerPosition& position) = 0;
    // The system keeps the pointer on the screen.
    virtual void SetCursorPos(PointerPosition position) = 0;
};

}  // namespace pultara
