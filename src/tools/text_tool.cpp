#include "tools/text_tool.h"

#include "tools/tool_kinds.h"

#include "model/drawing_list.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "platform/input.h"
#include "tools/tool_support.h"

#include <algorithm>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
namespace TextAlign = platform::TextAlign;

namespace {

// A text as a tool receives it, cut to what a text object holds.
std::string KeptText(const std::string& text) {
    const std::string::size_type end =
        std::min(text.find('\0'), std::string::size_type{TTexttool::TextLimit});
    return text.substr(0, end);
}

} // namespace

TTexttool::TTexttool() = default;

platform::Font TTexttool::TextFont() const {
    platform::Font font;
    font.face = DrawingList.FontName;
    font.height = Shared.TextSize * tool_support::ScaleDivisor();
    font.width = 0;
    font.escapement = Aux;
    font.orientation = 0;
    font.weight = Shared.FontWeight < 500 ? 400 : 700;
    font.charSet = 0;
    font.quality = platform::ProofQuality;
    font.pitchAndFamily = platform::VariablePitch;
    return font;
}

void TTexttool::LButtonDown(DeviceContext& dc, const Rect& client, int x, int y) {
    if (Kind == tool_kind::Text) {
        if (State == FindingLineCentre || State == LineCentreFound)
            FindLineCentre(dc, client, x, y);
        else if (State >= FindingRectCentre && State <= RectCentreFound)
            FindRectCentre(dc, client, x, y);
        return;
    }
    if (Kind == tool_kind::TypedText) {
        const Point start = tool_support::ToDrawingUnits(dc, client, x, y);
        X1 = start.x;
        Y1 = start.y;
        PlaceCaret(dc, client);
    }
}

void TTexttool::DrawShape(DeviceContext& dc, int) {
    const platform::Font previous = dc.SelectFont(TextFont());
    dc.SetTextAlign(TextAlign::Bottom);
    const int scale = tool_support::ScaleDivisor();
    if (Typed == 1) {
        // The line height of the text, for the view to start the next line.
        const platform::TextMetrics metrics = dc.GetTextMetrics();
        Count =
            tool_support::Clamped(static_cast<long long>(metrics.height + metrics.externalLeading) * scale);
    }
    switch (CursorX) {
    case 1:
        if (Aux == 0 || Aux == 2700) dc.SetTextAlign(TextAlign::Bottom | TextAlign::Center);
        break;
    case 2:
    case 3:
        dc.SetTextAlign(TextAlign::Bottom | TextAlign::Left);
        break;
    case 4:
        dc.SetTextAlign(TextAlign::Top | TextAlign::Center);
        break;
    case 5:
        dc.SetTextAlign(TextAlign::Top | TextAlign::Left);
        break;
    case 6:
        dc.SetTextAlign(TextAlign::Bottom | TextAlign::Center);
        break;
    default:
        break;
    }
    dc.SetBkMode(platform::BackgroundMode::Transparent);
    dc.SetTextColor(Colour);
    dc.TextOut(X1 / scale, Y1 / scale, Text);
    dc.SelectFont(previous);
}

void TTexttool::PlaceText(DeviceContext& dc, const Rect& client, Point& point, const std::string& text) {
    Colour = Shared.DrawingColour;
    const Point start = StepPoint(dc, client, point);
    X1 = start.x;
    Y1 = start.y;
    Text = KeptText(text);
    TextLength = static_cast<int>(Text.size());
    Number = NewObjectSerial();
    CreateObject(dc, client);
}

void TTexttool::CharTyped(DeviceContext& dc, const Rect& client, char character) {
    SetViewMapping(dc, client);
    if (character == platform::VirtualKey::Back) {
        // Nothing typed since the last Enter: there is nothing to take back.
        if (Typed == 0) return;
        const platform::ColourRef own = Colour;
        Colour = Shared.BackgroundColour;
        DrawShape(dc, 1);
        Colour = own;
        --Typed;
        Text.resize(static_cast<std::size_t>(Typed));
        DrawShape(dc, 1);
    } else if (character == platform::VirtualKey::Return) {
        // The text stays: a character typed next starts it afresh, an Enter places it again.
        Colour = Shared.DrawingColour;
        TextLength = static_cast<int>(Text.size());
        CreateObject(dc, client);
        TextLength = 0;
        Typed = 0;
    } else {
        if (character == '\0' || Typed >= TextLimit) return;
        Colour = Shared.DrawingColour;
        Text.resize(static_cast<std::size_t>(Typed));
        Text.push_back(character);
        ++Typed;
        DrawShape(dc, 1);
    }
    PlaceCaret(dc, client);
}

void TTexttool::PlaceCaret(DeviceContext& dc, const Rect& client) {
    if (!ViewWindow || Aux != 0) return;
    SetViewMapping(dc, client);
    const platform::Font previous = dc.SelectFont(TextFont());
    const std::string typed = Text.substr(0, static_cast<std::size_t>(Typed));
    const platform::Size extent = dc.GetTextExtent(typed);
    const int height = dc.GetTextMetrics().height;
    dc.SelectFont(previous);
    const int scale = tool_support::ScaleDivisor();
    // The text lies along its anchor as the position code aligns it; y grows upwards.
    const bool centred = CursorX == 1 || CursorX == 4 || CursorX == 6;
    const bool hangs = CursorX == 4 || CursorX == 5;
    const int x = X1 / scale + (centred ? extent.cx / 2 : extent.cx);
    const int bottom = hangs ? Y1 / scale - height : Y1 / scale;
    Point top{x, bottom + height};
    Point foot{x, bottom};
    dc.LPtoDP(top);
    dc.LPtoDP(foot);
    ViewWindow->CreateCaret(1, std::max(1, foot.y - top.y));
    ViewWindow->SetCaretPos(top);
    ViewWindow->ShowCaret(true);
}

TTextobjtool::TTextobjtool() {
    Kind = tool_kind::Text;
    Pending = 0;
    Text.clear();
    TextLength = 0;
    Typed = 0;
    X2 = 0;
    Z2 = 0;
}

void TTextobjtool::CreateObject(DeviceContext& dc, const Rect& client) {
    Pending = 0;
    if (Text.empty()) return;
    TextLength = static_cast<int>(Text.size());
    SetViewMapping(dc, client);
    const platform::Font previous = dc.SelectFont(TextFont());
    const platform::Size extent = dc.GetTextExtent(Text);
    dc.SelectFont(previous);
    if (CursorX == 1 && Aux == 2700) {
        // A vertical text centred on the cursor starts half its length further down (drawing units).
        Y1 = tool_support::Clamped(Y1 - static_cast<long long>(extent.cx) * tool_support::ScaleDivisor() / 2);
    }
    auto text = std::make_unique<TTextobj>();
    tool_support::FillCommonFields(*text, *this);
    text->penWidth = 1;
    text->penStyle = 0;
    SetObjectString(text->text, text->textLength, Text);
    SetObjectString(text->fontName, text->fontNameLength, DrawingList.FontName);
    text->escapement = Aux;
    text->alignment = CursorX;
    text->weight = Shared.FontWeight;
    text->size = Shared.TextSize;
    tool_support::ShowAndKeep(std::move(text), dc, client);
}
