// The drawing operations of the objects. Until the painters are in place every object draws nothing;
// an information record keeps these empty operations for good, so it never draws.
#include "model/drawing_objects.h"

void TObject::Draw(platform::DeviceContext&) {}
void TObject::DrawFilledWall(platform::DeviceContext&) {}
void TObject::DrawPatternWall(platform::DeviceContext&, int) {}
void TObject::DrawScaled(platform::DeviceContext&, int, int, int) {}
void TObject::DrawScaledFilledWall(platform::DeviceContext&, int, int, int) {}
void TObject::DrawScaledPatternWall(platform::DeviceContext&, int, int, int, int) {}
void TObject::Paint(platform::DeviceContext&, const platform::Rect&, int) {}
void TObject::PaintMapped(platform::DeviceContext&, const platform::Rect&, int) {}

void TLineobj::Draw(platform::DeviceContext&) {}
void TLineobj::DrawScaled(platform::DeviceContext&, int, int, int) {}
void TArcobj::Draw(platform::DeviceContext&) {}
void TArcobj::DrawScaled(platform::DeviceContext&, int, int, int) {}
void TTextobj::Draw(platform::DeviceContext&) {}
void TTextobj::DrawScaled(platform::DeviceContext&, int, int, int) {}
void TEllipseobj::Draw(platform::DeviceContext&) {}
void TEllipseobj::DrawScaled(platform::DeviceContext&, int, int, int) {}
void TCircleobj::Draw(platform::DeviceContext&) {}
void TCircleobj::DrawScaled(platform::DeviceContext&, int, int, int) {}
void TRectangleobj::Draw(platform::DeviceContext&) {}
void TRectangleobj::DrawScaled(platform::DeviceContext&, int, int, int) {}
void TRndrectobj::Draw(platform::DeviceContext&) {}
void TRndrectobj::DrawScaled(platform::DeviceContext&, int, int, int) {}
void TPolyobj::Draw(platform::DeviceContext&) {}
void TPolyobj::DrawScaled(platform::DeviceContext&, int, int, int) {}
void TArrowobj::Draw(platform::DeviceContext&) {}
void TArrowobj::DrawScaled(platform::DeviceContext&, int, int, int) {}
void TRoomobj::Draw(platform::DeviceContext&) {}
void TRoomobj::DrawScaled(platform::DeviceContext&, int, int, int) {}

void TIntwallobj::Draw(platform::DeviceContext&) {}
void TIntwallobj::DrawFilledWall(platform::DeviceContext&) {}
void TIntwallobj::DrawPatternWall(platform::DeviceContext&, int) {}
void TIntwallobj::DrawScaled(platform::DeviceContext&, int, int, int) {}
void TIntwallobj::DrawScaledFilledWall(platform::DeviceContext&, int, int, int) {}
void TIntwallobj::DrawScaledPatternWall(platform::DeviceContext&, int, int, int, int) {}

void TExtwallobj::Draw(platform::DeviceContext&) {}
void TExtwallobj::DrawFilledWall(platform::DeviceContext&) {}
void TExtwallobj::DrawPatternWall(platform::DeviceContext&, int) {}
void TExtwallobj::DrawScaled(platform::DeviceContext&, int, int, int) {}
void TExtwallobj::DrawScaledFilledWall(platform::DeviceContext&, int, int, int) {}
void TExtwallobj::DrawScaledPatternWall(platform::DeviceContext&, int, int, int, int) {}
