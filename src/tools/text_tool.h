#pragma once
// The text tools. A ready text is placed at a clicked point (PlaceText); a typed text (kind 24) starts
// where the user clicks and grows character by character until Enter stores the line. The position
// code of the text is in CursorX, its orientation in Aux; both come from the text set-up.

#include "tools/tool_framework.h"

#include <string>

class TTexttool : public TDrawingtool {
  public:
    // The most characters a text holds.
    static constexpr int TextLimit = 79;

    TTexttool();
    // Kind 4: the find-centre steps. Kind 24: the press point is where the typed text starts.
    void LButtonDown(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // The text in the drawing's font at the start point, in Colour.
    void DrawShape(platform::DeviceContext& dc, int code) override;
    // Places `text` (its first 79 characters) at a client point as a new text object.
    void PlaceText(platform::DeviceContext& dc, const platform::Rect& client, platform::Point& point,
                   const std::string& text) override;
    // A typed character: Backspace (8) takes the last one back, Enter (13) stores the line as a text
    // object and the next character starts a new one; others are added, up to 79.
    void CharTyped(platform::DeviceContext& dc, const platform::Rect& client, char character) override;

    std::string Text;   // the text being typed or placed
    int TextLength = 0; // its length as stored in the object
    int Typed = 0;      // characters typed since the last Enter

  protected:
    // The drawing's text font at the text size, in the tool's orientation.
    platform::Font TextFont() const;

  private:
    // Puts the view's caret after the text typed so far (horizontal texts).
    void PlaceCaret(platform::DeviceContext& dc, const platform::Rect& client);
};

class TTextobjtool : public TTexttool {
  public:
    TTextobjtool();
    // A text object of the tool's text, font, orientation and position code; nothing when the text is
    // empty. The tool leaves keyboard entry either way.
    void CreateObject(platform::DeviceContext& dc, const platform::Rect& client) override;
};
