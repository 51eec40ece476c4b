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

// A control fixed by its kind, id and text alone.
ControlTemplate Plain(ControlKind kind, int id, std::string text) {
    ControlTemplate c;
    c.id = id;
    c.kind = kind;
    c.text = std::move(text);
    return c;
}

ControlTemplate Check(int id, std::string text) {
    return Plain(ControlKind::CheckBox, id, std::move(text));
}

ControlTemplate List(int id, std::string label) {
    return Plain(ControlKind::ListBox, id, std::move(label));
}

ControlTemplate Group(std::string text) {
    return Plain(ControlKind::GroupBox, StaticTextId, std::move(text));
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

// Printing.

DialogTemplate PrintPlanViews() {
    // Copies 0 to 999 and a scale of 1 to 9999: a scale of 0 would divide by zero, a negative one
    // print mirrored.
    auto copies = [](int id, std::string label) { return RangeEdit(id, std::move(label), 5, 0, 999, "0"); };
    auto scale = [](int id, std::string label) { return RangeEdit(id, std::move(label), 5, 1, 9999); };
    return Dialog(19500, "print plan views",
                  {Group("number of copies"), copies(19501, "ground floor"), copies(19502, "first floor"),
                   copies(19503, "second floor"), Group("scale :1"), scale(19504, "ground floor"),
                   scale(19505, "first floor"), scale(19506, "second floor"), Group("print line thickness"),
                   FirstRadio(19512, "light"), Radio(19513, "medium"), Radio(19514, "heavy"), Group("walls"),
                   FirstRadio(19515, "show walls as normal"), Radio(19516, "show walls cross hatched"),
                   Radio(19517, "show walls solid"), Check(19509, "print NO external dimensions"),
                   Check(19510, "print NO drawing scale")});
}

DialogTemplate MetricPrinterCalibration() {
    return Dialog(3200, "printer calibration",
                  {Static("15000 m.m  printed out at 100:1 scale"), Static("shows as"),
                   RangeEdit(3201, "m.m.", 7, 14000, 16000)});
}

DialogTemplate ImperialPrinterCalibration() {
    return Dialog(3300, "printer calibration",
                  {Static("52 feet printed out at 96:1 scale"), Static("(1/4 inch to 1 foot)"),
                   Static("shows as"), RangeEdit(3302, "feet", 4, 40, 60),
                   RangeEdit(3301, "inches", 4, 0, 11)});
}

// Walls and display.

DialogTemplate MetricExternalWall() {
    return Dialog(2480, "external wall",
                  {FirstRadio(2487, "custom wall - your sizes (max 4 lines)"),
                   Radio(2481, "cavity brick - 275 m.m (4 lines)"),
                   Radio(2482, "solid brick - 230 m.m  (2 lines)"),
                   Radio(2483, "brick veneer = 240 m.m (4 lines)"), Radio(2484, "200 m.m walling (2 lines)"),
                   Radio(2494, "150 m.m walling (2 lines)"), Radio(2485, "100 m.m walling (2 lines)"),
                   Radio(2486, "75 m.m walling (2 lines)")});
}

DialogTemplate ImperialExternalWall() {
    return Dialog(2900, "external wall",
                  {FirstRadio(2911, "custom wall - your sizes, max 4 lines"),
                   Radio(2904, "cavity brick, 11 inch thick, 4 lines"),
                   Radio(2905, "solid brick, 9 inches thick"),
                   Radio(2906, "brick veneer, 9 1/2 inches thick, 4 lines"),
                   Radio(2907, "8 inch thick walling"), Radio(2908, "6 inch thick walling"),
                   Radio(2909, "4 inch thick walling"), Radio(2910, "3 inch thick walling")});
}

DialogTemplate MetricCustomWall() {
    return Dialog(5300, "custom external wall",
                  {RangeEdit(5301, "number of lines", 4, 2, 4), Static("solid wall 2, cavity wall 4"),
                   RangeEdit(5302, "total width of exrernal wall", 5, 25, 900),
                   RangeEdit(5303, "space between OUTSIDE line && 2nd line", 5, 0, 800),
                   RangeEdit(5304, "space between 2nd && 3rd line (cavity)", 5, 0, 790)});
}

// Whole inches and a fraction of an inch; the fraction edits hold "0" in the resource, and a length
// of whole inches leaves them so.
std::vector<ControlTemplate> InchesEdits(int inchesId, std::string label, int maxInches, int minInches = 0) {
    return {RangeEdit(inchesId, std::move(label), 5, minInches, maxInches),
            RangeEdit(inchesId + 1, "numerator", 4, 0, 7, "0"),
            RangeEdit(inchesId + 2, "denominator", 4, 0, 8, "0")};
}

DialogTemplate ImperialCustomWall() {
    std::vector<ControlTemplate> controls = {RangeEdit(5351, "number of lines", 4, 2, 4),
                                             Static("solid wall 2, cavity wall 4")};
    for (auto part : {InchesEdits(5352, "total width of exrernal wall", 30, 1),
                      InchesEdits(5355, "space between OUTSIDE line && 2nd line", 25),
                      InchesEdits(5358, "space between 2nd && 3rd line (cavity)", 20)})
        controls.insert(controls.end(), part.begin(), part.end());
    return Dialog(5350, "custom external wall", std::move(controls));
}

DialogTemplate WallSide() {
    return Dialog(4200, "multi line drawing",
                  {Group("secondary lines to be :-"), FirstRadio(4201, "BELOW main line"),
                   Radio(4202, "ABOVE main line"), Radio(4203, "LEFT of main line"),
                   Radio(4204, "RIGHT of main line")});
}

std::vector<ControlTemplate> SecondLineSide(int firstId) {
    return {Group("second line to start :-"), FirstRadio(firstId, "LEFT of first line"),
            Radio(firstId + 1, "RIGHT of first line"), Radio(firstId + 2, "ABOVE first line"),
            Radio(firstId + 3, "BELOW first line")};
}

DialogTemplate MetricDoubleLine() {
    std::vector<ControlTemplate> controls = {
        RangeEdit(7005, "width of internal wall or double line spacing", 5, 25, 900)};
    for (ControlTemplate& c : SecondLineSide(7001))
        controls.push_back(std::move(c));
    return Dialog(7000, "internal walls  or  double lines", std::move(controls));
}

DialogTemplate ImperialDoubleLine() {
    std::vector<ControlTemplate> controls = {RangeEdit(7505, "width  (inches)", 5, 1, 50),
                                             RangeEdit(7506, "numerator", 3, 0, 15, "0"),
                                             RangeEdit(7507, "denominator", 3, 0, 16, "0")};
    for (ControlTemplate& c : SecondLineSide(7501))
        controls.push_back(std::move(c));
    return Dialog(7500, "internal walls  or  double lines", std::move(controls));
}

DialogTemplate PlanDisplayMode() {
    return Dialog(18500, "plan views - display mode",
                  {Group("external dimensions"), Check(18501, "show all dimensions"),
                   Group("show walls as :-"), FirstRadio(18503, "normal"), Radio(18504, "cross hatched"),
                   Radio(18505, "solid ( for advertising )")});
}

DialogTemplate Overlays() {
    return Dialog(5200, "overlays",
                  {Group("select  overlay floors"), Check(5202, "ground floor"), Check(5203, "first floor"),
                   Check(5204, "second floor"),
                   Static("NOTE: highest floor checked will be the working floor"), Group("on working floor"),
                   Check(5206, "show  dimensions")});
}

// Libraries and floor area.

DialogTemplate NewLibraryFile() {
    return Dialog(16000, "new library file",
                  {NameEdit(16001, "new file description name "),
                   Static("max 24 letters - no file extension"), Group("Library File Group"),
                   FirstRadio(16002, "Plumbing"), Radio(16003, "Electrical"), Radio(16004, "Furniture"),
                   Radio(16005, "Miscellaneous")});
}

DialogTemplate LibraryFiles() {
    return Dialog(15500, "library files", {List(15501, "")});
}

DialogTemplate FloorArea() {
    // The areas go into the statics beside their labels.
    return Dialog(17000, "floor area",
                  {Static("TOTAL floor area"), Static("", 17001, 25), Static("ground floor area"),
                   Static("", 17002, 25), Static("first floor area"), Static("", 17003, 25),
                   Static("second floor area"), Static("", 17004, 25)},
                  false);
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
                          Check(13002, "check ONLY if door slides INTO wall")},
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
                   Static("inches or m.m"), Check(6504, "show sizes on plan"),
                   Check(6505, "show cill on plan"), Group("opening"), FirstRadio(6508, "window "),
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
                  Joined(InchesEdits(21501, "internal wall thickness - inches", 30, 1),
                         {Static("( will be used for all DESIGN rooms drawn on this floor )")}));
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
    controls = Joined(std::move(controls), InchesEdits(8510, "wall thickness - inches", 50, 1));
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
        // Printing, walls and display, libraries and floor area.
        {19500, PrintPlanViews},
        {3200, MetricPrinterCalibration},
        {3300, ImperialPrinterCalibration},
        {2480, MetricExternalWall},
        {2900, ImperialExternalWall},
        {5300, MetricCustomWall},
        {5350, ImperialCustomWall},
        {4200, WallSide},
        {7000, MetricDoubleLine},
        {7500, ImperialDoubleLine},
        {18500, PlanDisplayMode},
        {5200, Overlays},
        {16000, NewLibraryFile},
        {15500, LibraryFiles},
        {17000, FloorArea},
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
