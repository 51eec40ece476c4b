#include "model/drawing_list.h"
#include "model/drawing_file.h"

#include "model/shared_state.h"
#include "platform/desktop.h"

#include <cmath>
#include <iterator>
#include <limits>

TList DrawingList;

namespace {
// A dialog or message box waits for the user: the program's drawing file is whole before it does.
const bool SavesBeforeTheUserWaits = [] {
    platform::SetBeforeUserWaits([] { DrawingList.WriteHeldDrawing(); });
    return true;
}();

// Room for a small drawing from the start. Growth beyond it is geometric, so reading a large drawing
// stays linear in its size.
constexpr std::size_t InitialCapacity = 51;
} // namespace

TList::TList() {
    objects_.reserve(InitialCapacity);
}

TList::~TList() {
    Clear();
}

void TList::Add(std::unique_ptr<TObject> object) {
    asRead_ = false;
    objects_.push_back(std::move(object));
    count = static_cast<int>(objects_.size());
}

void TList::Flush() {
    WriteHeldDrawing();
    Clear();
}

void TList::Clear() {
    // Deleting an object reads it (its class decides how) and writes its memory's link into it; on a
    // large drawing the objects some places ahead are fetched meanwhile, so the emptying before every
    // paint does not wait on each in turn. The last object goes first: the memory kept for reuse then
    // hands the next read's objects out in the order the list had them, which the memory prefetches
    // well, rather than reversed at each paint.
    constexpr std::size_t Ahead = 16;
    for (std::size_t i = objects_.size(); i-- > 0;) {
        if (i >= Ahead) __builtin_prefetch(objects_[i - Ahead].get(), 1);
        objects_[i].reset();
    }
    objects_.clear();
    count = 0;
    holdsDrawing_ = false;
    asRead_ = false;
}

void TList::ReadDrawingIfNotHeld() {
    if (!holdsDrawing_) ReadDrawing();
}

bool TList::FileHoldsObjects(const std::string& path) {
    asRead_ = false;
    if (!ReadWholeFile(path, readBuffer_) || readBuffer_.Bytes().empty()) return false;
    RecordReader reader(readBuffer_.Bytes());
    RecordHeader header{};
    return !reader.ReadHeader(header) || header[0] > 0;
}

void TList::RemoveAt(int index) {
    if (index < 0 || index >= count) return;
    asRead_ = false;
    objects_.erase(objects_.begin() + index);
    count = static_cast<int>(objects_.size());
}

void TList::RemoveMarked(const std::vector<bool>& marked) {
    asRead_ = false;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < objects_.size(); ++i) {
        if (i < marked.size() && marked[i]) {
            objects_[i].reset();
            continue;
        }
        if (kept != i) objects_[kept] = std::move(objects_[i]);
        ++kept;
    }
    objects_.resize(kept);
    count = static_cast<int>(kept);
}

void TList::TruncateTo(int newCount) {
    if (newCount < 0 || newCount >= count) return;
    asRead_ = false;
    objects_.resize(static_cast<std::size_t>(newCount));
    count = newCount;
}

std::vector<std::unique_ptr<TObject>> TList::TakeFrom(int index) {
    std::vector<std::unique_ptr<TObject>> taken;
    if (index < 0 || index >= count) return taken;
    asRead_ = false;
    const auto from = objects_.begin() + index;
    taken.assign(std::make_move_iterator(from), std::make_move_iterator(objects_.end()));
    objects_.erase(from, objects_.end());
    count = index;
    return taken;
}

int TList::FindSameObject(const TObject& wanted, RecordOrigin readAt, int hint) const {
    const auto recordOf = [](const TObject& object, RecordOrigin centre) {
        RecordWriter writer;
        writer.WriteEntry(object, centre);
        return std::string(writer.Text());
    };
    const std::string record = recordOf(wanted, readAt);
    const RecordOrigin centre = SheetCentreInForce();
    const auto same = [&](int i) {
        const TObject* object = (*this)[i];
        return object && object->type == wanted.type && recordOf(*object, centre) == record;
    };
    if (hint >= 0 && hint < count && same(hint)) return hint;
    for (int i = 0; i < count; ++i)
        if (same(i)) return i;
    return NoObjectIndex;
}

int TList::FindType(int type) const {
    for (int i = 0; i < count; ++i)
        if (objects_[static_cast<std::size_t>(i)] && objects_[static_cast<std::size_t>(i)]->type == type)
            return i;
    return NoObjectIndex;
}

int TList::GetArea() const {
    // The area is kept as a float: one at or beyond the ends of the int range is held at them.
    if (std::isnan(floorArea)) return 0;
    if (floorArea >= 2147483648.0f) return std::numeric_limits<int>::max();
    if (floorArea < -2147483648.0f) return std::numeric_limits<int>::min();
    return static_cast<int>(floorArea);
}

void TList::SetArea(int area) {
    floorArea = static_cast<float>(area);
}

int TList::CountUpperFloors() {
    Shared.CurrentView = 50;
    Flush();
    ReadDrawing();
    bool first = false;
    bool second = false;
    for (const std::unique_ptr<TObject>& object : objects_) {
        if (!object || object->type >= 32000) continue;
        first = first || object->view == 51;
        second = second || object->view == 52;
    }
    return second ? 2 : (first ? 1 : 0);
}

int FindRoomAt(const TList& list, int x, int y) {
    const long long pointX = static_cast<long long>(x) * Shared.Scale;
    const long long pointY = static_cast<long long>(y) * Shared.Scale;
    for (int i = 0; i < list.count; ++i) {
        const TObject* object = list[i];
        if (!object || object->type != 29000 || object->view != Shared.CurrentView) continue;
        if (object->x1 < pointX && pointX < object->x2 && object->y2 < pointY && pointY < object->y1)
            return 1;
    }
    return 0;
}
