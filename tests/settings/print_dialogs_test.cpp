// The printing dialogs and the printer calibration as a user answers them: the print options, the
// two calibration twins, the calibration files they lead to and how printing reads those files back.
#include "settings/cfg_files.h"
#include "settings/measure_dialog.h"
#include "settings/print_calibration_imperial_dialog.h"
#include "settings/print_calibration_metric_dialog.h"
#include "settings/print_dialog.h"
#include "settings/printer_calibration.h"

#include "settings_test_support.h"

using PrintDialogs = SettingsTest;
using platform::IdCancel;
using platform::IdOk;

TEST_F(PrintDialogs, PrintOptionsShowTheDisplayModeAndRebuildItOnOk) {
    Shared.Units = 1;
    Shared.DisplayMode = 12;
    Ok(TKorvprntdlg::Resource);
    Watched<TKorvprntdlg> unchanged;
    ASSERT_EQ(unchanged.Execute(), IdOk);
    EXPECT_TRUE(unchanged.shownTicked[19516]);
    EXPECT_TRUE(unchanged.shownTicked[19509]);
    EXPECT_TRUE(unchanged.shownTicked[19513]);
    EXPECT_FALSE(unchanged.shownTicked[19515]);
    EXPECT_FALSE(unchanged.shownTicked[19510]);
    for (int id : {19501, 19502, 19503})
        EXPECT_EQ(unchanged.shownText[id], "0");
    for (int id : {19504, 19505, 19506})
        EXPECT_EQ(unchanged.shownText[id], "100");
    EXPECT_EQ(Shared.DisplayMode, 11); // the overlay units are not kept
    EXPECT_EQ(unchanged.copies, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(unchanged.scales, (std::array<int, 3>{100, 100, 100}));
    EXPECT_EQ(unchanged.lineWeight, 2);
    EXPECT_EQ(unchanged.showScale, 1);

    // Feet and inches: 1/8 inch to the foot; a floor with its dimensions leaves the box clear.
    Shared.Units = 0;
    Shared.DisplayMode = 20;
    Ok(TKorvprntdlg::Resource,
       {Type(19501, "3"), Type(19506, "48"), Click(19515), Click(19514), Click(19510)});
    Watched<TKorvprntdlg> imperial;
    ASSERT_EQ(imperial.Execute(), IdOk);
    EXPECT_EQ(imperial.shownText[19504], "96");
    EXPECT_TRUE(imperial.shownTicked[19517]);
    EXPECT_FALSE(imperial.shownTicked[19509]);
    EXPECT_EQ(imperial.copies, (std::array<int, 3>{3, 0, 0}));
    EXPECT_EQ(imperial.scales, (std::array<int, 3>{96, 96, 48}));
    EXPECT_EQ(imperial.lineWeight, 3);
    EXPECT_EQ(imperial.showScale, 0);
    EXPECT_EQ(Shared.DisplayMode, 0);
}

TEST_F(PrintDialogs, PrintOptionsRefuseANoughtScaleAndTooManyCopies) {
    Shared.DisplayMode = 10;
    Ok(TKorvprntdlg::Resource, {Type(19505, "0")});
    Ok(TKorvprntdlg::Resource, {Type(19505, "75"), Type(19506, "")});
    Ok(TKorvprntdlg::Resource, {Type(19506, "-5")});
    Ok(TKorvprntdlg::Resource, {Type(19506, "50"), Type(19503, "1000")});
    Cancel(TKorvprntdlg::Resource);
    Watched<TKorvprntdlg> dialog;
    EXPECT_EQ(dialog.Execute(), IdCancel);
    EXPECT_EQ(dialog.refusedFocus, (std::vector<int>{19505, 19506, 19506, 19503}));
    ASSERT_EQ(desktop_.Messages().size(), 4u);
    EXPECT_EQ(desktop_.Messages()[0].text, "Value is not in the range 1 to 9999.");
    EXPECT_EQ(desktop_.Messages()[3].text, "Value is not in the range 0 to 999.");
    EXPECT_EQ(Shared.DisplayMode, 10);

    Ok(TKorvprntdlg::Resource, {Type(19501, "999"), Type(19504, "9999")});
    TKorvprntdlg accepted;
    ASSERT_EQ(accepted.Execute(), IdOk);
    EXPECT_EQ(accepted.copies[0], 999);
    EXPECT_EQ(accepted.scales[0], 9999);
}

TEST_F(PrintDialogs, CalibrationDialogsShowTheStoredLengthWithinTheirRanges) {
    WriteCfg("PRNTCALI.CFG", "14976 1.000000");
    Ok(TPrntcalidlg::Resource);
    Watched<TPrntcalidlg> imperial;
    ASSERT_EQ(imperial.Execute(), IdOk);
    EXPECT_EQ(imperial.shownText[3302], "52");
    EXPECT_EQ(imperial.shownText[3301], "0");
    EXPECT_EQ(imperial.MeasuredLength(), 14976);

    // A damaged length shows as the nearest one the dialog accepts.
    WriteCfg("PRNTCALI.CFG", "99999 1.000000");
    Ok(TPrntcalidlg::Resource);
    Watched<TPrntcalidlg> clamped;
    ASSERT_EQ(clamped.Execute(), IdOk);
    EXPECT_EQ(clamped.shownText[3302], "60");
    EXPECT_EQ(clamped.shownText[3301], "11");

    WriteCfg("PRNTCALM.CFG", "14850 1.010000");
    Ok(TPrntcalmdlg::Resource, {Type(3201, "13999")});
    Ok(TPrntcalmdlg::Resource, {Type(3201, "16001")});
    Ok(TPrntcalmdlg::Resource, {Type(3201, "16000")});
    Watched<TPrntcalmdlg> metric;
    ASSERT_EQ(metric.Execute(), IdOk);
    EXPECT_EQ(metric.shownText[3201], "14850");
    EXPECT_EQ(metric.refusedFocus, (std::vector<int>{3201, 3201}));
    EXPECT_EQ(metric.MeasuredLength(), 16000);
    EXPECT_EQ(ReadCfg("PRNTCALM.CFG"), "14850 1.010000"); // the dialog itself writes nothing
}

// The calibration command without a drawing: the units dialog first, then the calibration.
class CalibrationRun : public SettingsTest {
  protected:
    bool Calibrate() {
        TMeasdlg units;
        if (units.Execute() != IdOk) return false;
        return CalibratePrinter(Shared.Units, [this](std::string_view text) { prompts.emplace_back(text); });
    }
    std::vector<std::string> prompts;
};

TEST_F(CalibrationRun, MetricCalibrationStoresTheMeasuredLengthAndItsFactor) {
    Ok(5450, {Click(5451)});
    Ok(3200, {Type(3201, "14700")});
    ASSERT_TRUE(Calibrate());
    EXPECT_EQ(ReadCfg("PRNTCALM.CFG"), "14700 1.020000");
    EXPECT_EQ(prompts, (std::vector<std::string>{"Enter your scaled size for 15000 m.m. printed at 100:1 "
                                                 "scale/landscape"}));
    EXPECT_FALSE(CfgExists("PRNTCALI.CFG"));

    Ok(5450, {Click(5451)});
    Ok(3200, {Type(3201, "15000")});
    ASSERT_TRUE(Calibrate());
    EXPECT_EQ(ReadCfg("PRNTCALM.CFG"), "15000 1.000000");
    EXPECT_EQ(desktop_.DialogsRun(), (std::vector<int>{5450, 3200, 5450, 3200}));
}

TEST_F(CalibrationRun, ImperialCalibrationTakesFeetAndInches) {
    Ok(5450, {Click(5452)});
    Ok(3300, {Type(3302, "51"), Type(3301, "6")});
    ASSERT_TRUE(Calibrate());
    EXPECT_EQ(ReadCfg("PRNTCALI.CFG"), "14832 1.009615"); // 1 + 144 / 14976
    EXPECT_EQ(prompts, (std::vector<std::string>{
                           "Enter your scaled size for 52 feet printed at 96:1 scale/landscape"}));
    EXPECT_FALSE(CfgExists("PRNTCALM.CFG"));
}

TEST_F(CalibrationRun, CancelInEitherDialogWritesNothing) {
    WriteCfg("PRNTCALM.CFG", "14900 1.006667");
    Ok(5450, {Click(5451)});
    Cancel(3200, {Type(3201, "14000")});
    EXPECT_FALSE(Calibrate());
    Cancel(5450, {Click(5452)});
    EXPECT_FALSE(Calibrate());
    Ok(5450, {Click(5452)});
    Cancel(3300, {Type(3302, "50")});
    EXPECT_FALSE(Calibrate());
    EXPECT_EQ(ReadCfg("PRNTCALM.CFG"), "14900 1.006667");
    EXPECT_FALSE(CfgExists("PRNTCALI.CFG"));
    EXPECT_TRUE(desktop_.UnusedAnswers().empty());
}

TEST_F(PrintDialogs, TheDefaultsRunnerCalibratesWithoutAPrompt) {
    Shared.Units = 0;
    Ok(3300, {Type(3302, "53"), Type(3301, "0")});
    ASSERT_TRUE(CalibratePrinter(Shared.Units));
    EXPECT_EQ(ReadCfg("PRNTCALI.CFG"), "15264 0.980769"); // 2 - 15264 / 14976
    EXPECT_TRUE(desktop_.Prompts().empty());
}

TEST_F(PrintDialogs, PrintingTakesAFactorOutsideAHalfToOneAndAHalfAsOne) {
    const std::pair<std::string, double> files[] = {
        {"14700 1.020000", 1.02}, {"14700 7.5", 1.0}, {"14700 0.4", 1.0}, {"14700 -1.02", 1.0},
        {"14700", 1.0},           {"14700 nan", 1.0}, {"", 1.0}};
    for (const auto& [bytes, factor] : files) {
        WriteCfg("PRNTCALM.CFG", bytes);
        EXPECT_DOUBLE_EQ(ReadPrintCalibration(1).correction, factor) << bytes;
    }
    EXPECT_DOUBLE_EQ(CalibrationFactor(1, 15300), 0.98);
    EXPECT_DOUBLE_EQ(CalibrationFactor(0, 14976), 1.0);
}
