// The dimension and text dialogs as a user answers them: offsets, plan titles, line text, text
// details, line style and the measurement of one length.
#include "resources/dialog_resources.h"
#include "settings/cfg_files.h"
#include "settings/feet_dialog.h"
#include "settings/line_style_dialog.h"
#include "settings/line_text_dialog.h"
#include "settings/offset_dialog.h"
#include "settings/offset_imperial_dialog.h"
#include "settings/text_dialog.h"
#include "settings/title_dialog.h"

#include "settings_test_support.h"

using DimensionDialogs = SettingsTest;
using platform::IdCancel;
using platform::IdOk;

TEST_F(DimensionDialogs, ImperialOffsetsAreTypedInWholeInches) {
    WriteCfg("IOFFSET.CFG", "576 864 1152 0 9 10 9");
    Ok(TOffsetimpdlg::Resource, {Type(5609, "12"), Click(5602), Click(5604)});
    TOffsetimpdlg dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(ReadCfg("IOFFSET.CFG"), "288 864 1152 2700 10 10 9");
    EXPECT_FALSE(CfgExists("MOFFSET.CFG"));
}

TEST_F(DimensionDialogs, MetricOffsetsShowTheFileAndWriteItBackUnchanged) {
    WriteCfg("MOFFSET.CFG", "600 800 1200 2700 10 9 10");
    Ok(TOffsetdlg::Resource);
    TOffsetdlg dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(ReadCfg("MOFFSET.CFG"), "600 800 1200 2700 10 9 10");
}

TEST_F(DimensionDialogs, AnOutOfRangeOffsetKeepsTheDialogOpenAndTheFileUntouched) {
    WriteCfg("MOFFSET.CFG", "600 800 1200 0 9 9 10");
    // The first OK is refused; the dialog stays on the edit and the next answer continues it.
    Ok(TOffsetdlg::Resource, {Type(5502, "99")});
    Ok(TOffsetdlg::Resource, {Type(5502, "450")});
    TOffsetdlg corrected;
    ASSERT_EQ(corrected.Execute(), IdOk);
    ASSERT_EQ(desktop_.Messages().size(), 1u);
    EXPECT_EQ(desktop_.Messages()[0].text, "Value is not in the range 100 to 3000.");
    EXPECT_EQ(ReadCfg("MOFFSET.CFG"), "600 450 1200 0 9 9 10");

    // Refused, then cancelled: nothing is written.
    Ok(TOffsetdlg::Resource, {Type(5503, "5001")});
    Cancel(TOffsetdlg::Resource);
    TOffsetdlg cancelled;
    EXPECT_EQ(cancelled.Execute(), IdCancel);
    EXPECT_EQ(desktop_.Messages().size(), 2u);
    EXPECT_EQ(ReadCfg("MOFFSET.CFG"), "600 450 1200 0 9 9 10");
}

// A dialog that stays open after a refused OK, watched from inside: which edit has the focus.
class WatchedOffsets : public TOffsetimpdlg {
  public:
    void CmOk() override {
        TOffsetimpdlg::CmOk();
        focusAfterOk = Host().FocusedControl();
        closedAfterOk = Host().IsClosed();
    }
    int focusAfterOk = 0;
    bool closedAfterOk = true;
};

TEST_F(DimensionDialogs, ARefusedOkLeavesTheFocusOnTheRefusedEdit) {
    WriteCfg("IOFFSET.CFG", "576 864 1152 0 9 9 10");
    Ok(TOffsetimpdlg::Resource, {Type(5611, "241")});
    WatchedOffsets dialog;
    EXPECT_EQ(dialog.Execute(), IdCancel);
    EXPECT_EQ(dialog.focusAfterOk, 5611);
    EXPECT_FALSE(dialog.closedAfterOk);
    EXPECT_EQ(ReadCfg("IOFFSET.CFG"), "576 864 1152 0 9 9 10");
}

TEST_F(DimensionDialogs, PlanTitlesRoundTripThroughTheDialog) {
    Ok(TTitle2Ddlg::Resource, {Type(20001, "  2 BED UNIT"), Type(20002, ""), Type(20003, "LOFT")});
    TTitle2Ddlg first;
    ASSERT_EQ(first.Execute(), IdOk);
    EXPECT_EQ(ReadCfg("TITLE2D.CFG"), "12 0 4   2 BED UNITLOFT\n");

    // Opening again shows what was stored, leading blanks and all; OK as it stands writes the same.
    Ok(TTitle2Ddlg::Resource);
    TTitle2Ddlg second;
    ASSERT_EQ(second.Execute(), IdOk);
    EXPECT_EQ(ReadCfg("TITLE2D.CFG"), "12 0 4   2 BED UNITLOFT\n");
}

TEST_F(DimensionDialogs, LineTextHoldsTwentyOneCharactersAndASide) {
    Ok(TLtxtdlg::Resource, {Type(2691, "FENCE LINE 1800 HIGH ON BOUNDARY"), Click(2693)});
    TLtxtdlg dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(dialog.lineText, "FENCE LINE 1800 HIGH ");
    EXPECT_EQ(dialog.side, 2);
    EXPECT_FALSE(CfgExists("LTEXT.CFG"));

    Ok(TLtxtdlg::Resource);
    TLtxtdlg unchanged;
    ASSERT_EQ(unchanged.Execute(), IdOk);
    EXPECT_EQ(unchanged.lineText, "");
    EXPECT_EQ(unchanged.side, 1);
}

// Reads the static texts the text dialog shows.
class ShownTextDetails : public TTextdlg {
  public:
    void SetupWindow() override {
        TTextdlg::SetupWindow();
        for (int id : {2305, 2306, 2307})
            shown.push_back(GetControlText(id));
    }
    std::vector<std::string> shown;
};

TEST_F(DimensionDialogs, TextDetailsShowTheFontAndReturnPlacement) {
    DrawingList.FontName = "An Extremely Long Font Face Name Indeed";
    Shared.FontWeight = 700;
    Shared.TextSize = 12;
    Ok(TTextdlg::Resource, {Click(2302), Click(2304)});
    ShownTextDetails dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(dialog.shown, (std::vector<std::string>{"An Extremely Long Font Face Nam", "700", "12"}));
    EXPECT_EQ(dialog.alignment, 2);
    EXPECT_EQ(dialog.direction, 2700);

    Ok(TTextdlg::Resource);
    TTextdlg unchanged;
    ASSERT_EQ(unchanged.Execute(), IdOk);
    EXPECT_EQ(unchanged.alignment, 1);
    EXPECT_EQ(unchanged.direction, 0);
}

TEST_F(DimensionDialogs, LineStylePairsWidthAndStyle) {
    Ok(TLinedlg::Resource);
    TLinedlg unchanged;
    ASSERT_EQ(unchanged.Execute(), IdOk);
    EXPECT_EQ(unchanged.penWidth, 1);
    EXPECT_EQ(unchanged.penStyle, 0);

    const int expected[][3] = {{14002, 2, 0}, {14003, 1, 1}, {14004, 1, 2}, {14005, 1, 3}};
    for (const auto& pen : expected) {
        Ok(TLinedlg::Resource, {Click(pen[0])});
        TLinedlg dialog;
        ASSERT_EQ(dialog.Execute(), IdOk);
        EXPECT_EQ(dialog.penWidth, pen[1]) << pen[0];
        EXPECT_EQ(dialog.penStyle, pen[2]) << pen[0];
    }
}

TEST_F(DimensionDialogs, MeasurementShowsFeetInchesAndEighths) {
    Ok(TFeetdlg::Resource);
    TFeetdlg eighths(TFeetdlg::Resource, 3474);
    ASSERT_EQ(eighths.Execute(), IdOk);
    EXPECT_EQ(eighths.feet + "," + eighths.inches + "," + eighths.numerator + "," + eighths.denominator,
              "12,0,3,4");
    EXPECT_EQ(eighths.LengthUnits(FractionRule::Proper), 3474);

    Ok(TFeetdlg::Resource);
    TFeetdlg zero(TFeetdlg::Resource, 0);
    ASSERT_EQ(zero.Execute(), IdOk);
    EXPECT_EQ(zero.feet + "," + zero.inches + "," + zero.numerator + "," + zero.denominator, "0,0,0,0");

    // Whole inches leave the fraction edits as the resource holds them; a remainder that is no
    // whole eighth shows 0/0.
    Ok(TFeetdlg::Resource);
    TFeetdlg whole(TFeetdlg::Resource, 3456 + 24 * 5);
    ASSERT_EQ(whole.Execute(), IdOk);
    EXPECT_EQ(whole.feet + "," + whole.inches + "," + whole.numerator + "," + whole.denominator, "12,5,0,0");
    Ok(TFeetdlg::Resource, {Type(9504, "16")});
    TFeetdlg odd(TFeetdlg::Resource, 31);
    ASSERT_EQ(odd.Execute(), IdOk);
    EXPECT_EQ(odd.feet + "," + odd.inches + "," + odd.numerator + "," + odd.denominator, "0,1,0,16");
}

TEST_F(DimensionDialogs, MeasurementTakesTypedLengthsWithinItsRanges) {
    Ok(TFeetdlg::Resource, {Type(9501, "10"), Type(9502, "12")});
    Ok(TFeetdlg::Resource, {Type(9502, "11"), Type(9503, "1"), Type(9504, "0")});
    TFeetdlg dialog(TFeetdlg::Resource, 0);
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(desktop_.Messages().size(), 1u); // 12 inches refused
    // A zero denominator counts as no fraction for the callers' rule.
    EXPECT_EQ(dialog.LengthUnits(FractionRule::AnyPositive), (10 * 12 + 11) * 24);

    Ok(TFeetdlg::Resource, {Type(9501, "1x0-")});
    TFeetdlg filtered(TFeetdlg::Resource, 0);
    ASSERT_EQ(filtered.Execute(), IdOk);
    EXPECT_EQ(filtered.feet, "10-"); // only digits and signs can be typed, and "10-" is still 10
}

TEST_F(DimensionDialogs, HelpContextsOfTheDimensionAndTextDialogs) {
    const std::pair<int, int> withHelp[] = {{5500, 310}, {5600, 310}, {20000, 310},
                                            {2690, 242}, {2300, 242}, {9500, 250}};
    for (const auto& [resource, context] : withHelp)
        Help(resource);
    TOffsetdlg{}.Execute();
    TOffsetimpdlg{}.Execute();
    TTitle2Ddlg{}.Execute();
    TLtxtdlg{}.Execute();
    TTextdlg{}.Execute();
    TFeetdlg(TFeetdlg::Resource, 0).Execute();
    Help(TLinedlg::Resource);
    TLinedlg{}.Execute();
    ASSERT_EQ(desktop_.HelpShown().size(), 6u);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(desktop_.HelpShown()[i].second, withHelp[i].second);
    // Help and then Cancel wrote nothing.
    EXPECT_FALSE(CfgExists("MOFFSET.CFG"));
    EXPECT_FALSE(CfgExists("TITLE2D.CFG"));
}

TEST_F(DimensionDialogs, OffsetFilesAreClampedToWhatTheDialogsAccept) {
    const struct {
        int units;
        int resource;
        int edits[3];
        int unit;
    } twins[] = {{1, TOffsetdlg::Resource, {5501, 5502, 5503}, 1},
                 {0, TOffsetimpdlg::Resource, {5609, 5610, 5611}, 24}};
    for (const auto& twin : twins) {
        const std::string file = twin.units ? "MOFFSET.CFG" : "IOFFSET.CFG";
        const platform::DialogTemplate resource = DialogResource(twin.resource);
        WriteCfg(file, "-5 -5 -5 0 9 9 9");
        const DimensionSettings low = ReadDimensionSettings(twin.units);
        WriteCfg(file, "999999 999999 999999 0 9 9 9");
        const DimensionSettings high = ReadDimensionSettings(twin.units);
        const int lows[] = {low.internalOffset, low.externalOffset, low.overallOffset};
        const int highs[] = {high.internalOffset, high.externalOffset, high.overallOffset};
        for (int i = 0; i < 3; ++i) {
            const platform::Validator& v = resource.FindControl(twin.edits[i])->validator;
            EXPECT_EQ(lows[i], v.Min() * twin.unit) << file << " field " << i + 1;
            EXPECT_EQ(highs[i], v.Max() * twin.unit) << file << " field " << i + 1;
        }
    }
}
