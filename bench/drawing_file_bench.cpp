// Throughput of the drawing file, which lies on the path of every edit (the whole file is rewritten)
// and of every paint (the list is emptied and the file read back).
//
// Goals, on one core (taskset -c N):
// - written (the text WriteDrawing makes, before the file is replaced): at most 1.2 times the
//   yardstick, a bare std::to_chars pass writing the same bytes into memory (BM_WriteToYardstick prints
//   the ratio); 100 000 mixed objects in under 50 ms (BM_FormatDrawing);
// - read (Flush + ReadDrawing): 100 000 objects in at most 1.6 times the yardstick, a bare
//   std::from_chars pass over the same bytes in memory (BM_ReadToYardstick prints the ratio), and the
//   time per object (per_object) flat within 15 % from 1 000 to 300 000 objects (BM_FlushReadDrawing
//   at each size; BM_ReadSpread times the two ends in turn and prints their ratio).
// The benchmarks holding a ratio to a goal say in their label whether the goal was met.

#include "bench_goal.h"
#include "mixed_drawing.h"
#include "model/drawing_file.h"
#include "model/shared_state.h"
#include "model/whole_file.h"
#include "platform/scripted_desktop.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A program folder in the temporary folder holding one generated drawing.
class DrawingFixture {
  public:
    explicit DrawingFixture(int objects) {
        ResetSharedState();
        platform::InstallDesktop(&desktop_);
        UseBenchSheet();
        folder_ = std::filesystem::temp_directory_path() /
                  ("korvane-bench-" + std::to_string(::getpid()) + "-" + std::to_string(objects));
        std::filesystem::create_directories(folder_ / "DWGS");
        list.ProgramDir = folder_.string() + "/";
        list.DrawingName = "BENCH";
        for (int i = 0; i < objects; ++i)
            list.Add(MixedObject(i, 3));
        list.WriteDrawing();
        ReadWholeFile(list.DrawingFilePath(), bytes);
    }
    ~DrawingFixture() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        platform::InstallDesktop(nullptr);
    }

    TList list;
    std::string bytes; // the drawing file as written

  private:
    platform::ScriptedDesktop desktop_;
    std::filesystem::path folder_;
};

RecordOrigin Centre() {
    return SheetCentre(Shared.SheetWidth, Shared.SheetHeight, Shared.Scale);
}

// The yardstick: every run of digits in the text (with its sign) converted by std::from_chars and
// nothing else done with it; the bytes are already in memory. No reader of the same numbers can be
// much faster.
long long SumOfNumbers(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    long long sum = 0;
    while (p < end) {
        if (*p == '-' || static_cast<unsigned char>(*p - '0') < 10) {
            int value = 0;
            const std::from_chars_result converted = std::from_chars(p, end, value);
            if (converted.ec == std::errc()) {
                sum += value;
                p = converted.ptr;
                continue;
            }
        }
        ++p;
    }
    return sum;
}

// The yardstick of writing: the same bytes as the drawing file, its numbers written by std::to_chars
// and the characters between them copied, into memory reserved once. Numbers and the text between
// them are taken from the file beforehand; no writer of the same text can be much faster.
class ToCharsYardstick {
  public:
    explicit ToCharsYardstick(std::string_view text) : text_(text) {
        const char* p = text.data();
        const char* const end = p + text.size();
        const char* gap = p;
        while (p < end) {
            if (*p == '-' || static_cast<unsigned char>(*p - '0') < 10) {
                int value = 0;
                const std::from_chars_result converted = std::from_chars(p, end, value);
                if (converted.ec == std::errc()) {
                    pieces_.push_back({static_cast<std::uint32_t>(gap - text.data()),
                                       static_cast<std::uint32_t>(p - gap), value});
                    p = gap = converted.ptr;
                    continue;
                }
            }
            ++p;
        }
        tail_ = std::string_view(gap, static_cast<std::size_t>(end - gap));
        out_.resize(text.size() + 16);
    }
    // Writes the text; its size.
    std::size_t Write() {
        char* out = out_.data();
        const char* const source = text_.data();
        for (const Piece& piece : pieces_) {
            // Mostly one blank or newline before a number: copied by hand rather than by memcpy.
            for (std::uint32_t i = 0; i < piece.gapLength; ++i)
                out[i] = source[piece.gapStart + i];
            out += piece.gapLength;
            out = std::to_chars(out, out + 11, piece.value).ptr;
        }
        out = std::copy(tail_.begin(), tail_.end(), out);
        return static_cast<std::size_t>(out - out_.data());
    }
    std::string_view Written(std::size_t size) const { return std::string_view(out_.data(), size); }

  private:
    struct Piece {
        std::uint32_t gapStart;
        std::uint32_t gapLength;
        int value;
    };
    std::string_view text_;
    std::vector<Piece> pieces_;
    std::string_view tail_;
    std::string out_;
};

// Flush + ReadDrawing, as every paint runs them.
void ReadBack(TList& list) {
    list.Flush();
    list.ReadDrawing();
    benchmark::DoNotOptimize(list.count);
}

double SecondsOf(void (*run)(DrawingFixture&), DrawingFixture& drawing) {
    const auto start = std::chrono::steady_clock::now();
    run(drawing);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

benchmark::Counter PerObject(int objects) {
    return benchmark::Counter(static_cast<double>(objects),
                              benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// WriteDrawing without the final flush: the whole text of the file built in memory.
void BM_FormatDrawing(benchmark::State& state) {
    DrawingFixture drawing(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string text = FormatDrawing(drawing.list, Centre(), Shared.Units, Shared.ObjectSerial);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel("goal: 100000 objects in < 50 ms");
}

// WriteDrawing as an edit runs it: text, temporary file, flush to disk, rename.
void BM_WriteDrawing(benchmark::State& state) {
    DrawingFixture drawing(static_cast<int>(state.range(0)));
    for (auto _ : state)
        drawing.list.WriteDrawing();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The first half of every paint: empty the list and read the drawing file back.
void BM_FlushReadDrawing(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    DrawingFixture drawing(objects);
    for (auto _ : state)
        ReadBack(drawing.list);
    if (drawing.list.count != objects) state.SkipWithError("the drawing did not read back whole");
    state.counters["per_object"] = PerObject(objects);
    state.SetItemsProcessed(state.iterations() * objects);
    state.SetLabel("goal: per_object within 15 % from 1000 to 300000");
}

void BM_FromCharsYardstick(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    DrawingFixture drawing(objects);
    for (auto _ : state)
        benchmark::DoNotOptimize(SumOfNumbers(drawing.bytes));
    state.counters["per_object"] = PerObject(objects);
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(drawing.bytes.size()));
}

// The read and the yardstick timed in turn, so that a busy machine slows both alike; ratio is the
// median over the turns of the read's time over the yardstick's.
void BM_ReadToYardstick(benchmark::State& state) {
    DrawingFixture drawing(static_cast<int>(state.range(0)));
    std::vector<double> read, yardstick, ratio;
    for (auto _ : state) {
        read.push_back(SecondsOf([](DrawingFixture& d) { ReadBack(d.list); }, drawing));
        yardstick.push_back(
            SecondsOf([](DrawingFixture& d) { benchmark::DoNotOptimize(SumOfNumbers(d.bytes)); }, drawing));
        ratio.push_back(read.back() / yardstick.back());
        state.SetIterationTime(read.back() + yardstick.back());
    }
    state.counters["read_ms"] = 1000 * Median(read);
    state.counters["yardstick_ms"] = 1000 * Median(yardstick);
    state.counters["ratio"] = Median(ratio);
    state.SetLabel(GoalLabel("ratio <= 1.6", Median(ratio) <= 1.6));
}

// The text of the file as WriteDrawing makes it and the yardstick timed in turn; ratio is the median
// over the turns of the writer's time over the yardstick's.
void BM_WriteToYardstick(benchmark::State& state) {
    DrawingFixture drawing(static_cast<int>(state.range(0)));
    ToCharsYardstick yardstick(drawing.bytes);
    if (yardstick.Written(yardstick.Write()) != drawing.bytes) {
        state.SkipWithError("the yardstick does not write the drawing's bytes");
        return;
    }
    std::vector<double> write, bare, ratio;
    std::string memory;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        // As WriteDrawing makes the text: in the memory of the save before.
        RecordWriter writer(std::move(memory), drawing.bytes.size());
        FormatDrawing(writer, drawing.list, Centre(), Shared.Units, Shared.ObjectSerial);
        benchmark::DoNotOptimize(writer.Text().data());
        memory = writer.Recycle();
        const auto middle = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(yardstick.Write());
        const auto end = std::chrono::steady_clock::now();
        write.push_back(std::chrono::duration<double>(middle - start).count());
        bare.push_back(std::chrono::duration<double>(end - middle).count());
        ratio.push_back(write.back() / bare.back());
        state.SetIterationTime(write.back() + bare.back());
    }
    state.counters["write_ms"] = 1000 * Median(write);
    state.counters["yardstick_ms"] = 1000 * Median(bare);
    state.counters["ratio"] = Median(ratio);
    state.SetLabel(GoalLabel("ratio <= 1.2", Median(ratio) <= 1.2));
}

// The time per object of a 300 000-object read over that of a 1 000-object one, timed in turn (the
// small drawing read 300 times per turn); spread is the median over the turns.
void BM_ReadSpread(benchmark::State& state) {
    DrawingFixture small(1000);
    DrawingFixture large(300000);
    std::vector<double> smallPerObject, largePerObject, spread;
    for (auto _ : state) {
        const double smallSeconds = SecondsOf(
            [](DrawingFixture& d) {
                for (int i = 0; i < 300; ++i)
                    ReadBack(d.list);
            },
            small);
        const double largeSeconds = SecondsOf([](DrawingFixture& d) { ReadBack(d.list); }, large);
        smallPerObject.push_back(1e9 * smallSeconds / (300.0 * 1000));
        largePerObject.push_back(1e9 * largeSeconds / 300000.0);
        spread.push_back(largePerObject.back() / smallPerObject.back());
        state.SetIterationTime(smallSeconds + largeSeconds);
    }
    state.counters["ns_per_object_1000"] = Median(smallPerObject);
    state.counters["ns_per_object_300000"] = Median(largePerObject);
    state.counters["spread"] = Median(spread);
    state.SetLabel(GoalLabel("spread within 0.85 to 1.15", Median(spread) >= 0.85 && Median(spread) <= 1.15));
}

BENCHMARK(BM_FormatDrawing)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDrawing)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlushReadDrawing)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(300000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FromCharsYardstick)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteToYardstick)->Arg(100000)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadToYardstick)->Arg(100000)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSpread)->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
