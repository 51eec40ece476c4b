#include "tools/drawing_tool.h"

#include "model/shared_state.h"

using platform::DeviceContext;
using platform::Point;
using platform::Rect;

TDrawingtool::TDrawingtool() = default;

void TDrawingtool::LButtonDown(DeviceContext&, const Rect&, int, int) {}
void TDrawingtool::LButtonUp(DeviceContext&, const Rect&, Point&) {}
void TDrawingtool::RButtonDown(DeviceContext&, const Rect&, Point&) {}
void TDrawingtool::RButtonUp(DeviceContext&, const Rect&, int, int) {}
void TDrawingtool::MouseMove(DeviceContext&, const Rect&, int, int) {}
void TDrawingtool::DrawShape(DeviceContext&, int) {}
void TDrawingtool::Execute(DeviceContext&, const Rect&) {}
void TDrawingtool::KeyDown(DeviceContext&, const Rect&, int, Point, int) {}
void TDrawingtool::PlaceText(DeviceContext&, const Rect&, Point&, const std::string&) {}
void TDrawingtool::CharTyped(DeviceContext&, const Rect&, char) {}
void TDrawingtool::CreateObject(DeviceContext&, const Rect&) {}
void TDrawingtool::AddDimension(DeviceContext&, const Rect&, int, int, int, int) {}
void TDrawingtool::AddLineText(DeviceContext&, const Rect&, int, int) {}
void TDrawingtool::Action(int) {}
void TDrawingtool::Step(int, int, int) {}
void TDrawingtool::FindLineCentre(DeviceContext&, const Rect&, int, int) {}
void TDrawingtool::FindRectCentre(DeviceContext&, const Rect&, int, int) {}

TLinetool::TLinetool() {
    Kind = 1;
}
TLineobjtool::TLineobjtool() = default;
TArctool::TArctool() = default;
TArcobjtool::TArcobjtool() {
    Kind = 3;
}
TEllipsetool::TEllipsetool() = default;
TEllipseobjtool::TEllipseobjtool() {
    Kind = 5;
}
TCircletool::TCircletool() = default;
TCircleobjtool::TCircleobjtool() {
    Kind = 6;
}
TRectangletool::TRectangletool() = default;
TRectangleobjtool::TRectangleobjtool() {
    Kind = 7;
}
TRoundrecttool::TRoundrecttool() = default;
TRndrectobjtool::TRndrectobjtool() {
    Kind = 8;
}
TTexttool::TTexttool() = default;
TTextobjtool::TTextobjtool() {
    Kind = 4;
}
TMoveobjtool::TMoveobjtool() {
    Kind = 14;
}
TCopyobjtool::TCopyobjtool() {
    Kind = 15;
}
TEraseobjtool::TEraseobjtool() {
    Kind = 19;
}
TExtwallobjtool::TExtwallobjtool() {
    Kind = 1000;
}
TIntwallobjtool::TIntwallobjtool() {
    Kind = 1500;
}
TRoomobjtool::TRoomobjtool() {
    Kind = 71;
}
TWindowobjtool::TWindowobjtool() {
    Kind = 2000;
}
TDoorobjtool::TDoorobjtool() {
    Kind = 3000;
}
TStepobjtool::TStepobjtool() {
    Kind = 57;
}
TDRoomobjtool::TDRoomobjtool() : RoomColour(Shared.BackgroundColour) {
    Kind = 29000;
}
