// Fuzzes the drawing-file reader. Any bytes must read without harm. Reading, writing and reading
// again must settle: after one round (which drops objects whose type code has no class), writing what
// was read gives the text that was read. The same bytes are then read as the drawing, and inserted as a
// symbol or the paste buffer would be, and new objects are placed after each read: their numbers count
// on from whatever serial the header held without overflowing or turning back, and the drawing saved
// with them reads back with the same serial and numbers.
#include "model/drawing_file.h"
#include "model/drawing_objects.h"
#include "model/object_codes.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "model/symbol_file.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace {

const RecordOrigin Centre{5000, 4000};

std::string ReadAndWrite(std::string_view text) {
    TList list;
    ParseDrawing(text, Centre, list);
    return FormatDrawing(list, Centre, 1, 1);
}

void Check(bool holds) {
    if (!holds) __builtin_trap();
}

// Places a text (numbered with the bare serial, as texts, dimensions and design rooms are) and an
// internal wall on each floor (its floor's base plus the serial) as the tools number them, saves them
// and reads the file back. What was read before them is left out: only the first round of a damaged
// file may read back otherwise, which the round trip above covers.
void PlaceObjectsAndSave() {
    TList list;
    for (const int view :
         {view_code::GroundFloor, view_code::FirstFloor, view_code::SecondFloor, view_code::FourthPlan}) {
        const int before = Shared.ObjectSerial;
        auto text = std::make_unique<TTextobj>();
        text->view = view;
        text->number = NewObjectSerial();
        Check(text->number >= before || before > LastObjectSerial);
        Check(text->number <= LastObjectSerial);
        const int textNumber = text->number;
        list.Add(std::move(text));

        auto wall = std::make_unique<TIntwallobj>();
        wall->view = view;
        wall->number = wall->aux = NewObjectNumber(FloorNumberBase(view));
        Check(wall->number == FloorNumberBase(view) + Shared.ObjectSerial);
        Check(Shared.ObjectSerial >= textNumber);
        list.Add(std::move(wall));
    }
    const std::string saved = FormatDrawing(list, Centre, Shared.Units, Shared.ObjectSerial);
    TList readBack;
    const DrawingReadResult read = ParseDrawing(saved, Centre, readBack);
    Check(read.headerRead && read.objectSerial == Shared.ObjectSerial);
    Check(readBack.count == list.count);
    for (int i = 0; i < list.count; ++i)
        Check(readBack[i]->number == list[i]->number);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string once = ReadAndWrite(text);
    const std::string twice = ReadAndWrite(once);
    if (ReadAndWrite(twice) != twice) __builtin_trap();

    // The drawing: its header's serial becomes the program's, as File/Open and every repaint read it.
    ResetSharedState();
    TList drawing;
    const DrawingReadResult read = ParseDrawing(text, Centre, drawing);
    if (read.headerRead) Shared.ObjectSerial = read.objectSerial;
    PlaceObjectsAndSave();

    // The same bytes as a symbol or the paste buffer, inserted into that drawing on the floor the
    // input's length picks: the inserted groups take fresh numbers from the greater serial.
    static constexpr int Floors[] = {view_code::GroundFloor, view_code::FirstFloor, view_code::SecondFloor,
                                     view_code::FourthPlan, view_code::RoomLayout};
    TList symbol;
    ParseSymbol(text, RecordOrigin{100, 200}, Floors[size % 5], Shared.ObjectSerial, symbol);
    Check(Shared.ObjectSerial <= LastObjectSerial);
    PlaceObjectsAndSave();
    return 0;
}
