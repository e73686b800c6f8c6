// Cost of one pointer step and one mixer call of the axis outputs, against
// platform doubles that do nothing.
#include <benchmark/benchmark.h>

#include "../null_platform.h"
#include "axis/axis_outputs.h"

namespace pultara::bench {
namespace {

struct NullMixer : Mixer {
    MixerResult Open() override { return kMixerOk; }
    MixerResult GetSpeakerLine(std::uint32_t& lineId) override {
        lineId = 1;
        return kMixerOk;
    }
    MixerResult GetLineControl(std::uint32_t, std::uint32_t type, std::uint32_t& id) override {
        id = type;
        return kMixerOk;
    }
    MixerResult SetControlValue(std::uint32_t, std::uint32_t value) override {
        benchmark::DoNotOptimize(value);
        return kMixerOk;
    }
    void Close() override {}
};

struct NullProcesses : Processes {
    bool StartProcess(const std::string&) override { return false; }
    void ShellOpen(const std::string&, const std::string&) override {}
    bool FileExists(const std::string&) override { return false; }
    void SetPriority(ProcessPriority) override {}
};

struct Outputs {
    Profile profile;
    EngineState state;
    NullMixer mixer;
    NullMouse mouse;
    NullProcesses processes;
    AxisOutputs axes{profile, state, mixer, mouse, processes};
};

// A full deflection: the speed curve, one rounding, priority and a move.
void PointerFullStep(benchmark::State& run) {
    Outputs outputs;
    for (auto _ : run) {
        outputs.axes.MovePointerX(0);
    }
}
BENCHMARK(PointerFullStep);

// A slight deflection that mostly accumulates below one pixel.
void PointerCreepStep(benchmark::State& run) {
    Outputs outputs;
    for (auto _ : run) {
        outputs.axes.MovePointerY(35000);
    }
    benchmark::DoNotOptimize(outputs.state.verticalRemainder);
}
BENCHMARK(PointerCreepStep);

// One volume change: open, line, control, set, close.
void MixerCall(benchmark::State& run) {
    Outputs outputs;
    std::uint32_t value = 0;
    for (auto _ : run) {
        outputs.axes.ApplyMixerAxis(value, 1, true);
        value = (value + 1) & 0xFFFF;
    }
}
BENCHMARK(MixerCall);

}  // namespace
}  // namespace pultara::bench
