#include "resources/dialog_resources.h"

#include "resources/door_pictures.h"

#include <map>
#include <string>

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogTemplate;
using platform::Validator;

namespace {

// Small builders so each resource below reads like the resource script it stands for.
ControlTemplate Edit(int id, std::string label, int textSize, Validator validator = Validator::None(),
                     std::string initialText = "") {
    ControlTemplate c;
    c.id = id;
    c.kind = ControlKind::Edit;
    c.text = std::move(label);
    c.textSize = textSize;
    c.validator = std::move(validator);
    c.initialText = std::move(initialText);
    return c;
}

ControlTemplate NameEdit(int id, std::string label, int textSize = 25, std::string initialText = "") {
    return Edit(id, std::move(label), textSize, Validator::Filter(NameCharacters), std::move(initialText));
}

ControlTemplate RangeEdit(int id, std::string label, int textSize, int min, int max,
                          std::string initialText = "") {
    return Edit(id, std::move(label), textSize, Validator::Range(min, max), std::move(initialText));
}

// The first radio button of a group.
ControlTemplate FirstRadio(int id, std::string text) {
    ControlTemplate c;
    c.id = id;
    c.kind = ControlKind::RadioButton;
    c.text = std::move(text);
    c.groupStart = true;
    return c;
}

ControlTemplate Radio(int id, std::string text) {
    ControlTemplate c = FirstRadio(id, std::move(text));
    c.groupStart = false;
    return c;
}

ControlTemplate CheckBox(int id, std::string text) {
    ControlTemplate c;
    c.id = id;
    c.kind = ControlKind::CheckBox;
    c.text = std::move(text);
    return c;
}

// A radio button shown as a picture with no text; `first` starts its group.
ControlTemplate PictureRadio(int id, bool first, platform::PictureDrawer picture, int size) {
    ControlTemplate c = FirstRadio(id, "");
    c.groupStart = first;
    c.picture = std::move(picture);
    c.pictureSize = {size, size};
    return c;
}

ControlTemplate Static(std::string text, int id = StaticTextId, int textSize = 0) {
    ControlTemplate c;
    c.id = id;
    c.kind = ControlKind::Static;
    c.text = std::move(text);
    c.textSize = textSize;
    return c;
}

ControlTemplate Group(std::string text) {
    ControlTemplate c;
    c.id = StaticTextId;
    c.kind = ControlKind::GroupBox;
    c.text = std::move(text);
    return c;
}

// The controls of `first` followed by those of `second`.
std::vector<ControlTemplate> Joined(std::vector<ControlTemplate> first, std::vector<ControlTemplate> second) {
    for (ControlTemplate& c : second)
        first.push_back(std::move(c));
    return first;
}

DialogTemplate Dialog(int id, std::string title, std::vector<ControlTemplate> controls,
                      bool helpButton = true) {
    DialogTemplate t;
    t.resourceId = id;
    t.title = std::move(title);
    t.controls = std::move(controls);
    t.helpButton = helpButton;
    return t;
}

// Drawing set-up.

DialogTemplate NewDrawing() {
    return Dialog(2024, "new drawing",
                  {NameEdit(2027, "(up to 24 letters - no file extension)"),
                   FirstRadio(2208, "layout design rooms"), Radio(2209, "drawing external walls"),
                   FirstRadio(2026, "metric dimensions"), Radio(2025, "dimensions in feet && inches")});
}

DialogTemplate CopyDrawing() {
    return Dialog(9020, "copy drawings", {NameEdit(9021, "new client name")});
}

DialogTemplate MeasuringUnits() {
    return Dialog(5450, "measuring units", {FirstRadio(5451, "metric - m.m."), Radio(5452, "feet && inches")},
                  false);
}

DialogTemplate ManipulateDrawing() {
    return Dialog(
        19000, "manipulate drawing file",
        {NameEdit(19001,
                  "for a NEW file for this rotation/mirror, please insert new name - else leave as shown"),
         FirstRadio(19002, "90 degree clockwise rotation"), Radio(19003, "180 degree clockwise rotation"),
         Radio(19004, "270 degree clockwise rotation"), Radio(19005, "mirror existing drawing")});
}

DialogTemplate About() {
    return Dialog(9030, "About Korvane ", {Static("Korvane 5.0")}, false);
}

// Dimensions and texts.

// The two dimension-offset twins share their layout; only ids, ranges and titles differ.
struct OffsetIds {
    int resourceId;
    const char* title;
    int internalEdit, externalEdit, overallEdit;
    int horizontal, parallel, dimension9, dimension10, roomDimension9, roomDimension10, roomName9, roomName10;
};

DialogTemplate DimensionOffsets(const OffsetIds& ids, int internalMin, int internalMax, int overallMin,
                                int overallMax) {
    return Dialog(ids.resourceId, ids.title,
                  {RangeEdit(ids.internalEdit, "internal dimensions", 6, internalMin, internalMax),
                   RangeEdit(ids.externalEdit, "external dimensions", 6, internalMin, internalMax),
                   RangeEdit(ids.overallEdit, "overall dimensions", 6, overallMin, overallMax),
                   FirstRadio(ids.horizontal, "all text horizontal"),
                   Radio(ids.parallel, "text parallel to walls"), Group("dimension text"),
                   FirstRadio(ids.dimension9, "9 pts"), Radio(ids.dimension10, "10 pts"),
                   Group("room dimensions"), FirstRadio(ids.roomDimension9, "9 pts"),
                   Radio(ids.roomDimension10, "10 pts"), Group("room name"),
                   FirstRadio(ids.roomName9, "9 pts"), Radio(ids.roomName10, "10 pts")});
}

DialogTemplate MetricOffsets() {
    return DimensionOffsets(
        {5500, "showing dimensions", 5501, 5502, 5503, 5504, 5505, 5506, 5507, 5508, 5509, 5510, 5511}, 100,
        3000, 100, 5000);
}

DialogTemplate ImperialOffsets() {
    return DimensionOffsets(
        {5600, "dimension offsets", 5609, 5610, 5611, 5601, 5602, 5603, 5604, 5605, 5606, 5607, 5608}, 6, 120,
        6, 240);
}

DialogTemplate PlanTitles() {
    return Dialog(20000, "drawing titles",
                  {Edit(20001, "show title of ground floor plan as :-", 25), Edit(20002, "first floor", 25),
                   Edit(20003, "second floor", 25), Static("maximum of 24 letters/spaces")});
}

DialogTemplate LineText() {
    return Dialog(2690, "line text",
                  {Edit(2691, "text for line", 22), Static("(20 letters/numbers max)"),
                   FirstRadio(2692, "text to the LEFT or ABOVE line"),
                   Radio(2693, "text to the RIGHT or BELOW line")});
}

DialogTemplate TextDetails() {
    return Dialog(2300, "text details",
                  {Static("", 2305, 32), Static("", 2306, 10), Static("", 2307, 5),
                   FirstRadio(2301, "cursor is centre point of text"),
                   Radio(2302, "text goes to right of cursor"), FirstRadio(2303, "horizontal text"),
                   Radio(2304, "vertical text")});
}

DialogTemplate LineStyle() {
    return Dialog(14000, "drawing tool style",
                  {FirstRadio(14001, "solid thin line"), Radio(14002, "solid thick line"),
                   Radio(14003, "dashed thin line"), Radio(14004, "dotted thin line"),
                   Radio(14005, "dot dash thin line")},
                  false);
}

DialogTemplate Measurement() {
    // The fraction edits hold "0" in the resource; a length of whole inches leaves them so.
    return Dialog(9500, "measurement",
                  {RangeEdit(9501, "feet", 6, 0, 100, "0"), RangeEdit(9502, "inches", 7, 0, 11, "0"),
                   RangeEdit(9503, "numerator", 4, 0, 15, "0"),
                   RangeEdit(9504, "denominator", 4, 0, 16, "0")});
}

// Doors and windows.

DialogTemplate DoorDefaults() {
    return Dialog(
        5400, "doors",
        {Static("start-up single door"), RangeEdit(5410, "metric   range 100-5000 m,m,", 5, 100, 5000),
         RangeEdit(5411, "inches - range 4-200 inches", 4, 4, 200), Group("door opening angle - plan views"),
         FirstRadio(5404, "30"), Radio(5405, "60"), Radio(5406, "90"), Group("door thickness - plan views"),
         FirstRadio(5407, "1 - minimum"), Radio(5408, "2 - maximum")});
}

// The eight door types as picture radios, type 1 first; `ids` in type order.
std::vector<ControlTemplate> DoorTypePictures(const std::vector<int>& ids,
                                              platform::PixelBuffer (*picture)(int, int, int)) {
    std::vector<ControlTemplate> radios;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const int type = static_cast<int>(i) + 1;
        radios.push_back(PictureRadio(
            ids[i], i == 0, [picture, type](int width, int height) { return picture(type, width, height); },
            DoorPictureSize));
    }
    return radios;
}

DialogTemplate SlidingDoor() {
    return Dialog(13000, "sliding door",
                  Joined({RangeEdit(13001, "sliding door width  - inches/m.m", 7, 5, 5000),
                          CheckBox(13002, "check ONLY if door slides INTO wall")},
                         DoorTypePictures({13003, 13004, 13005, 13006, 13007, 13008, 13009, 13010},
                                          SlidingDoorPicture)));
}

DialogTemplate HingedDoor() {
    return Dialog(10500, "doors",
                  Joined({RangeEdit(10501, "door width       (inches / m.m.)", 7, 5, 5000)},
                         DoorTypePictures({10509, 10508, 10507, 10506, 10505, 10504, 10503, 10502},
                                          HingedDoorPicture)));
}

DialogTemplate DoubleDoors() {
    return Dialog(10000, "double doors & sliding doors",
                  {RangeEdit(10001, "doors -  total opening width", 7, 10, 7000),
                   FirstRadio(10002, "double doors - hinged"), Radio(10003, "two sliding doors"),
                   Radio(10004, "four sliding doors"), Group("HINGED doors opening to :-"),
                   FirstRadio(10005, "TOP of screen"), Radio(10006, "BOTTOM of screen"),
                   Radio(10007, "LEFT SIDE of screen"), Radio(10008, "RIGHT SIDE of screen")});
}

DialogTemplate SingleOrMultipleDoors() {
    return Dialog(
        13500, "single or multiple doors",
        {FirstRadio(13501, "single sliding door"), Radio(13502, "multiple hanging or sliding doors")}, false);
}

DialogTemplate WindowsAndExternalDoors() {
    return Dialog(6500, "windows & external doors",
                  {RangeEdit(6501, "window width", 5, 4, 9000), RangeEdit(6502, "window height", 5, 4, 9000),
                   Static("inches or m.m"), CheckBox(6504, "show sizes on plan"),
                   CheckBox(6505, "show cill on plan"), Group("opening"), FirstRadio(6508, "window "),
                   Radio(6510, "main entry"), Radio(6511, "wall opening"),
                   Radio(6512, "single external door"), Radio(6513, "French doors - open out"),
                   Radio(6514, "French doors - open in"), Radio(6515, "garage door"), Group("text size"),
                   FirstRadio(6506, "7 pt"), Radio(6507, "9 pt")});
}

DialogTemplate MainEntry() {
    return Dialog(6000, "main entry joinery",
                  {RangeEdit(6001, "width of EACH door", 6, 4, 1500), Static("inches or m.m"),
                   FirstRadio(6002, "single door to entry"), Radio(6003, "double doors to entry"),
                   Group("entry frame"), Static("when viewed from OUTSIDE house"),
                   FirstRadio(6004, "door(s) on RIGHT side"), Radio(6005, "door(s) on LEFT side"),
                   Radio(6006, "door(s) CENTRAL in frame")});
}

// Stairs.

DialogTemplate MetricStairSizes() {
    return Dialog(3800, "custom stair details",
                  {RangeEdit(3803, "height of each riser", 4, 100, 300),
                   RangeEdit(3804, "width of each tread", 4, 150, 600)});
}

DialogTemplate ImperialStairSizes() {
    return Dialog(3900, "custom stair details",
                  {Static("height of each riser"), RangeEdit(3905, "inches", 4, 4, 12, "0"),
                   RangeEdit(3906, "numerator", 3, 0, 7, "0"), RangeEdit(3907, "denominator", 3, 0, 8, "0"),
                   Static("width of each tread"), RangeEdit(3908, "inches", 4, 6, 24, "0"),
                   RangeEdit(3909, "numerator", 3, 0, 7, "0"), RangeEdit(3910, "denominator", 3, 0, 8, "0")});
}

// The flight and top-tread radios of the two stair-details twins; the tread position's ids are not
// in the order of their codes.
std::vector<ControlTemplate> StairChoices(int halfway, int straight, int top, int right, int bottom,
                                          int left) {
    return {FirstRadio(halfway, "halfway return landing"),
            Radio(straight, "straight flight"),
            Group("TOP tread position will be at :-"),
            FirstRadio(top, "top of screen"),
            Radio(right, "right side of screen"),
            Radio(bottom, "bottom of screen"),
            Radio(left, "left side of screen")};
}

DialogTemplate MetricStairs() {
    return Dialog(
        2550, "stairs",
        Joined({RangeEdit(2551, "width of stairs", 6, 800, 6000, "900"),
                RangeEdit(2559, "stairwell length of straight flights, only if less than the full run", 6, 0,
                          7500, "2000"),
                RangeEdit(2560, "storey height of the floor to have stairs", 6, 2000, 7500, "2550")},
               StairChoices(2552, 2553, 2554, 2558, 2557, 2555)));
}

DialogTemplate ImperialStairs() {
    return Dialog(
        3080, "stairs",
        Joined({RangeEdit(3081, "stair width in inches", 5, 32, 240, "36"),
                RangeEdit(3082, "stairwell length of straight flights, only if less than the full run - feet",
                          4, 0, 25, "7"),
                RangeEdit(3083, "inches", 4, 0, 11, "0"),
                RangeEdit(3091, "storey height of the floor to have stairs - feet", 6, 6, 15, "8"),
                RangeEdit(3092, "inches", 4, 0, 11, "6")},
               StairChoices(3084, 3085, 3086, 3087, 3089, 3090)));
}

// Rooms.

constexpr int RoomNameSize = 17;

// The colour and size radios of the design-room dialogs, from the first colour radio's id on.
std::vector<ControlTemplate> DesignRoomChoices(int firstColour) {
    const int c = firstColour;
    const int s = firstColour + 4;
    return {Group("colour"),
            FirstRadio(c, "no colour"),
            Radio(c + 1, "wet area colour"),
            Radio(c + 2, "bedroom colour"),
            Radio(c + 3, "other rooms colour"),
            Group("show dimensions on PLAN"),
            FirstRadio(s, "below name"),
            Radio(s + 1, "show no sizes"),
            Radio(s + 2, "both sizes with arrows"),
            Radio(s + 3, "horizontal size &&  arrows"),
            Radio(s + 4, "vertical size && arrows")};
}

DialogTemplate MetricDesignRoom(int id, const char* title) {
    return Dialog(
        id, title,
        Joined({NameEdit(id + 1, "room name", RoomNameSize, "room "), Static("15 letters/numbers max"),
                RangeEdit(id + 2, "horizontal size", 7, 100, 30001, "3000"),
                RangeEdit(id + 3, "vertical size", 7, 100, 30001, "3000")},
               DesignRoomChoices(id + 4)));
}

// Feet, inches and a fraction of an inch in four edits from `first` on; each starts as the template
// convention has it: the feet as given, the rest "0".
std::vector<ControlTemplate> FeetInchesEdits(int first, const char* what, int feetSize, int maxFeet,
                                             std::string feet, int fractionSize, int denominatorSize) {
    return {RangeEdit(first, std::string(what) + " - feet", feetSize, 1, maxFeet, std::move(feet)),
            RangeEdit(first + 1, "inches", fractionSize, 0, 11, "0"),
            RangeEdit(first + 2, "numerator", fractionSize, 0, 7, "0"),
            RangeEdit(first + 3, "denominator", denominatorSize, 0, 8, "0")};
}

DialogTemplate ImperialDesignRoom(int id, const char* title, int maxFeet) {
    std::vector<ControlTemplate> controls = {NameEdit(id + 1, "room name", RoomNameSize, "room "),
                                             Static("15 letters/numbers max")};
    controls =
        Joined(std::move(controls), FeetInchesEdits(id + 2, "horizontal size", 5, maxFeet, "10", 5, 4));
    controls = Joined(std::move(controls), FeetInchesEdits(id + 6, "vertical size", 5, maxFeet, "10", 5, 4));
    return Dialog(id, title, Joined(std::move(controls), DesignRoomChoices(id + 10)));
}

DialogTemplate NewDesignRoom() {
    return MetricDesignRoom(22000, "new design room");
}
DialogTemplate NewImperialDesignRoom() {
    return ImperialDesignRoom(22500, "new design room", 34);
}
DialogTemplate MaximumDesignRoom() {
    return MetricDesignRoom(23000, "maximum size for new design room");
}
DialogTemplate MaximumImperialDesignRoom() {
    return ImperialDesignRoom(23500, "maximum size for new design room", 100);
}

DialogTemplate MetricRoomPartitions() {
    return Dialog(21000, "Internal wall size for design rooms",
                  {RangeEdit(21001, "internal wall thickness", 5, 25, 900),
                   Static("( will be used for all DESIGN rooms drawn on this floor )")});
}

DialogTemplate ImperialRoomPartitions() {
    return Dialog(21500, "Internal wall size for design rooms",
                  {Static("internal wall thickness"), RangeEdit(21501, "inches", 5, 1, 30, "0"),
                   RangeEdit(21502, "numerator", 4, 0, 7, "0"), RangeEdit(21503, "denominator", 4, 0, 8, "0"),
                   Static("( will be used for all DESIGN rooms drawn on this floor )")});
}

// The size radios of the fixed-room dialogs, from the first one's id on.
std::vector<ControlTemplate> FixedRoomSizeChoices(int first) {
    return {FirstRadio(first, "show sizes BELOW room name"), Radio(first + 1, "show NO sizes"),
            Radio(first + 2, "show BOTH sizes with arrows"),
            Radio(first + 3, "show HORIZONTAL size with arrows"),
            Radio(first + 4, "show VERTICAL size with arrows")};
}

DialogTemplate MetricFixedRoom() {
    return Dialog(8000, "new fixed room",
                  Joined({NameEdit(8001, "room name", RoomNameSize, "room "),
                          RangeEdit(8002, "size horizontallly       (range 400-20000 m.m)", 7, 400, 30001),
                          RangeEdit(8003, "size vertically", 7, 400, 30001),
                          RangeEdit(8004, "wall thickness - mm", 6, 10, 1001)},
                         FixedRoomSizeChoices(8005)));
}

DialogTemplate ImperialFixedRoom() {
    std::vector<ControlTemplate> controls = {NameEdit(8501, "room name", RoomNameSize, "room ")};
    controls = Joined(std::move(controls), FeetInchesEdits(8502, "size horizontally", 5, 61, "0", 5, 5));
    controls = Joined(std::move(controls), FeetInchesEdits(8506, "size vertically", 5, 61, "0", 5, 5));
    controls = Joined(std::move(controls), {RangeEdit(8510, "wall thickness - inches", 5, 1, 50, "0"),
                                            RangeEdit(8511, "numerator", 4, 0, 7, "0"),
                                            RangeEdit(8512, "denominator", 4, 0, 8, "0")});
    return Dialog(8500, "new fixed room", Joined(std::move(controls), FixedRoomSizeChoices(8513)));
}

using Builder = DialogTemplate (*)();

const std::map<int, Builder>& Builders() {
    static const std::map<int, Builder> builders = {
        {2024, NewDrawing},
        {9020, CopyDrawing},
        {5450, MeasuringUnits},
        {19000, ManipulateDrawing},
        {9030, About},
        {5500, MetricOffsets},
        {5600, ImperialOffsets},
        {20000, PlanTitles},
        {2690, LineText},
        {2300, TextDetails},
        {14000, LineStyle},
        {9500, Measurement},
        // Doors, windows, stairs and rooms.
        {5400, DoorDefaults},
        {13000, SlidingDoor},
        {10500, HingedDoor},
        {10000, DoubleDoors},
        {13500, SingleOrMultipleDoors},
        {6500, WindowsAndExternalDoors},
        {6000, MainEntry},
        {3800, MetricStairSizes},
        {3900, ImperialStairSizes},
        {2550, MetricStairs},
        {3080, ImperialStairs},
        {22000, NewDesignRoom},
        {22500, NewImperialDesignRoom},
        {23000, MaximumDesignRoom},
        {23500, MaximumImperialDesignRoom},
        {21000, MetricRoomPartitions},
        {21500, ImperialRoomPartitions},
        {8000, MetricFixedRoom},
        {8500, ImperialFixedRoom},
    };
    return builders;
}

} // namespace

DialogTemplate DialogResource(int resourceId) {
    auto it = Builders().find(resourceId);
    if (it != Builders().end()) return it->second();
    DialogTemplate unknown;
    unknown.resourceId = resourceId;
    return unknown;
}

std::vector<int> DialogResourceIds() {
    std::vector<int> ids;
    for (const auto& entry : Builders())
        ids.push_back(entry.first);
    return ids;
}
