#pragma once
// A benchmark's goal in its label: the goal in milliseconds a run, and whether the run met it. The
// time is the wall time of the whole measured loop over its iterations, so a goal is checked against
// what the user waits for.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

// Started just before the measured loop.
struct GoalClock {
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    double Milliseconds() const {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
};

// Labels the run "goal: < G ms (N objects): met" or "... : MISSED"; a drawing of another size than
// the goal's is held to the goal scaled by its size, so that the time per object is what is checked.
inline void StateGoal(benchmark::State& state, const GoalClock& clock, double goalMilliseconds,
                      int goalObjects = 0, int objects = 0) {
    const double perRun =
        state.iterations() > 0 ? clock.Milliseconds() / static_cast<double>(state.iterations()) : 0;
    double goal = goalMilliseconds;
    if (goalObjects > 0 && objects >= 2 * goalObjects) goal = goalMilliseconds * objects / goalObjects;
    char text[160];
    if (goalObjects > 0)
        std::snprintf(text, sizeof text, "goal: < %.0f ms for %d objects%s: %s", goalMilliseconds,
                      goalObjects, objects >= 2 * goalObjects ? " (scaled by size)" : "",
                      perRun < goal ? "met" : "MISSED");
    else
        std::snprintf(text, sizeof text, "goal: < %.0f ms: %s", goalMilliseconds,
                      perRun < goal ? "met" : "MISSED");
    state.SetLabel(text);
    state.counters["goal_ms"] = goal;
}

// The label of a benchmark held to a goal it states itself (a ratio of two parts timed in turn): the
// goal, and whether this run met it.
inline std::string GoalLabel(const std::string& goal, bool met) {
    return "goal: " + goal + (met ? " (met)" : " (MISSED)");
}

// The median of the values.
inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}
