// The drawing set-up dialogs as a user answers them: new drawing, copy, measuring units, rotate or
// mirror, About. Each test checks the results the caller reads and the CFG files' bytes.
#include "settings/about_dialog.h"
#include "settings/manipulate_dialog.h"
#include "settings/measure_dialog.h"
#include "settings/new_dialog.h"
#include "settings/save_dialog.h"

#include "settings_test_support.h"

using SetupDialogs = SettingsTest;
using platform::IdCancel;
using platform::IdOk;

TEST_F(SetupDialogs, NewDrawingLeftAsItOpensKeepsTheStoredChoices) {
    WriteCfg("METRIC.CFG", "0");
    WriteCfg("START.CFG", "1");
    Shared.Units = 1;
    Ok(TNewdlg::Resource);
    TNewdlg dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(dialog.drawingName, "client");
    EXPECT_EQ(dialog.startMode, 1);
    EXPECT_EQ(Shared.Units, 0);
    EXPECT_EQ(ReadCfg("METRIC.CFG"), "0");
    EXPECT_EQ(ReadCfg("START.CFG"), "1");
}

TEST_F(SetupDialogs, NewDrawingTicksTheFirstButtonOnlyForExactlyOne) {
    // Metric and the room layout only for 1; any other stored value ticks the other button.
    const struct {
        const char* metric;
        const char* start;
        int units;
        int startMode;
    } stored[] = {{"1", "1", 1, 1}, {"2", "0", 0, 2}, {"-1", "2", 0, 2}, {"0", "7", 0, 2}};
    for (const auto& s : stored) {
        WriteCfg("METRIC.CFG", s.metric);
        WriteCfg("START.CFG", s.start);
        Ok(TNewdlg::Resource);
        TNewdlg dialog;
        ASSERT_EQ(dialog.Execute(), IdOk);
        EXPECT_EQ(Shared.Units, s.units) << s.metric;
        EXPECT_EQ(dialog.startMode, s.startMode) << s.start;
        Ok(TMeasdlg::Resource);
        WriteCfg("METRIC.CFG", s.metric);
        TMeasdlg measure;
        ASSERT_EQ(measure.Execute(), IdOk);
        EXPECT_EQ(Shared.Units, s.units) << s.metric;
    }
}

TEST_F(SetupDialogs, NewDrawingTakesTheUsersChoices) {
    Shared.Units = 1;
    Ok(TNewdlg::Resource, {Type(2027, "Smith, 12 High St"), Click(2025), Click(2208)});
    TNewdlg dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    EXPECT_EQ(dialog.drawingName, "Smith, 12 High St");
    EXPECT_EQ(dialog.startMode, 1);
    EXPECT_EQ(Shared.Units, 0);
    EXPECT_EQ(ReadCfg("METRIC.CFG"), "0");
    EXPECT_EQ(ReadCfg("START.CFG"), "1");
}

TEST_F(SetupDialogs, CancelLeavesUnitsAndFilesAsTheyWere) {
    WriteCfg("METRIC.CFG", "1");
    Shared.Units = 1;
    Cancel(TNewdlg::Resource, {Click(2025), Click(2208)});
    TNewdlg newDialog;
    EXPECT_EQ(newDialog.Execute(), IdCancel);
    Cancel(TMeasdlg::Resource, {Click(5452)});
    TMeasdlg measureDialog;
    EXPECT_EQ(measureDialog.Execute(), IdCancel);
    EXPECT_EQ(Shared.Units, 1);
    EXPECT_EQ(ReadCfg("METRIC.CFG"), "1");
    EXPECT_FALSE(CfgExists("START.CFG"));
}

TEST_F(SetupDialogs, MeasuringUnitsSetsUnitsAndWritesTheFile) {
    Ok(TMeasdlg::Resource, {Click(5452)});
    TMeasdlg toImperial;
    ASSERT_EQ(toImperial.Execute(), IdOk);
    EXPECT_EQ(Shared.Units, 0);
    EXPECT_EQ(ReadCfg("METRIC.CFG"), "0");

    // Opening again shows the stored choice; OK as it stands keeps it.
    Ok(TMeasdlg::Resource);
    TMeasdlg unchanged;
    ASSERT_EQ(unchanged.Execute(), IdOk);
    EXPECT_EQ(Shared.Units, 0);
}

TEST_F(SetupDialogs, NamesTakeOnlyLettersDigitsCommaAndSpaceUpToTheLimit) {
    Ok(TSavedlg::Resource, {Type(9021, "Plan.v2-final, B")});
    TSavedlg copy;
    ASSERT_EQ(copy.Execute(), IdOk);
    EXPECT_EQ(copy.newName, "Planv2final, B");

    Ok(TSavedlg::Resource, {Type(9021, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123")});
    TSavedlg longName;
    ASSERT_EQ(longName.Execute(), IdOk);
    EXPECT_EQ(longName.newName, "ABCDEFGHIJKLMNOPQRSTUVWX");

    Ok(TSavedlg::Resource);
    TSavedlg unchanged;
    ASSERT_EQ(unchanged.Execute(), IdOk);
    EXPECT_EQ(unchanged.newName, "client");
    EXPECT_TRUE(desktop_.Messages().empty());
}

TEST_F(SetupDialogs, ManipulateOffersTheOpenDrawingAndEachOperation) {
    DrawingList.DrawingName = "HOUSE";
    Ok(TManipdlg::Resource);
    TManipdlg same;
    ASSERT_EQ(same.Execute(), IdOk);
    EXPECT_EQ(same.drawingName, "HOUSE");
    EXPECT_EQ(same.operation, 90);

    const std::pair<int, int> operations[] = {{19003, 180}, {19004, 270}, {19005, 1}};
    for (const auto& [button, code] : operations) {
        Ok(TManipdlg::Resource, {Type(19001, "HOUSE MIRRORED"), Click(button)});
        TManipdlg dialog;
        ASSERT_EQ(dialog.Execute(), IdOk);
        EXPECT_EQ(dialog.drawingName, "HOUSE MIRRORED");
        EXPECT_EQ(dialog.operation, code);
    }
}

TEST_F(SetupDialogs, HelpShowsTheContextOrNothingAndLeavesTheDialogOpen) {
    Help(TNewdlg::Resource);
    Ok(TNewdlg::Resource);
    TNewdlg newDialog;
    EXPECT_EQ(newDialog.Execute(), IdOk); // still open after Help: the OK that follows closes it
    Help(TSavedlg::Resource);
    TSavedlg copy;
    EXPECT_EQ(copy.Execute(), IdCancel);
    ASSERT_EQ(desktop_.HelpShown().size(), 2u);
    EXPECT_EQ(desktop_.HelpShown()[0].first, platform::Desktop::HelpCommand::Context);
    EXPECT_EQ(desktop_.HelpShown()[0].second, 200);
    EXPECT_EQ(desktop_.HelpShown()[1].second, 200);

    Help(TManipdlg::Resource);
    Help(TMeasdlg::Resource);
    Help(TAboutdlg::Resource);
    Ok(TAboutdlg::Resource);
    TManipdlg manipulate;
    EXPECT_EQ(manipulate.Execute(), IdCancel);
    TMeasdlg measure;
    EXPECT_EQ(measure.Execute(), IdCancel);
    TAboutdlg about;
    EXPECT_EQ(about.Execute(), IdOk);
    EXPECT_EQ(desktop_.HelpShown().size(), 2u);
    EXPECT_TRUE(desktop_.UnusedAnswers().empty());
}
