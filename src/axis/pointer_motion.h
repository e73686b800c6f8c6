#pragma once
#include <cstdint>

#include "engine/engine_state.h"
#include "engine/profile.h"
#include "ports/mouse.h"
#include "ports/processes.h"

namespace pultara {

// Axis position of a stick at rest.
inline constexpr std::int64_t kAxisCentre = 32768;
// Deflections up to 3 % of the half range neither move nor creep the pointer.
inline constexpr double kPointerDeadZone = 983.04;

// Pixels per tick for the axis position `value`: maxMouseSpeed x
// (1 - e^-(0.6 d / 32768)^2) with d the deflection from the centre. Zero at
// the centre, symmetric, about 0.30 x maxMouseSpeed at either end.
double PointerSpeed(std::uint32_t value, std::int32_t maxMouseSpeed);

// Rounds to the nearest whole number, halves to the even neighbour.
std::int64_t RoundHalfToEven(double value);

// Whole pixels to move on this tick, without the direction's sign. A speed
// below one pixel adds to `remainder` (outside the dead zone) and the
// remainder pays out whole pixels once it reaches one. A step of one pixel or
// more raises the process to high priority so the pointer keeps moving
// smoothly while other programs are busy.
std::int64_t StepFromDeflection(std::uint32_t value, std::int32_t maxMouseSpeed, double& remainder,
                                Processes& processes);

// Whether a tick with `value` leaves the pointer, the priority and
// `remainder` as they are: inside the dead zone, at a speed that rounds to no
// pixel, with less than a pixel owed.
bool PointerStaysStill(std::uint32_t value, std::int32_t maxMouseSpeed, double remainder);

// The four pointer actions of an axis. The horizontal pair shares one
// sub-pixel remainder, the vertical pair the other; the speed limit is read
// from the Profile on every call, so edits act at once.
class PointerMotion {
public:
    PointerMotion(const Profile& profile, EngineState& state, Mouse& mouse, Processes& processes);

    // Small positions move left, large ones right.
    void MovePointerX(std::uint32_t value) { Move(value, Direction::Horizontal, +1); }
    void MovePointerXInverted(std::uint32_t value) { Move(value, Direction::Horizontal, -1); }
    // Small positions (stick forward) move up, large ones down.
    void MovePointerY(std::uint32_t value) { Move(value, Direction::Vertical, +1); }
    void MovePointerYInverted(std::uint32_t value) { Move(value, Direction::Vertical, -1); }
    // Whether a move with `value` would move the pointer, raise the priority
    // or change the direction's remainder (see PointerStaysStill).
    bool WouldAct(std::uint32_t value, bool horizontal) const;

private:
    enum class Direction { Horizontal, Vertical };
    void Move(std::uint32_t value, Direction direction, int sign);

    const Profile& profile_;
    EngineState& state_;
    Mouse& mouse_;
    Processes& processes_;
};

}  // namespace pultara
