#include "settings/dimension_offsets_dialog.h"

#include "settings/length_format.h"

DimensionOffsetsDialog::DimensionOffsetsDialog(int resourceId, int units, const Controls& controls)
    : SettingsDialog(resourceId, help_context::Defaults), units_(units), ids_(controls) {}

int DimensionOffsetsDialog::ToShown(int offset) const {
    return WholeLengthShown(offset, units_);
}

int DimensionOffsetsDialog::ToStored(int shown) const {
    return WholeLengthTyped(shown, units_);
}

void DimensionOffsetsDialog::SetupWindow() {
    settings_ = ReadDimensionSettings(units_);
    SetNumber(ids_.internalEdit, ToShown(settings_.internalOffset));
    SetNumber(ids_.externalEdit, ToShown(settings_.externalOffset));
    SetNumber(ids_.overallEdit, ToShown(settings_.overallOffset));
    SetCheck(settings_.textDirection > 0 ? ids_.parallel : ids_.horizontal, true);
    TickCode({{ids_.dimension9, 9}, {ids_.dimension10, 10}}, settings_.dimensionTextSize);
    TickCode({{ids_.roomDimension9, 9}, {ids_.roomDimension10, 10}}, settings_.roomDimensionTextSize);
    TickCode({{ids_.roomName9, 9}, {ids_.roomName10, 10}}, settings_.roomNameTextSize);
}

void DimensionOffsetsDialog::CmOk() {
    if (!ValidateControls()) return;
    DimensionSettings s = settings_;
    s.internalOffset = ToStored(GetNumber(ids_.internalEdit));
    s.externalOffset = ToStored(GetNumber(ids_.externalEdit));
    s.overallOffset = ToStored(GetNumber(ids_.overallEdit));
    ReadRadioGroup({{ids_.horizontal, 0}, {ids_.parallel, 2700}}, s.textDirection);
    ReadRadioGroup({{ids_.dimension9, 9}, {ids_.dimension10, 10}}, s.dimensionTextSize);
    ReadRadioGroup({{ids_.roomDimension9, 9}, {ids_.roomDimension10, 10}}, s.roomDimensionTextSize);
    ReadRadioGroup({{ids_.roomName9, 9}, {ids_.roomName10, 10}}, s.roomNameTextSize);
    WriteDimensionSettings(units_, s);
    CloseWindow(1);
}
