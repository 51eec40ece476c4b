// Runs the benchmarks with the Qt runtime started offscreen, so painting can render text.
#include "platform/qt/gui_runtime.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    platform::qt::GuiRuntime runtime(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
