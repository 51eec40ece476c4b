// The wall and display dialogs as a user answers them: external wall types and their layers, the
// custom wall, the side of secondary lines, the double-line spacing, the display mode and overlays.
#include "settings/cfg_files.h"
#include "settings/custom_wall_dialog.h"
#include "settings/custom_wall_imperial_dialog.h"
#include "settings/display_mode_dialog.h"
#include "settings/double_line_dialog.h"
#include "settings/double_line_imperial_dialog.h"
#include "settings/overlay_dialog.h"
#include "settings/plan_dialog.h"
#include "settings/plan_imperial_dialog.h"
#include "settings/wall_side_dialog.h"

#include "settings_test_support.h"

using WallDialogs = SettingsTest;
using platform::IdCancel;
using platform::IdOk;
using Layers = std::array<int, 3>;

TEST_F(WallDialogs, ExternalWallTypesGiveTheirCodeAndLayers) {
    struct Case {
        int button, code;
        Layers layers;
    };
    const Case metric[] = {{2483, 240, {110, 55, 75}},
                           {2484, 200, {200, 0, 0}},
                           {2481, 275, {110, 55, 110}},
                           {2486, 75, {75, 0, 0}},
                           {2487, 1, {0, 0, 0}}};
    for (const Case& c : metric) {
        Ok(TPlandlg::Resource, {Click(c.button)});
        TPlandlg dialog;
        ASSERT_EQ(dialog.Execute(), IdOk);
        EXPECT_EQ(dialog.wallCode, c.code) << c.button;
        EXPECT_EQ(dialog.layers, c.layers) << c.button;
    }
    const Case imperial[] = {
        {2906, 228, {108, 48, 72}}, {2904, 264, {108, 48, 108}}, {2905, 216, {216, 0, 0}}};
    for (const Case& c : imperial) {
        Ok(TPlanimpdlg::Resource, {Click(c.button)});
        TPlanimpdlg dialog;
        ASSERT_EQ(dialog.Execute(), IdOk);
        EXPECT_EQ(dialog.wallCode, c.code) << c.button;
        EXPECT_EQ(dialog.layers, c.layers) << c.button;
    }
    // Opened, the custom wall is ticked; accepted so, the custom wall's own dialog gives the layers.
    Ok(TPlanimpdlg::Resource);
    Watched<TPlanimpdlg> custom;
    ASSERT_EQ(custom.Execute(), IdOk);
    EXPECT_TRUE(custom.shownTicked[2911]);
    EXPECT_EQ(custom.wallCode, 1);
    EXPECT_EQ(custom.layers, (Layers{0, 0, 0}));
}

TEST_F(WallDialogs, ImperialCustomWallIsTypedInInchesAndEighths) {
    WriteCfg("CUSTIMP.CFG", "2 222 0 0");
    Ok(TPlanimpcustdlg::Resource, {Type(5351, "4"), Type(5352, "11"), Type(5353, "0"), Type(5354, "0"),
                                   Type(5355, "4"), Type(5356, "1"), Type(5357, "2"), Type(5358, "2")});
    Watched<TPlanimpcustdlg> dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    // 222 is 9 1/4 inches.
    EXPECT_EQ(dialog.shownText[5352], "9");
    EXPECT_EQ(dialog.shownText[5353], "1");
    EXPECT_EQ(dialog.shownText[5354], "4");
    EXPECT_EQ(dialog.layers, (Layers{108, 48, 108}));
    EXPECT_EQ(ReadCfg("CUSTIMP.CFG"), "4 264 108 48");

    // Opened again it shows what was stored: whole inches leave the fractions as the resource has them.
    Ok(TPlanimpcustdlg::Resource, {Type(5351, "2"), Type(5352, "9")});
    Watched<TPlanimpcustdlg> solid;
    ASSERT_EQ(solid.Execute(), IdOk);
    EXPECT_EQ(solid.shownText[5352], "11");
    EXPECT_EQ(solid.shownText[5353], "0");
    EXPECT_EQ(solid.shownText[5355], "4");
    EXPECT_EQ(solid.shownText[5356], "1");
    EXPECT_EQ(solid.shownText[5357], "2");
    EXPECT_EQ(solid.layers, (Layers{216, 0, 0}));
    EXPECT_EQ(ReadCfg("CUSTIMP.CFG"), "2 216 108 48");
}

TEST_F(WallDialogs, ACustomWallWithoutRoomForItsInnerLeafIsRefused) {
    WriteCfg("CUST.CFG", "4 275 110 55");
    Ok(TPlancustdlg::Resource, {Type(5302, "250"), Type(5303, "200"), Type(5304, "51")});
    Ok(TPlancustdlg::Resource, {Type(5304, "50")});
    Watched<TPlancustdlg> metric;
    ASSERT_EQ(metric.Execute(), IdOk);
    EXPECT_EQ(metric.refusedFocus, (std::vector<int>{5303}));
    ASSERT_EQ(desktop_.Messages().size(), 1u);
    EXPECT_EQ(desktop_.Messages()[0].caption, "Validator Error");
    // An inner leaf of nothing is a wall of two leaves and is taken.
    EXPECT_EQ(metric.layers, (Layers{200, 50, 0}));
    EXPECT_EQ(ReadCfg("CUST.CFG"), "4 250 200 50");

    // Three lines are layered as four; two are one layer whatever the spaces say.
    Ok(TPlancustdlg::Resource, {Type(5301, "3"), Type(5302, "100"), Type(5303, "100"), Type(5304, "1")});
    Cancel(TPlancustdlg::Resource);
    Watched<TPlancustdlg> cancelled;
    EXPECT_EQ(cancelled.Execute(), IdCancel);
    EXPECT_EQ(ReadCfg("CUST.CFG"), "4 250 200 50");
    Ok(TPlancustdlg::Resource, {Type(5301, "2"), Type(5302, "100")});
    TPlancustdlg solid;
    ASSERT_EQ(solid.Execute(), IdOk);
    EXPECT_EQ(solid.layers, (Layers{100, 0, 0}));

    WriteCfg("CUSTIMP.CFG", "4 264 108 48");
    Ok(TPlanimpcustdlg::Resource, {Type(5358, "7")});
    Cancel(TPlanimpcustdlg::Resource);
    Watched<TPlanimpcustdlg> imperial;
    EXPECT_EQ(imperial.Execute(), IdCancel);
    EXPECT_EQ(imperial.refusedFocus, (std::vector<int>{5355}));
    EXPECT_EQ(ReadCfg("CUSTIMP.CFG"), "4 264 108 48");
}

TEST_F(WallDialogs, SecondaryLinesGoBelowUnlessChosenOtherwise) {
    const std::pair<int, int> sides[] = {{4201, 1}, {4202, 3}, {4203, 2}, {4204, 4}};
    for (const auto& [button, code] : sides) {
        Ok(TExtsidedlg::Resource, {Click(button)});
        TExtsidedlg dialog;
        ASSERT_EQ(dialog.Execute(), IdOk);
        EXPECT_EQ(dialog.sideCode, code);
    }
    Ok(TExtsidedlg::Resource);
    TExtsidedlg unchanged;
    ASSERT_EQ(unchanged.Execute(), IdOk);
    EXPECT_EQ(unchanged.sideCode, 1);
}

TEST_F(WallDialogs, DoubleLineSpacingIsKeptForTheUnitsOfTheDrawing) {
    WriteCfg("PTNI.CFG", "90");
    Ok(TDbleimpdlg::Resource, {Type(7505, "4"), Type(7506, "1"), Type(7507, "2")});
    Watched<TDbleimpdlg> imperial;
    ASSERT_EQ(imperial.Execute(), IdOk);
    EXPECT_EQ(imperial.shownText[7505], "3"); // 90 is 3 3/4 inches
    EXPECT_EQ(imperial.shownText[7506], "3");
    EXPECT_EQ(imperial.shownText[7507], "4");
    EXPECT_TRUE(imperial.shownTicked[7501]);
    EXPECT_EQ(imperial.sideCode, 4);
    EXPECT_EQ(ReadCfg("PTNI.CFG"), "108");

    // Sixteenths may be typed, and count.
    Ok(TDbleimpdlg::Resource, {Type(7505, "1"), Type(7506, "3"), Type(7507, "16"), Click(7504)});
    TDbleimpdlg sixteenths;
    ASSERT_EQ(sixteenths.Execute(), IdOk);
    EXPECT_EQ(ReadCfg("PTNI.CFG"), "28");
    EXPECT_EQ(sixteenths.sideCode, 3);

    WriteCfg("PTNM.CFG", "100");
    Ok(TDbledlg::Resource, {Type(7005, "24")});
    Ok(TDbledlg::Resource, {Type(7005, "901")});
    Cancel(TDbledlg::Resource);
    Watched<TDbledlg> refused;
    EXPECT_EQ(refused.Execute(), IdCancel);
    EXPECT_EQ(refused.shownText[7005], "100");
    EXPECT_EQ(refused.refusedFocus, (std::vector<int>{7005, 7005}));
    EXPECT_EQ(ReadCfg("PTNM.CFG"), "100");

    Ok(TDbledlg::Resource, {Type(7005, "900"), Click(7002)});
    TDbledlg metric;
    ASSERT_EQ(metric.Execute(), IdOk);
    EXPECT_EQ(metric.sideCode, 2);
    EXPECT_EQ(ReadCfg("PTNM.CFG"), "900");
    EXPECT_EQ(ReadCfg("PTNI.CFG"), "28");
}

TEST_F(WallDialogs, DisplayModeKeepsOneFloorInTheChosenStyle) {
    const std::pair<int, int> unchanged[] = {{22, 20}, {13, 11}, {0, 0}, {1, 1}, {12, 10}, {21, 21}};
    for (const auto& [before, after] : unchanged) {
        Shared.DisplayMode = before;
        Ok(TDisplandlg::Resource);
        TDisplandlg dialog;
        ASSERT_EQ(dialog.Execute(), IdOk);
        EXPECT_EQ(Shared.DisplayMode, after) << before;
    }
    Shared.DisplayMode = 2;
    Ok(TDisplandlg::Resource, {Click(18505), Clear(18501)});
    Watched<TDisplandlg> solid;
    ASSERT_EQ(solid.Execute(), IdOk);
    EXPECT_TRUE(solid.shownTicked[18501]);
    EXPECT_TRUE(solid.shownTicked[18503]);
    EXPECT_EQ(Shared.DisplayMode, 21);

    Shared.DisplayMode = 3;
    Cancel(TDisplandlg::Resource, {Click(18504)});
    TDisplandlg cancelled;
    EXPECT_EQ(cancelled.Execute(), IdCancel);
    EXPECT_EQ(Shared.DisplayMode, 3);
}

TEST_F(WallDialogs, OverlaysAreWrittenWithTheWorkingFloorsDimensions) {
    WriteCfg("OVERLAY.CFG", "1 0 1 1 1");
    Shared.DisplayMode = 10;
    Ok(TOverdlg::Resource, {Clear(5203), Clear(5204)});
    Watched<TOverdlg> none;
    ASSERT_EQ(none.Execute(), IdOk);
    EXPECT_FALSE(none.shownTicked[5202]);
    EXPECT_TRUE(none.shownTicked[5203]);
    EXPECT_TRUE(none.shownTicked[5204]);
    EXPECT_TRUE(none.shownTicked[5206]);
    EXPECT_EQ(ReadCfg("OVERLAY.CFG"), "0 1 0 0 0"); // no floor ticked is the ground floor
    EXPECT_EQ(Shared.DisplayMode, 12);

    Shared.DisplayMode = 10;
    Ok(TOverdlg::Resource, {Clear(5206), Click(5203), Click(5204)});
    TOverdlg withoutDimensions;
    ASSERT_EQ(withoutDimensions.Execute(), IdOk);
    EXPECT_EQ(ReadCfg("OVERLAY.CFG"), "0 1 1 1 0");
    EXPECT_EQ(Shared.DisplayMode, 13);

    Shared.DisplayMode = 21;
    Cancel(TOverdlg::Resource, {Clear(5202)});
    TOverdlg cancelled;
    EXPECT_EQ(cancelled.Execute(), IdCancel);
    EXPECT_EQ(ReadCfg("OVERLAY.CFG"), "0 1 1 1 0");
    EXPECT_EQ(Shared.DisplayMode, 21);
}

TEST_F(WallDialogs, OverlaysWithoutTheirFileShowNoFloor) {
    std::filesystem::remove(Cfg("OVERLAY.CFG"));
    Shared.DisplayMode = 21;
    Ok(TOverdlg::Resource);
    Watched<TOverdlg> dialog;
    ASSERT_EQ(dialog.Execute(), IdOk);
    for (int id : {5202, 5203, 5204, 5206})
        EXPECT_FALSE(dialog.shownTicked[id]) << id;
    EXPECT_EQ(ReadCfg("OVERLAY.CFG"), "0 1 0 0 0");
    EXPECT_EQ(Shared.DisplayMode, 23);
}

TEST_F(WallDialogs, HelpShowsEachDialogsContext) {
    const std::pair<int, int> contexts[] = {
        {TPlandlg::Resource, 251},        {TPlanimpdlg::Resource, 251}, {TPlancustdlg::Resource, 251},
        {TPlanimpcustdlg::Resource, 251}, {TExtsidedlg::Resource, 250}, {TDbledlg::Resource, 253},
        {TDbleimpdlg::Resource, 253},     {TDisplandlg::Resource, 210}, {TOverdlg::Resource, 210}};
    for (const auto& [resource, context] : contexts)
        Help(resource);
    TPlandlg{}.Execute();
    TPlanimpdlg{}.Execute();
    TPlancustdlg{}.Execute();
    TPlanimpcustdlg{}.Execute();
    TExtsidedlg{}.Execute();
    TDbledlg{}.Execute();
    TDbleimpdlg{}.Execute();
    TDisplandlg{}.Execute();
    TOverdlg{}.Execute();
    ASSERT_EQ(desktop_.HelpShown().size(), std::size(contexts));
    for (std::size_t i = 0; i < std::size(contexts); ++i)
        EXPECT_EQ(desktop_.HelpShown()[i].second, contexts[i].second) << contexts[i].first;
}
