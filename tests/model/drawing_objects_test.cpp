#include "model/drawing_objects.h"
#include "model/object_class.h"
#include "model/shared_state.h"
#include "platform/device_context.h"
#include "platform/recording_surface.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

TEST(DrawingObjects, ConstructionDefaults) {
    ResetSharedState();
    Shared.DrawingColour = platform::Rgb(10, 20, 30);
    TObject base;
    EXPECT_EQ(base.type, 1);
    EXPECT_EQ(base.penWidth, 1);
    EXPECT_EQ(base.penStyle, 0);
    EXPECT_EQ(base.colour, static_cast<int>(platform::Rgb(10, 20, 30)));
    EXPECT_EQ(base.view | base.aux | base.number | base.x1 | base.z1 | base.x2 | base.z2 | base.y1 | base.y2,
              0);
    EXPECT_EQ(TLineobj().type, 1);
    EXPECT_EQ(TInfoobj().type, 32000);
    EXPECT_EQ(TRndrectobj().type, 8);
    EXPECT_EQ(TOpeningobj().type, 28000);
    TTextobj text;
    EXPECT_EQ(ObjectString(text.text), "");
    EXPECT_EQ(text.textLength, 0);
    TPolyobj polygon;
    EXPECT_EQ(polygon.count, 0);
    ResetSharedState();
}

TEST(DrawingObjects, ObjectStringsKeepWhatFitsAndTheirLength) {
    TTextobj text;
    SetObjectString(text.text, text.textLength, std::string(79, 'a'));
    EXPECT_EQ(ObjectString(text.text), std::string(79, 'a'));
    EXPECT_EQ(text.textLength, 79);
    SetObjectString(text.text, text.textLength, std::string(200, 'b'));
    EXPECT_EQ(ObjectString(text.text), std::string(79, 'b'));
    EXPECT_EQ(text.textLength, 79);
    TRoomobj room;
    SetObjectString(room.label1, room.label1Length,
                    std::string("12\0"
                                "45",
                                5));
    EXPECT_EQ(ObjectString(room.label1), "12");
    EXPECT_EQ(room.label1Length, 2);
    SetObjectString(room.name, room.nameLength, "");
    EXPECT_EQ(room.nameLength, 0);
}

TEST(DrawingObjects, TypeCodesChooseTheClass) {
    struct Range {
        int from;
        int to; // inclusive
        ObjectClass objectClass;
    };
    const Range ranges[] = {
        {1, 1, ObjectClass::Line},
        {11, 11, ObjectClass::Line},
        {41, 99, ObjectClass::Line},
        {27001, 27004, ObjectClass::Line},
        {3, 3, ObjectClass::Arc},
        {4, 4, ObjectClass::Text},
        {24, 24, ObjectClass::Text},
        {34, 37, ObjectClass::Text},
        {5, 5, ObjectClass::Ellipse},
        {6, 6, ObjectClass::Circle},
        {7, 7, ObjectClass::Rectangle},
        {8, 8, ObjectClass::RoundedRectangle},
        {100, 999, ObjectClass::Polygon},
        {1000, 1000, ObjectClass::ExternalWall},
        {1001, 1499, ObjectClass::Polygon},
        {1500, 1500, ObjectClass::InternalWall},
        {1501, 24999, ObjectClass::Polygon},
        {27000, 27000, ObjectClass::Polygon},
        {28000, 28000, ObjectClass::Opening},
        {25000, 25000, ObjectClass::Arrow},
        {26000, 26000, ObjectClass::Arrow},
        {29000, 29000, ObjectClass::Room},
        {32000, 40000, ObjectClass::Info},
        {2147483647, 2147483647, ObjectClass::Info},
    };
    for (const Range& range : ranges)
        for (long long code = range.from; code <= range.to; ++code)
            ASSERT_EQ(ClassOfType(static_cast<int>(code)), range.objectClass) << code;

    const std::pair<int, int> none[] = {{-5, 0},        {2, 2},         {9, 10},        {12, 23},
                                        {25, 33},       {38, 40},       {25001, 25999}, {26001, 26999},
                                        {27005, 27999}, {28001, 28999}, {29001, 31999}};
    for (const auto& [from, to] : none)
        for (int code = from; code <= to; ++code)
            ASSERT_EQ(ClassOfType(code), ObjectClass::None) << code;
}

TEST(DrawingObjects, NewObjectsHaveTheClassOfTheirCode) {
    EXPECT_EQ(NewObjectOfClass(ObjectClass::None), nullptr);
    EXPECT_NE(dynamic_cast<TRndrectobj*>(NewObjectOfClass(ClassOfType(8)).get()), nullptr);
    EXPECT_NE(dynamic_cast<TOpeningobj*>(NewObjectOfClass(ClassOfType(28000)).get()), nullptr);
    EXPECT_NE(dynamic_cast<TExtwallobj*>(NewObjectOfClass(ClassOfType(1000)).get()), nullptr);
    EXPECT_NE(dynamic_cast<TInfoobj*>(NewObjectOfClass(ClassOfType(32003)).get()), nullptr);
}

TEST(DrawingObjects, InformationRecordPaintsNothingInAnyDisplayMode) {
    ResetSharedState();
    TInfoobj info;
    info.x1 = 100, info.y1 = 100, info.x2 = 900, info.y2 = 900, info.value = 80;
    platform::RecordingSurface surface;
    platform::DeviceContext dc(surface);
    for (int mode = 0; mode < 40; ++mode) {
        Shared.DisplayMode = mode;
        info.Paint(dc, platform::Rect{0, 0, 640, 480}, 0);
        info.PaintMapped(dc, platform::Rect{0, 0, 640, 480}, 1);
        info.DrawScaled(dc, 25, 480, 0);
    }
    // The painters may choose a pen and prepare the mapping, but no primitive is drawn.
    for (const platform::DrawCall& call : surface.Calls())
        EXPECT_TRUE(call.name.rfind("Select", 0) == 0 || call.name.rfind("Set", 0) == 0) << call.ToString();
    ResetSharedState();
}

} // namespace
