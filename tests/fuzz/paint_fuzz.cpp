// Fuzzes the paint road: the bytes are read as a drawing file, then the whole view is painted in every
// display mode (at the program's zoom, zoomed out to the drawing's extents or zoomed in far) on the
// raster surface, one of the modes through the recording surface into it, and one mode twice: painted
// primitive by primitive and held after a crowded paint, the two pictures alike; every object is also
// printed and exported as the printer and the bitmap export paint it. Nothing may overflow, read out of
// bounds or hang, whatever the file holds.
#include "model/drawing_file.h"
#include "model/drawing_list.h"
#include "model/object_painting.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "platform/device_context.h"
#include "platform/raster_surface.h"
#include "platform/recording_surface.h"
#include "platform/text_renderer.h"
#include "view/whole_view_painting.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

using namespace platform;

namespace {

constexpr int Width = 72;
constexpr int Height = 48;

// Text as blocks: the same small mask of ink runs for every text, advanced by the font's average
// character width, so text costs little and the surface still measures, places, clips and fills it.
class BlockText : public TextRenderer {
  public:
    BlockText() {
        auto mask = std::make_shared<TextMask>();
        mask->width = 12;
        mask->height = 10;
        mask->originY = 8;
        for (int y = 0; y < 10; y += 2)
            for (int x = 0; x < 12; x += 3)
                mask->runs.push_back({y, x, x + 1});
        mask_ = mask;
    }
    TextMetrics Metrics(const DeviceFont& font) override { return RecordingSurface::FixedMetrics(font); }
    int Advance(const DeviceFont& font, std::string_view text) override {
        const long long advance = static_cast<long long>(Metrics(font).aveCharWidth) * text.size();
        return static_cast<int>(std::min<long long>(advance, 1 << 30));
    }
    std::shared_ptr<const TextMask> Render(const DeviceFont& font, std::string_view text) override {
        auto mask = std::make_shared<TextMask>(*mask_);
        mask->advance = Advance(font, text);
        return mask;
    }

  private:
    std::shared_ptr<const TextMask> mask_;
};

struct Road {
    Road() : raster(buffer, text) {
        folder =
            std::filesystem::temp_directory_path() / ("korvane-paint-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder / "CFG");
        // Every floor and the outlines flagged, so the overlay modes paint every floor.
        std::ofstream(folder / "CFG" / "OVERLAY.CFG") << "1 1 1 1 1\n";
        DrawingList.ProgramDir = folder.string() + "/";
        DrawingList.FontName = "Block";
    }
    ~Road() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::filesystem::path folder;
    BlockText text;
    PixelBuffer buffer{Width, Height};
    RasterSurface raster;
    // Recording over the raster surface, as a view records a paint a script asks to see.
    RecordingSurface recording{{Width, Height}, &raster};
};

Road& TheRoad() {
    static Road road;
    return road;
}

// The three ways a view may look at the drawing: the program's zoom over the extents' corner, the whole
// extents in the view, and one logical unit to many pixels.
enum class Zoom { Normal, Fit, Close };

void SetMapping(Zoom zoom, const DrawingExtents& extents) {
    const int scale = std::max(Shared.Scale, 1);
    const long long left = extents.leastX / scale;
    const long long bottom = extents.leastY / scale;
    const long long across =
        std::max<long long>((static_cast<long long>(extents.greatestX) - extents.leastX) / scale, 1);
    const long long up =
        std::max<long long>((static_cast<long long>(extents.greatestY) - extents.leastY) / scale, 1);
    auto toInt = [](long long v) {
        return static_cast<int>(std::clamp<long long>(v, -2147483647, 2147483647));
    };
    Shared.ScrollX = toInt(left);
    Shared.ScrollY = toInt(bottom);
    switch (zoom) {
    case Zoom::Normal:
        Shared.ClientWidth = Width * scale;
        Shared.ClientHeight = Height * scale;
        break;
    case Zoom::Fit:
        Shared.ClientWidth = toInt(std::max(across, up * Width / Height));
        Shared.ClientHeight = toInt(std::max(up, across * Height / Width));
        break;
    case Zoom::Close:
        Shared.ClientWidth = 1;
        Shared.ClientHeight = 1;
        break;
    }
}

void PaintView(Surface& surface) {
    DeviceContext dc(surface);
    dc.FillDeviceRect({0, 0, Width, Height}, Shared.BackgroundColour);
    PaintAll(DrawingList, dc, Rect{0, 0, Width, Height});
}

// A paint that fills the image four times over makes the next paint on the thread hold its primitives
// and leave out what later ones cover; one that fills nothing makes it paint each as it comes.
void PaintBefore(RasterSurface& surface, bool crowded) {
    const HeldPrimitives held(surface);
    for (int i = 0; crowded && i < 4; ++i)
        surface.FillRect({0, 0, Width, Height}, Rgb(255, 255, 255));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Road& road = TheRoad();
    ResetSharedState();
    Shared.SheetWidth = 8400;
    Shared.SheetHeight = 5940;
    DrawingList.Flush();
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const DrawingReadResult read = ParseDrawing(file, SheetCentre(8400, 5940, 5), DrawingList);
    Shared.Units = read.headerRead ? read.units : 1;
    SetScreenScale();
    SetBitmapExtents(read.extents, Shared.Units);
    const int view = DrawingList.count > 0 ? DrawingList[0]->view : 50;

    // The zoom and the one mode that is also recorded follow the input's length, so each input paints
    // at one zoom and the corpus at all three. Recording costs several times the painting.
    SetMapping(static_cast<Zoom>(size % 3), read.extents);
    static constexpr int Modes[] = {0, 1, 2, 3, 4, 10, 11, 12, 13, 14, 20, 21, 22, 23, 24, 30};
    const std::size_t recorded = size / 3 % std::size(Modes);
    for (std::size_t m = 0; m < std::size(Modes); ++m) {
        Shared.DisplayMode = Modes[m];
        // The overlay modes may move CurrentView; each mode starts from the drawing's first view.
        Shared.CurrentView = view;
        if (m == recorded) {
            PaintView(road.recording);
            road.recording.Clear();
        } else {
            PaintView(road.raster);
        }
    }

    // One mode, again following the length, painted once primitive by primitive and once held after a
    // crowded paint: what the held paint leaves out must not show.
    Shared.DisplayMode = Modes[size % std::size(Modes)];
    Shared.CurrentView = view;
    PaintBefore(road.raster, false);
    PaintView(road.raster);
    const PixelBuffer direct = road.buffer;
    Shared.CurrentView = view;
    PaintBefore(road.raster, true);
    PaintView(road.raster);
    if (!(road.buffer == direct)) {
        std::fprintf(stderr, "The held paint in display mode %d differs from painting every primitive\n",
                     Shared.DisplayMode);
        std::abort();
    }

    // The printer's and the bitmap export's paint of every object, walls in each of their three looks.
    DeviceContext dc(road.raster);
    const int height = static_cast<int>(std::min<long long>(Shared.BitmapHeight * 25LL, 2147483647));
    for (int mode : {0, 10, 20}) {
        Shared.DisplayMode = mode;
        for (int i = 0; i < DrawingList.count; ++i) {
            PrintObject(*DrawingList[i], dc);
            PaintObjectScaled(*DrawingList[i], dc, 0, 25, height, 10);
            // A divisor of 1 and references at the ends of the range put the points at its ends.
            PaintObjectScaled(*DrawingList[i], dc, 0, 1, INT_MAX, INT_MIN / 2);
        }
    }
    DrawingList.Flush();
    return 0;
}
