#include "partitions/stairs_setup.h"

#include "model/shared_state.h"
#include "partitions/stairs_tool.h"
#include "platform/desktop.h"
#include "settings/length_format.h"
#include "settings/stairs_dialog.h"
#include "settings/stairs_imperial_dialog.h"
#include "tools/drawing_view.h"
#include "tools/multiline_setup.h"
#include "tools/status_texts.h"
#include "tools/view_support.h"

#include <algorithm>
#include <optional>

namespace {

// The stairs as the stairs dialog gives them, lengths in drawing units.
struct StairsAnswer {
    int width = 0;
    int stairwellLength = 0;
    int storeyHeight = 0;
    int style = 0;
    int topTreadSide = 0;
};

// Feet and inches typed in two edits, in drawing units; inches of 0 or less add nothing.
int FeetAndInchesTyped(const std::string& feet, const std::string& inches) {
    return FeetInchesToUnits(ParseDecimal(feet), std::max(ParseDecimal(inches), 0), 0, 0,
                             FractionRule::Proper);
}

// The stairs dialog of the drawing's units; nothing when it is cancelled.
std::optional<StairsAnswer> AskStairs() {
    StairsAnswer answer;
    if (Shared.Units == 1) {
        TStrsdlg dialog;
        if (dialog.Execute() != platform::IdOk) return std::nullopt;
        answer.width = ParseDecimal(dialog.width);
        answer.stairwellLength = ParseDecimal(dialog.stairwellLength);
        answer.storeyHeight = ParseDecimal(dialog.storeyHeight);
        answer.style = dialog.flight;
        answer.topTreadSide = dialog.topTread;
    } else {
        TStrsimpdlg dialog;
        if (dialog.Execute() != platform::IdOk) return std::nullopt;
        answer.width = InchesToUnits(ParseDecimal(dialog.width), 0, 0, FractionRule::Proper);
        answer.stairwellLength = FeetAndInchesTyped(dialog.stairwellFeet, dialog.stairwellInches);
        answer.storeyHeight = FeetAndInchesTyped(dialog.storeyFeet, dialog.storeyInches);
        answer.style = dialog.flight;
        answer.topTreadSide = dialog.topTread;
    }
    return answer;
}

// The stairs dialog, then the tool sized by its Step and set to follow the cursor. Cancel, or steps
// that cannot size stairs, end the command with the pick tool. The mouse cursor stays where the
// dialog leaves it.
void SetupStairs(DrawingView& view, platform::Point& cursor) {
    const std::optional<StairsAnswer> answer = AskStairs();
    if (!answer) {
        InvalidateWholeView(view);
        view.SelectPickTool();
        return;
    }
    auto* stairs = dynamic_cast<TStepobjtool*>(&view.Tool());
    if (!stairs) return;
    cursor = platform::TheDesktop().GetCursorPos();
    view.Invalidate(nullptr, false);
    stairs->TopTreadSide() = answer->topTreadSide;
    stairs->StoreyHeight() = answer->storeyHeight;
    stairs->Step(answer->width, answer->stairwellLength, answer->style);
    if (!stairs->HasUsableSteps()) {
        // Sizes made with them would divide by zero.
        ViewMessageBox("Stair riser and tread must be above 0 - check the custom stair details", "STAIRS",
                       platform::MessageBoxStyle::Ok);
        view.SelectPickTool();
        return;
    }
    ShowPrompt("STAIRS & STAIRWELL  Press ENTER when position is correct");
    stairs->DragActive() = 1;
}

} // namespace

void SetupMultilineOrStairs(DrawingView& view, int mode) {
    if (mode == 8) {
        if (SetupMultilines(view.Tool(), *view.Window()) == MultilineSetup::Cancelled) view.SelectPickTool();
        return;
    }
    platform::Desktop& desktop = platform::TheDesktop();
    platform::Point cursor = desktop.GetCursorPos();
    ShowPrompt("press Dialogue Box HELP button if you have any queries");
    if (mode == 10) SetupStairs(view, cursor);
    desktop.SetCursorPos(cursor);
}
