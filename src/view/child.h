#pragma once
// The drawing view: one open view of the drawing (a floor plan or the room layout) in a window of its
// own. It owns nothing of the drawing: every paint empties the drawing list, reads the drawing file back
// and paints the list for the current view. It keeps the per-view state its input handlers share and
// the scroll state that ties the window's origin to the scroll bars.

#include "model/record_codec.h"
#include "platform/device_context.h"
#include "platform/window.h"
#include "tools/drawing_view.h"
#include "view/scroller.h"

#include <memory>
#include <string>

class TDrawingtool;
class ViewOwner;

class TChild : public platform::ViewHandler, public DrawingView {
  public:
    // Builds the view's state for a title (the drawing name and the view's suffix): colours, datum and
    // scale; reads the drawing file when a drawing is open. The window comes with Create.
    TChild(ViewOwner& owner, const std::string& title);
    ~TChild() override;
    TChild(const TChild&) = delete;
    TChild& operator=(const TChild&) = delete;

    // Makes the window in the frame, maximised with both scroll bars, and sets it up.
    void Create(platform::FrameWindow& frame);
    // Names the view anew (the drawing name and the view's suffix): its window and the drawing list's
    // title of the last view.
    void SetTitle(const std::string& title);
    // The window; null before Create and after the window is gone.
    platform::ViewWindow* Window() const override { return window_; }
    ViewOwner& Owner() const { return owner_; }
    platform::Rect ClientRect() const override;
    bool Gone() const { return gone_; }
    // True while one of the view's input handlers runs: the view must outlive it even when its window
    // closed meanwhile.
    bool HandlingInput() const { return inputDepth_ > 0; }

    // The rest of the view interface: repaints, the mouse cursor, and the owner's tool services.
    void Invalidate(const platform::Rect* area, bool erase) override;
    platform::Point CursorInClient() const override;
    void PutCursorOn(platform::Point client) override;
    TDrawingtool& Tool() override;
    void SelectPickTool() override;
    void RestoreTool(int kind) override;

    // Per-view state besides the datum, in drawing units where it is a point.
    int StartX = 0;
    int StartY = 0;
    int ScrollRangeY = 0;
    float ThumbDivisorX = 0.0f;
    float ThumbDivisorY = 0.0f;
    // A kind kept for the release or the next key; TypedEnter while the last key of a typed text was
    // Enter.
    int SavedKind = 0;
    static constexpr int TypedEnter = 1;
    int PressScrollX = 0;
    int PressScrollY = 0;
    Scroller scroller;

    // The paint road: the drawing file read back and painted for the current view.
    void Paint(platform::DeviceContext& dc, bool erase, const platform::Rect& area);
    // While set, a paint takes the drawing list as the view's construction read it for the drawing
    // file's contents instead of reading the file again, moved to the sheet centre now in force when
    // the coordinates were read against another: File/Open sets it around the first paint of the view
    // it has just read the drawing for, so the drawing is read once.
    void PaintListAsRead(bool asRead) { listAsRead_ = asRead; }
    // The points the view holds (the datum, a wall run's start) and those of the active tool move
    // with the drawing to the sheet centre in force, from the one they were taken against: called where
    // the sheet is refitted to the window and where the drawing is read back for a paint.
    void FollowSheetCentre();
    void SetupWindow();
    void EvSize(int width, int height);
    void EvHScroll(platform::ScrollCode code, int thumb);
    void EvVScroll(platform::ScrollCode code, int thumb);

    // Input, routed to the active tool. Points are client pixels. A left press runs the drag inside
    // itself: it handles every input of the view until the button is released.
    void EvLButtonDown(platform::Point point);
    void EvLButtonUp(platform::Point point);
    void EvRButtonDown(platform::Point point);
    void EvRButtonUp(platform::Point point);
    void EvMouseMove(platform::Point point);
    void EvKeyDown(int key);
    void EvKeyUp(int key);
    void EvChar(char character);

    void OnPaint(platform::DeviceContext& dc, const platform::Rect& area) override;
    void OnInput(const platform::InputEvent& event) override;
    void OnSize(int width, int height) override;
    void OnScroll(platform::ScrollBar bar, platform::ScrollCode code, int thumb) override;
    void OnDestroyed() override;

  private:
    void Scroll(platform::ScrollBar bar, platform::ScrollCode code, int thumb);

    ViewOwner& owner_;
    platform::ViewWindow* window_ = nullptr;
    bool gone_ = false;
    int inputDepth_ = 0; // input handlers running, nested ones included
    bool listAsRead_ = false;
    RecordOrigin heldCentre_; // the sheet centre the view's points were taken against
};

// The colours in force (background, drawing, overlay) from CLR.CFG.
void LoadColourSettings();
// The second half of building a view: colours from CLR.CFG, the datum and keyboard state reset, the
// list emptied and the screen scale set by the drawing's units.
void LoadViewColours(TChild& view);

// Normal zoom, sheet, scroll ranges and the origin centred on the sheet.
void SetScrollRanges(TChild& view);
// Re-centres the origin on the sheet at the current zoom; repaints the whole view when repaint is 1.
void UpdateScrollOrigin(TChild& view, int repaint);
// The window origin (ScrollX, ScrollY) centred on the sheet for the window extent and zoom in force,
// plus one scroll unit on each axis; the scroller is left as it is.
void CentreOriginOnSheet(const TChild& view);
// Scrolls so that a cursor moved by an arrow key stays in the window (x, y in logical units).
void ScrollCursorIntoView(TChild& view, int step, int key, int x, int y);
// Steps 10 to 15 of setting the scroll ranges: ranges, divisors, positions, thumbs and the origin
// snapped to whole scroll units, for the window extent and zoom in force.
void SyncScrollerToOrigin(TChild& view);
// The thumbs and the window origin (ScrollX, ScrollY) of the scroller's positions.
void ShowScrollPositions(TChild& view);

// What follows the drawing name in the title of a view: ".PL1" and ".PL2" for the first and second
// floors, ".LYT" for the room layout (the views below the ground floor), ".PLN" for the others.
std::string ViewTitleSuffix(int view);

// Tells the user the command needs another view (code 2), putting the mouse cursor back afterwards.
void ShowSelectViewMessage(TChild& view, int code);
