// Paints of the scripted windows with and without a record of their primitives.
#include "program_fixture.h"

#include <gtest/gtest.h>

namespace {

using ScriptedPaints = ProgramTest;

TEST_F(ScriptedPaints, APaintWithoutARecordLeavesTheSamePixelsAndAnEmptyRecord) {
    test_support::WriteFile(
        folder.Path() / "DWGS/PLAN.DB0",
        test_support::ReadFile(KORVANE_SOURCE_DIR "/tests/scenarios/app/fixtures/PLAN.DB0"));
    desktop.QueueFile("PLAN.DB0");
    ASSERT_TRUE(frame->Choose(231));
    frame->RunPendingPaints();
    platform::ScriptedView* view = frame->ActiveScriptedView();
    ASSERT_NE(view, nullptr);
    const platform::PixelBuffer recorded = view->Image();
    const std::string primitives = view->LastPaint();
    // The drawing's red line, from (-4000, -2000) to (-2000, -2000) about the sheet centre.
    EXPECT_NE(primitives.find("LineTo"), std::string::npos) << primitives;

    frame->SetRecordPaints(false);
    view->Invalidate(nullptr, true);
    frame->RunPendingPaints();
    EXPECT_EQ(view->LastPaint(), "");
    EXPECT_TRUE(view->Image() == recorded);

    frame->SetRecordPaints(true);
    view->Invalidate(nullptr, true);
    frame->RunPendingPaints();
    EXPECT_EQ(view->LastPaint(), primitives);
    EXPECT_TRUE(view->Image() == recorded);
}

} // namespace
