#pragma once
// Input as a view receives it: button presses and releases, moves, keys by virtual-key code and typed
// characters, with the point in client pixels. Mouse input carries which buttons and shift keys are held,
// as the platform's mouse messages do. The Qt view widget and the script runner both produce it.

#include "platform/geometry.h"

namespace platform {

enum class InputKind { LeftDown, LeftUp, RightDown, RightUp, MouseMove, KeyDown, KeyUp, Char };

// What a mouse input says is held once it happened: a press carries its own button, a release no longer.
namespace MouseFlag {
constexpr unsigned Left = 0x0001;
constexpr unsigned Right = 0x0002;
constexpr unsigned Shift = 0x0004;
constexpr unsigned Control = 0x0008;
constexpr unsigned Middle = 0x0010;
} // namespace MouseFlag

struct InputEvent {
    InputKind kind = InputKind::MouseMove;
    Point point;        // client pixels (mouse events)
    int key = 0;        // virtual-key code (key events)
    char character = 0; // typed character (Char)
    unsigned held = 0;  // MouseFlag bits (mouse events)
};

bool IsMouseInput(InputKind kind);

// The buttons and shift keys a run of inputs leaves held, for input that comes without them (a script's
// steps): each input updates the state, and a mouse input is given the state after it.
class HeldButtons {
  public:
    void Apply(InputEvent& event);
    unsigned Flags() const { return flags_; }

  private:
    unsigned flags_ = 0;
};

// Virtual-key codes the program reacts to.
namespace VirtualKey {
constexpr int Back = 8;
constexpr int Tab = 9;
constexpr int Return = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Escape = 27;
constexpr int Prior = 33;
constexpr int Next = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
constexpr int Delete = 46;
// The numeric keypad's digits, 0 to 9.
constexpr int Numpad0 = 96;
constexpr int Numpad9 = 105;
constexpr int Multiply = 106;
constexpr int Add = 107;
constexpr int Subtract = 109;
constexpr int Divide = 111;
constexpr int F1 = 112;
} // namespace VirtualKey

} // namespace platform
