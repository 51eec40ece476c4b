// The stair dialogs as a user answers them: the custom riser and tread in both systems, and the
// details of one flight that the stairs tool asks for.
#include "settings/stair_sizes_dialog.h"
#include "settings/stair_sizes_imperial_dialog.h"
#include "settings/stairs_dialog.h"
#include "settings/stairs_imperial_dialog.h"

#include "settings_test_support.h"

using StairDialogs = SettingsTest;
using platform::IdCancel;
using platform::IdOk;

TEST_F(StairDialogs, ImperialRiserCountsHalvesAndThirds) {
    WriteCfg("STAIRSI.CFG", "168 264");
    Ok(TStrsimpcondlg::Resource, {Type(3905, "7"), Type(3906, "1"), Type(3907, "2")});
    TStrsimpcondlg half;
    ASSERT_EQ(half.Execute(), IdOk);
    // A whole number of inches shows "0" and "0" in the fraction edits.
    EXPECT_EQ(Shown(3900, 3905), "7");
    EXPECT_EQ(Shown(3900, 3906), "0");
    EXPECT_EQ(Shown(3900, 3907), "0");
    EXPECT_EQ(Shown(3900, 3908), "11");
    EXPECT_EQ(ReadCfg("STAIRSI.CFG"), "180 264");

    Ok(TStrsimpcondlg::Resource, {Type(3905, "7"), Type(3906, "1"), Type(3907, "3")});
    TStrsimpcondlg third;
    ASSERT_EQ(third.Execute(), IdOk);
    EXPECT_EQ(Shown(3900, 3906), "1");
    EXPECT_EQ(Shown(3900, 3907), "2");
    EXPECT_EQ(ReadCfg("STAIRSI.CFG"), "176 264");

    // An improper fraction counts too. A remainder that is no whole eighth (the third) shows as 0/0,
    // and so goes back as whole inches.
    Ok(TStrsimpcondlg::Resource, {Type(3908, "10"), Type(3909, "3"), Type(3910, "2")});
    TStrsimpcondlg improper;
    ASSERT_EQ(improper.Execute(), IdOk);
    EXPECT_EQ(Shown(3900, 3906), "0");
    EXPECT_EQ(Shown(3900, 3907), "0");
    EXPECT_EQ(ReadCfg("STAIRSI.CFG"), "168 276");
}

TEST_F(StairDialogs, MetricRiserAndTreadKeepToTheirRanges) {
    WriteCfg("STAIRSM.CFG", "175 250");
    Ok(TStrscondlg::Resource, {Type(3803, "99")});
    Ok(TStrscondlg::Resource, {Type(3803, "301")});
    Ok(TStrscondlg::Resource, {Type(3803, "300"), Type(3804, "601")});
    Cancel(TStrscondlg::Resource);
    TStrscondlg refused;
    EXPECT_EQ(refused.Execute(), IdCancel);
    EXPECT_EQ(Shown(3800, 3803), "175");
    EXPECT_EQ(Shown(3800, 3804), "250");
    ASSERT_EQ(desktop_.Messages().size(), 3u);
    EXPECT_EQ(desktop_.Messages()[0].text, "Value is not in the range 100 to 300.");
    EXPECT_EQ(desktop_.Messages()[2].text, "Value is not in the range 150 to 600.");
    EXPECT_EQ(ReadCfg("STAIRSM.CFG"), "175 250");

    Ok(TStrscondlg::Resource, {Type(3803, "190"), Type(3804, "240")});
    TStrscondlg accepted;
    ASSERT_EQ(accepted.Execute(), IdOk);
    EXPECT_EQ(ReadCfg("STAIRSM.CFG"), "190 240");
}

TEST_F(StairDialogs, CustomStairsFromMissingOrBadFilesShowTheShippedOrClampedSizes) {
    Ok(TStrsimpcondlg::Resource);
    TStrsimpcondlg shipped;
    ASSERT_EQ(shipped.Execute(), IdOk);
    EXPECT_EQ(ReadCfg("STAIRSI.CFG"), "168 264");

    WriteCfg("STAIRSM.CFG", "5000");
    Ok(TStrscondlg::Resource);
    TStrscondlg clamped;
    ASSERT_EQ(clamped.Execute(), IdOk);
    EXPECT_EQ(Shown(3800, 3803), "300");
    EXPECT_EQ(ReadCfg("STAIRSM.CFG"), "300 250");
}

TEST_F(StairDialogs, FlightDetailsReturnTheTemplateSizesAndChoices) {
    Ok(TStrsdlg::Resource);
    TStrsdlg metric;
    ASSERT_EQ(metric.Execute(), IdOk);
    EXPECT_EQ(metric.width, "900");
    EXPECT_EQ(metric.stairwellLength, "2000");
    EXPECT_EQ(metric.storeyHeight, "2550");
    EXPECT_EQ(metric.flight, 1);
    EXPECT_EQ(metric.topTread, 4);

    Ok(TStrsimpdlg::Resource);
    TStrsimpdlg imperial;
    ASSERT_EQ(imperial.Execute(), IdOk);
    EXPECT_EQ(imperial.width, "36");
    EXPECT_EQ(imperial.stairwellFeet, "7");
    EXPECT_EQ(imperial.stairwellInches, "0");
    EXPECT_EQ(imperial.storeyFeet, "8");
    EXPECT_EQ(imperial.storeyInches, "6");
    EXPECT_EQ(imperial.flight, 1);
    EXPECT_EQ(imperial.topTread, 4);
    EXPECT_FALSE(CfgExists("STAIRSM.CFG"));
    EXPECT_FALSE(CfgExists("STAIRSI.CFG"));
}

TEST_F(StairDialogs, FlightDetailsTakeTypedSizesAndEachTopTreadSide) {
    const std::pair<int, int> metricSides[] = {{2554, 1}, {2558, 2}, {2557, 3}};
    for (const auto& [button, side] : metricSides) {
        Ok(TStrsdlg::Resource, {Type(2551, "1000"), Click(2553), Click(button)});
        TStrsdlg dialog;
        ASSERT_EQ(dialog.Execute(), IdOk);
        EXPECT_EQ(dialog.width, "1000");
        EXPECT_EQ(dialog.flight, 2);
        EXPECT_EQ(dialog.topTread, side);
    }
    const std::pair<int, int> imperialSides[] = {{3086, 1}, {3087, 2}, {3089, 3}};
    for (const auto& [button, side] : imperialSides) {
        Ok(TStrsimpdlg::Resource, {Type(3092, "11"), Click(3085), Click(button)});
        TStrsimpdlg dialog;
        ASSERT_EQ(dialog.Execute(), IdOk);
        EXPECT_EQ(dialog.storeyInches, "11");
        EXPECT_EQ(dialog.flight, 2);
        EXPECT_EQ(dialog.topTread, side);
    }
    // A storey of 16 feet is refused.
    Ok(TStrsimpdlg::Resource, {Type(3091, "16")});
    TStrsimpdlg refused;
    EXPECT_EQ(refused.Execute(), IdCancel);
    EXPECT_EQ(desktop_.Messages().back().text, "Value is not in the range 6 to 15.");
}

TEST_F(StairDialogs, EachStairDialogOpensItsHelpContext) {
    for (int resource :
         {TStrscondlg::Resource, TStrsimpcondlg::Resource, TStrsdlg::Resource, TStrsimpdlg::Resource})
        Help(resource);
    TStrscondlg metricSizes;
    metricSizes.Execute();
    TStrsimpcondlg imperialSizes;
    imperialSizes.Execute();
    TStrsdlg metric;
    metric.Execute();
    TStrsimpdlg imperial;
    imperial.Execute();
    EXPECT_EQ(HelpContextsShown(), (std::vector<int>{310, 310, 280, 280}));
}
