#pragma once
// Input as a view receives it: button presses and releases, moves, keys by virtual-key code and typed
// characters, with the point in client pixels. The Qt view widget and the script runner both produce it.

#include "platform/geometry.h"

namespace platform {

enum class InputKind { LeftDown, LeftUp, RightDown, RightUp, MouseMove, KeyDown, KeyUp, Char };

struct InputEvent {
    InputKind kind = InputKind::MouseMove;
    Point point;        // client pixels (mouse events)
    int key = 0;        // virtual-key code (key events)
    char character = 0; // typed character (Char)
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
constexpr int Multiply = 106;
constexpr int Add = 107;
constexpr int Subtract = 109;
constexpr int Divide = 111;
constexpr int F1 = 112;
} // namespace VirtualKey

} // namespace platform
