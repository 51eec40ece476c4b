#include "app/tool_of_kind.h"

#include "partitions/door_tool.h"
#include "partitions/intwall_tool.h"
#include "partitions/window_tool.h"
#include "rooms/design_room_tool.h"
#include "rooms/fixed_room_tool.h"
#include "tools/drawing_tool.h"
#include "tools/tool_kinds.h"
#include "walls/extwall_tool.h"

namespace {

// A line tool under another kind.
std::unique_ptr<TDrawingtool> LineToolOfKind(int kind) {
    auto tool = std::make_unique<TLineobjtool>();
    tool->Kind = kind;
    return tool;
}

} // namespace

std::unique_ptr<TDrawingtool> ToolOfKind(int kind) {
    switch (kind) {
    case tool_kind::Arc:
        return std::make_unique<TArcobjtool>();
    case tool_kind::Text:
        return std::make_unique<TTextobjtool>();
    case tool_kind::Ellipse:
        return std::make_unique<TEllipseobjtool>();
    case tool_kind::Circle:
        return std::make_unique<TCircleobjtool>();
    case tool_kind::Move:
    case tool_kind::MoveRebuilt:
        return std::make_unique<TMoveobjtool>();
    case tool_kind::Copy:
        return std::make_unique<TCopyobjtool>();
    case tool_kind::Pick:
    case tool_kind::LineRebuilt:
    case tool_kind::WallEdit:
        return LineToolOfKind(kind);
    case tool_kind::TypedText: {
        auto text = std::make_unique<TTextobjtool>();
        text->Kind = kind;
        return text;
    }
    case tool_kind::HingedDoor:
    case tool_kind::DoorPair:
    case tool_kind::WallOpening:
    case tool_kind::SlidingDoor: {
        auto door = std::make_unique<TDoorobjtool>();
        door->Kind = kind;
        return door;
    }
    case tool_kind::FixedRoom:
        return std::make_unique<TRoomobjtool>();
    case tool_kind::LineRebuiltAsLine:
        return std::make_unique<TLineobjtool>();
    case tool_kind::ExternalWall:
        return std::make_unique<TExtwallobjtool>();
    case tool_kind::InternalWall:
        return std::make_unique<TIntwallobjtool>();
    case tool_kind::Window:
        return std::make_unique<TWindowobjtool>();
    case tool_kind::DesignRoom:
        return std::make_unique<TDRoomobjtool>();
    default:
        return nullptr;
    }
}
