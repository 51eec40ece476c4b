#include "app/print_renderer.h"

#include "model/drawing_list.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/object_painting.h"
#include "model/shared_state.h"

#include <cstdio>

namespace {

// Whether the display mode lets an object of `type` onto the page.
bool Printed(int type) {
    switch (Shared.DisplayMode) {
    case 0:
    case 10:
    case 20:
        return true;
    case 1:
    case 11:
    case 21:
        // Manual dimensions are the user's own and print; the automatic ones are left out.
        return type != type_code::DimensionText && type != type_code::AutomaticDimension;
    default:
        // The overlay modes print nothing; the print dialog never leaves one in force.
        return false;
    }
}

} // namespace

void PrintAll(const TList& list, platform::DeviceContext& dc) {
    if (Shared.CurrentView < view_code::Printing) return;
    const int floor = Shared.CurrentView - view_code::PrintingFloorBase;
    for (int i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
        if (o->view == floor && o->type < type_code::FirstInformation && Printed(o->type))
            PrintObject(*o, dc);
    }
}

std::unique_ptr<TTextobj> PrintScaleCaption(const TList& list, int scale, int showScale) {
    const int floor = Shared.CurrentView - view_code::PrintingFloorBase;
    const TTextobj* reference = nullptr;
    for (int i = 0; i < list.count && !reference; ++i)
        if (list[i]->type == type_code::FloorTitle && list[i]->view == floor)
            reference = static_cast<const TTextobj*>(list[i]);
    if (!reference) {
        // The lowest dimension text; the first of equals.
        int lowest = 200000;
        for (int i = 0; i < list.count; ++i) {
            const TObject* o = list[i];
            if (o->type == type_code::DimensionText && o->view == floor && o->y1 < lowest) {
                lowest = o->y1;
                reference = static_cast<const TTextobj*>(o);
            }
        }
    }
    if (!reference || showScale != 1) return nullptr;

    char text[TTextobj::TextCapacity];
    std::snprintf(text, sizeof text, "scale %d : 1", scale);
    // In the reference text's font, face, size and weight; level, left-aligned and of no object.
    auto caption = std::make_unique<TTextobj>(*reference);
    caption->type = type_code::Text;
    caption->view = floor;
    caption->aux = caption->number = 0;
    caption->y1 = static_cast<int>(static_cast<long long>(reference->y1) - 30LL * reference->size);
    caption->x2 = 900;
    caption->y2 = caption->z1 = caption->z2 = 0;
    caption->colour = static_cast<int>(Shared.DrawingColour);
    caption->penWidth = 1;
    caption->penStyle = caption->escapement = 0;
    caption->alignment = 1;
    SetObjectString(caption->text, caption->textLength, text);
    return caption;
}

void PrintUnderDisplayMode(TTextobj& caption, platform::DeviceContext& dc) {
    if (Printed(caption.type)) PrintObject(caption, dc);
}
