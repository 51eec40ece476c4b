#include "mixed_drawing.h"

#include "model/drawing_file.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "model/whole_file.h"

#include <string>

void UseBenchSheet() {
    Shared.Scale = 5;
    Shared.SheetWidth = 8400;
    Shared.SheetHeight = 5940;
}

std::unique_ptr<TObject> MixedObject(int i, int floors) {
    const int x = 1000 + (i * 37) % 20000;
    const int y = 1000 + (i * 53) % 15000;
    auto place = [&](TObject& o, int type) {
        o.type = type;
        o.view = 50 + i % floors;
        o.aux = i % 7;
        o.number = 10000 + i;
        o.x1 = x, o.y1 = y, o.x2 = x + 1200, o.y2 = y + 800;
    };
    switch (i % 14) {
    case 0: {
        auto o = std::make_unique<TLineobj>();
        place(*o, 1);
        return o;
    }
    case 1: {
        auto o = std::make_unique<TArcobj>();
        place(*o, 3);
        o->startX = x, o->startY = y + 400, o->endX = x + 600, o->endY = y;
        return o;
    }
    case 2: {
        auto o = std::make_unique<TTextobj>();
        place(*o, 4);
        o->x2 = 0;
        SetObjectString(o->fontName, o->fontNameLength, "Arial");
        SetObjectString(o->text, o->textLength, "Bedroom 2 " + std::to_string(i));
        o->size = 10, o->weight = 400, o->alignment = 1;
        return o;
    }
    case 3: {
        auto o = std::make_unique<TEllipseobj>();
        place(*o, 5);
        return o;
    }
    case 4: {
        auto o = std::make_unique<TCircleobj>();
        place(*o, 6);
        return o;
    }
    case 5: {
        auto o = std::make_unique<TRectangleobj>();
        place(*o, 7);
        return o;
    }
    case 6: {
        auto o = std::make_unique<TRndrectobj>();
        place(*o, 8);
        o->corner = 150;
        return o;
    }
    case 7: {
        auto o = std::make_unique<TPolyobj>();
        place(*o, 100);
        o->count = 6;
        for (int p = 0; p < o->count; ++p)
            o->x[p] = x + p * 100, o->y[p] = y + (p % 2) * 300;
        return o;
    }
    case 8: {
        auto o = std::make_unique<TOpeningobj>();
        place(*o, 28000);
        o->count = 4;
        for (int p = 0; p < o->count; ++p)
            o->x[p] = x + p * 200, o->y[p] = y;
        return o;
    }
    case 9: {
        auto o = std::make_unique<TArrowobj>();
        place(*o, 25000);
        o->ax1 = x, o->ay1 = y - 100, o->ax2 = x + 1200, o->ay2 = y - 100, o->ax3 = x - 50, o->ax4 = x + 1250;
        return o;
    }
    case 10: {
        auto o = std::make_unique<TRoomobj>();
        place(*o, 29000);
        o->width = 3600, o->length = 4200;
        SetObjectString(o->name, o->nameLength, "LIVING ROOM");
        SetObjectString(o->label1, o->label1Length, "3600 x 4200");
        SetObjectString(o->label2, o->label2Length, "15.1 sq m");
        return o;
    }
    case 11: {
        auto o = std::make_unique<TIntwallobj>();
        place(*o, 1500);
        o->iwall1 = 100, o->fx1 = x, o->fy1 = y + 100, o->fx2 = x + 1200, o->fy2 = y + 100;
        return o;
    }
    case 12: {
        auto o = std::make_unique<TExtwallobj>();
        place(*o, 1000);
        o->ewall1 = 102, o->ewall2 = 50, o->ewall3 = 100, o->ewall6 = 900;
        // The three faces run beside the wall from end to end, each its layers' depth further in.
        o->f1x1 = x, o->f1y1 = y + 102, o->f1x2 = x + 1200, o->f1y2 = y + 902;
        o->f2x1 = x, o->f2y1 = y + 152, o->f2x2 = x + 1200, o->f2y2 = y + 952;
        o->f3x1 = x, o->f3y1 = y + 252, o->f3x2 = x + 1200, o->f3y2 = y + 1052;
        return o;
    }
    default: {
        auto o = std::make_unique<TInfoobj>();
        place(*o, 32000);
        o->value = 120;
        return o;
    }
    }
}

bool WriteMixedDrawing(const std::string& path, int count, int floors) {
    UseBenchSheet();
    TList list;
    for (int i = 0; i < count; ++i)
        list.Add(MixedObject(i, floors));
    const RecordOrigin centre = SheetCentre(Shared.SheetWidth, Shared.SheetHeight, Shared.Scale);
    return static_cast<bool>(ReplaceFileAtomically(path, FormatDrawing(list, centre, 1, count)));
}
