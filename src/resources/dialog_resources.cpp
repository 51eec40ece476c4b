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

ControlTemplate Group(std::string text) {
    ControlTemplate c;
    c.id = StaticTextId;
    c.kind = ControlKind::GroupBox;
    c.text = std::move(text);
    return c;
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

using Builder = DialogTemplate (*)();

const std::map<int, Builder>& Builders() {
    static const std::map<int, Builder> builders = {
        {2024, NewDrawing}, {9020, CopyDrawing},   {5450, MeasuringUnits},  {19000, ManipulateDrawing},
        {9030, About},      {5500, MetricOffsets}, {5600, ImperialOffsets}, {20000, PlanTitles},
        {2690, LineText},   {2300, TextDetails},   {14000, LineStyle},      {9500, Measurement},
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
