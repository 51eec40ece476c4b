#include "app/draw_commands.h"

#include "app/client.h"
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/stairs_setup.h"
#include "platform/desktop.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "tools/drawing_tool.h"
#include "tools/status_texts.h"
#include "tools/text_placement.h"
#include "view/child.h"
#include "view/datum.h"

#include <cstdio>

namespace {

std::string WithPenWidth(const char* format, const char* name) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, Shared.PenWidth, name);
    return buffer;
}

const char* LineStyleName(int style, bool withText) {
    static const char* plain[] = {"LINE solid", "LINE dash", "LINE dot", "LINE dotdash"};
    static const char* text[] = {"LINE solid+txt", "LINE dash+txt", "LINE dot+txt", "LINE dotdash+txt"};
    if (style < 0 || style > 3) return "";
    return withText ? text[style] : plain[style];
}

// The line tool, with or without a text to follow: both keep the line style of the tool in use.
void LineCommand(TClient& client, bool withText) {
    int style = client.CurrentTool->LineStyle();
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::Lines;
    ShowPrompt("ENTER start of line, then arrow key direction, OR press LeftButton & DRAG");
    auto line = std::make_unique<TLineobjtool>();
    line->LineStyle() = style;
    client.InstallTool(std::move(line));
    ShowCaption(WithPenWidth(withText ? "%d, %s" : "%d,%s", LineStyleName(style, withText)));
    client.CurrentTool->LineWidth() = Shared.PenWidth;
    if (withText) {
        client.CurrentTool->State = TLineobjtool::LineWithText;
        client.CurrentTool->Y1 = TLineobjtool::NoLineText;
    }
}

void ShapeCommand(TClient& client, std::unique_ptr<TDrawingtool> tool, int helpContext, const char* caption,
                  const char* prompt) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = helpContext;
    client.InstallTool(std::move(tool));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, caption, Shared.PenWidth);
    ShowCaption(buffer);
    ShowPrompt(prompt);
}

} // namespace

void AddDrawCommands(CommandTable& table) {
    table.Add(command_id::Line, CmLine);
    table.Add(command_id::LinePlusText, CmLineText);
    table.Add(command_id::Text, CmText);
    table.Add(command_id::Arc, CmArc);
    table.Add(command_id::Ellipse, CmEllipse);
    table.Add(command_id::Circle, CmCircle);
    table.Add(command_id::Rectangle, CmRectangle);
    table.Add(command_id::RoundRect, CmRoundRect);
    table.Add(command_id::DrawMultilines, CmMultilines);
    table.Add(command_id::Nothing, CmNothing);
    table.Add(command_id::FindCentreOfLine, CmFindLineCentre);
    table.Add(command_id::FindCentreOfRectangle, CmFindRectCentre);
    table.Add(command_id::SetDatumReferencePoint, CmDatum);
}

void CmLine(TClient& client) {
    LineCommand(client, false);
}

void CmLineText(TClient& client) {
    LineCommand(client, true);
}

void CmArc(TClient& client) {
    ShapeCommand(client, std::make_unique<TArcobjtool>(), help_context::Curves, "%d,Arc",
                 "press ENTER on both endpoints of ARC - endpts MUST BE IN LINE horiz or vert!");
}

void CmEllipse(TClient& client) {
    ShapeCommand(client, std::make_unique<TEllipseobjtool>(), help_context::Curves, "%d,Ellipse",
                 "press Left Button on one endpoint and DRAG");
}

void CmCircle(TClient& client) {
    ShapeCommand(client, std::make_unique<TCircleobjtool>(), help_context::Curves, "%d,Circle",
                 "ENTER centrepoint, input radius OR press Left Button on centre and DRAG");
}

void CmRectangle(TClient& client) {
    ShapeCommand(client, std::make_unique<TRectangleobjtool>(), help_context::Text, "%d,Rectangle",
                 "Press ENTER on one corner of RECTANGLE");
}

void CmRoundRect(TClient& client) {
    ShapeCommand(client, std::make_unique<TRndrectobjtool>(), help_context::Text, "%d,RoundRect",
                 "Press ENTER on one corner -as if squared off- of ROUNDED RECTANGLE");
}

void CmText(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::Text;
    ShowCaption("Text");
    client.InstallTool(std::make_unique<TTextobjtool>());
    if (TChild* view = client.ActiveView()) StartTextTool(*view);
}

// Multilines: a line tool that asks the number of lines and then waits for the first line.
void CmMultilines(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::Lines;
    if (Shared.CurrentView < view_code::Printing) DrawingList.WriteDrawing();
    TChild* view = client.ActiveView();
    if (!view || !view->Window()) return;
    auto multiline = std::make_unique<TLineobjtool>();
    multiline->State = TLineobjtool::Multilines;
    multiline->LineWidth() = Shared.PenWidth;
    client.InstallTool(std::move(multiline));
    char caption[32];
    std::snprintf(caption, sizeof caption, "%d,Multiline", Shared.PenWidth);
    ShowCaption(caption);
    SetupMultilineOrStairs(*view, 8);
}

void CmNothing(TClient& /*client*/) {}

void CmFindLineCentre(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::CentreAndDatum;
    TDrawingtool& tool = *client.CurrentTool;
    if (tool.State == TLineobjtool::Multilines) {
        // Multilines keep their own state.
        platform::TheDesktop().MessageBox("Centre is not available to this function", "CENTRE",
                                          platform::MessageBoxStyle::Ok);
        return;
    }
    tool.SavedState = tool.State;
    tool.State = TDrawingtool::FindingLineCentre;
    ShowPrompt("CENTRE - mark both endpoints with LEFT Button - cursor will move to centre");
}

void CmFindRectCentre(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::CentreAndDatum;
    TDrawingtool& tool = *client.CurrentTool;
    tool.SavedState = tool.State;
    tool.State = TDrawingtool::FindingRectCentre;
    ShowPrompt("CENTRE CENTRE - click any three corners in a CLOCKWISE direction with LEFT Button");
}

void CmDatum(TClient& client) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = help_context::CentreAndDatum;
    if (TChild* view = client.ActiveView()) ToggleDatumPlacement(*view);
}
