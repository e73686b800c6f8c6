#include "axis/pointer_motion.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pultara {

namespace {

bool OutsideDeadZone(std::uint32_t value) {
    const std::int64_t deflection = static_cast<std::int64_t>(value) - kAxisCentre;
    return static_cast<double>(std::abs(deflection)) > kPointerDeadZone;
}

// `coordinate` moved by `step`, kept within what a screen position can hold;
// the system clamps it to the screen itself.
std::int32_t Shifted(std::int32_t coordinate, std::int64_t step) {
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(coordinate + step, lowest, highest));
}

}  // namespace

double PointerSpeed(std::uint32_t value, std::int32_t maxMouseSpeed) {
    // Extended precision for the curve, one rounding to double at the end,
    // so that the speed's last bit does not depend on the order of rounding.
    const long double deflection = static_cast<long double>(value) - kAxisCentre;
    const long double x = 0.6L * deflection / 32768.0L;
    const long double limit = maxMouseSpeed;
    return static_cast<double>(limit - std::exp(-x * x) * limit);
}

std::int64_t RoundHalfToEven(double value) {
    // Done by hand rather than with the current rounding mode, which any
    // library may have changed.
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below + 1.0;
    if (fraction < 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) == 0.0)) {
        rounded = below;
    }
    return static_cast<std::int64_t>(rounded);
}

std::int64_t StepFromDeflection(std::uint32_t value, std::int32_t maxMouseSpeed, double& remainder,
                                Processes& processes) {
    const double speed = PointerSpeed(value, maxMouseSpeed);
    std::int64_t step = RoundHalfToEven(speed);
    if (step == 0 && OutsideDeadZone(value)) {
        remainder += speed;
    }
    if (std::fabs(remainder) >= 1.0) {
        step = RoundHalfToEven(remainder);
        remainder -= static_cast<double>(step);
    }
    // A negative speed limit gives negative steps, which leave the priority
    // alone.
    if (step >= 1) {
        processes.SetPriority(ProcessPriority::High);
    }
    return step;
}

bool PointerStaysStill(std::uint32_t value, std::int32_t maxMouseSpeed, double remainder) {
    return !OutsideDeadZone(value) && RoundHalfToEven(PointerSpeed(value, maxMouseSpeed)) == 0 &&
           std::fabs(remainder) < 1.0;
}

PointerMotion::PointerMotion(const Profile& profile, EngineState& state, Mouse& mouse,
                             Processes& processes)
    : profile_(profile), state_(state), mouse_(mouse), processes_(processes) {}

bool PointerMotion::WouldAct(std::uint32_t value, bool horizontal) const {
    const double remainder = horizontal ? state_.horizontalRemainder : state_.verticalRemainder;
    return !PointerStaysStill(value, profile_.MaxMouseSpeed(), remainder);
}

void PointerMotion::Move(std::uint32_t value, Direction direction, int sign) {
    const bool horizontal = direction == Direction::Horizontal;
    double& remainder = horizontal ? state_.horizontalRemainder : state_.verticalRemainder;
    std::int64_t step = StepFromDeflection(value, profile_.MaxMouseSpeed(), remainder, processes_);
    if (static_cast<std::int64_t>(value) < kAxisCentre) {
        step = -step;
    }
    step *= sign;
    if (step == 0) {
        return;
    }
    PointerPosition position;
    // Without a known position a move would jump from an arbitrary point.
    if (!mouse_.GetCursorPos(position)) {
        return;
    }
    if (horizontal) {
        position.x = Shifted(position.x, step);
    } else {
        position.y = Shifted(position.y, step);
    }
    mouse_.SetCursorPos(position);
}

}  // namespace pultara
