#pragma once
// The operations of the rooms that the drawing view calls, as one interface: the view holds it through
// its owner, which gives the program's own set (each member calls the function of the same name); a
// test gives its own to see the calls.

#include "platform/geometry.h"
#include "rooms/design_rooms.h"
#include "rooms/fixed_rooms.h"
#include "rooms/room_layout.h"

class DrawingView;
class TList;

class RoomOperations {
  public:
    virtual ~RoomOperations() = default;
    virtual void InvalidateDesignRoomArea(DrawingView& view, const platform::Rect& client) = 0;
    virtual void NewFixedRoom(DrawingView& view) = 0;
    virtual void NewMaxDesignRoom(DrawingView& view) = 0;
    virtual void MakeLayoutGrid(TList& list) = 0;
};

class ProgramRoomOperations final : public RoomOperations {
  public:
    void InvalidateDesignRoomArea(DrawingView& view, const platform::Rect& client) override {
        ::InvalidateDesignRoomArea(view, client);
    }
    void NewFixedRoom(DrawingView& view) override { ::NewFixedRoom(view); }
    void NewMaxDesignRoom(DrawingView& view) override { ::NewMaxDesignRoom(view); }
    void MakeLayoutGrid(TList& list) override { ::MakeLayoutGrid(list); }
};
