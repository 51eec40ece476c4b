#include "resources/dialog_resources.h"

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

ControlTemplate NameEdit(int id, std::string label) {
    return Edit(id, std::move(label), 25, Validator::Filter(NameCharacters));
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
