#include "walls/floor_plan_base.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "resources/help_contexts.h"
#include "rooms/room_layout.h"
#include "settings/cfg_files.h"
#include "settings/length_format.h"
#include "tools/drawing_view.h"
#include "tools/status_texts.h"

#include <cstdio>

namespace {

constexpr long long SquareMillimetresPerSquareMetre = 1000000;
constexpr long long SquareInchesPerSquareFoot = 144;
constexpr long long InchesPerFoot = 12;

} // namespace

void ShowHouseRectangleSize(DrawingView& view, int mode) {
    ShowHouseRectangleSize(view, mode, &WritePlanBounds);
}

void ShowHouseRectangleSize(DrawingView& view, int mode, PlanBoundsWriter writeBounds) {
    Shared.HelpContext = help_context::HouseRectangle;
    if (writeBounds(DrawingList) <= 1) return;
    const LayoutRectangle rectangle = ReadLayoutRectangle();
    const LayoutBounds bounds = ReadLayoutBounds();
    view.DatumX = bounds.left;
    view.DatumY = bounds.top;
    view.DatumState = 4;
    const bool metric = Shared.Units == 1;
    long long width = rectangle.width;
    long long length = rectangle.length;
    long long area = 0;
    if (metric) {
        area = width * length / SquareMillimetresPerSquareMetre;
    } else {
        width /= UnitsPerInch;
        length /= UnitsPerInch;
        area = width * length / SquareInchesPerSquareFoot;
    }
    if (ReadSizeDisplay().showSize != 0) return;
    char text[256];
    if (metric) {
        std::snprintf(text, sizeof text,
                      mode == 1
                          ? "\n width is %lld mm\n length is %lld mm\n Internal House Area (Rectangle) %lld "
                            "sq.metres"
                          : "width %lld ,length %lld mm, Internal House area (Rectangle) %lld sq.m, click "
                            "Extwall icon when ready",
                      width, length, area);
    } else {
        const long long widthFeet = width / InchesPerFoot;
        const long long widthInches = width % InchesPerFoot;
        const long long lengthFeet = length / InchesPerFoot;
        const long long lengthInches = length % InchesPerFoot;
        std::snprintf(text, sizeof text,
                      mode == 1
                          ? " \n %lld ft %lld inches wide\n length is %lld ft %lld inches\n Internal House "
                            "Area (Rectangle) %lld sq.ft"
                          : "width %lld ft %lld inches,length %lld ft %lld inches, Internal House Area "
                            "(Rectangle)%lld sq.ft, click Extwall icon when ready",
                      widthFeet, widthInches, lengthFeet, lengthInches, area);
    }
    if (mode == 1)
        ViewMessageBox(text, "EXTERNAL RECTANGLE SIZE", platform::MessageBoxStyle::Ok);
    else
        ShowPrompt(text);
}
