// MakeTitleBlock: the floor's title, a text centred on the sheet below the lowest external wall,
// worded from the plan title settings and placed by the dimension offsets (so the overall dimension
// line fits between the plan and its title).
#include "view/title_block.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "settings/cfg_files.h"

#include <memory>
#include <string>

namespace {

// The title settings hold the three floors' titles in this order.
int TitleIndexOfView(int view) {
    switch (view) {
    case view_code::GroundFloor:
        return 0;
    case view_code::FirstFloor:
        return 1;
    case view_code::SecondFloor:
        return 2;
    default:
        return -1; // the fourth plan code, the layout and the rest have no title
    }
}

} // namespace

void MakeTitleBlock(TList& list) {
    const int view = Shared.CurrentView;
    if (view >= view_code::Printing) return;
    bool haveWall = false;
    int lowest = 300000;
    for (int i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
        if (o->type == type_code::ExternalWall && o->view == view && o->y1 < lowest) lowest = o->y1;
        haveWall = haveWall || (o->type == type_code::ExternalWall && o->view == view);
    }
    if (!haveWall) return;
    const int titleIndex = TitleIndexOfView(view);
    if (titleIndex < 0) return;

    CfgReport offsetsReport;
    const DimensionSettings offsets = ReadDimensionSettings(Shared.Units, &offsetsReport);
    CfgReport titlesReport;
    const PlanTitles titles = ReadPlanTitles(&titlesReport);
    // Without its settings the title's wording or place is unknown: no title rather than a guess.
    if (offsetsReport.fileMissing || titlesReport.fileMissing) return;
    const std::string& title = titles.titles[static_cast<std::size_t>(titleIndex)];

    const int centreX = static_cast<int>(static_cast<long long>(Shared.SheetWidth) * Shared.Scale / 2);
    // Below the plan by two external dimension offsets and the overall one.
    const int titleY = lowest - (2 * offsets.externalOffset + offsets.overallOffset);

    // The floor's earlier title of the same wording goes; one the user reworded stays.
    for (int i = 0; i < list.count;) {
        const auto* text = dynamic_cast<const TTextobj*>(list[i]);
        if (text != nullptr && text->type == type_code::FloorTitle && text->view == view &&
            ObjectString(text->text) == title)
            list.RemoveAt(i);
        else
            ++i;
    }

    auto made = std::make_unique<TTextobj>();
    made->type = type_code::FloorTitle;
    made->view = view;
    made->aux = 0;
    made->number = 0;
    made->x1 = centreX;
    made->y1 = titleY;
    made->x2 = 900;
    made->y2 = 0;
    made->z1 = 0;
    made->colour = static_cast<int>(Shared.DrawingColour);
    made->penWidth = 1;
    made->penStyle = 0;
    made->escapement = 0;
    made->alignment = 1;
    made->size = Shared.TextSize;
    made->weight = Shared.FontWeight;
    SetObjectString(made->fontName, made->fontNameLength, list.FontName);
    SetObjectString(made->text, made->textLength, title);
    list.Add(std::move(made));
    list.WriteDrawing();
}
