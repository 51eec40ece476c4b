#pragma once
// The drawing list: the one container of drawing objects, holding every floor and view of the open
// drawing at once (objects tell their view by their `view` field), plus the few strings the whole
// program shares. The list is a working copy: the drawing file is the record, rewritten after every
// edit and read back before every paint.

#include "model/drawing_objects.h"
#include "model/record_codec.h"
#include "model/selection_line.h"
#include "model/whole_file.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The list index that means "no object": every finder returns it for none.
constexpr int NoObjectIndex = 30001;

// What TList::RotateDrawing did.
struct DrawingTurn {
    // The turned drawing was written (under the new name, which DrawingName now holds).
    bool written = false;
    // The floors (50, 51, 52) whose titles a rotation dropped. The caller makes each again under the
    // turned plan with MakeTitleBlock, which needs the title settings of the view layer. A mirror keeps
    // the titles and leaves this empty.
    std::vector<int> floorsToTitle;
};

// What the last TList::ReadDrawing found in the drawing file.
struct DrawingFileCheck {
    enum class State {
        Unreadable,  // no file, or one that could not be read: the list was left as it was
        NotADrawing, // no drawing header (six numbers) at its start
        // The header, then damage before the end, or entries the list cannot hold as they are stored
        // (a type code with no class, a record whose own code differs from its line's, a string or
        // point list longer than its field): only the `objectsRead` objects read whole were kept.
        Damaged,
        Whole,
    };
    State state = State::Unreadable;
    int objectsRead = 0;
};

class TList {
  public:
    // Longest names the program accepts where they are entered.
    static constexpr int DrawingNameLimit = 24;
    static constexpr int ViewTitleLimit = 29;
    static constexpr int RoomNameLimit = 16;
    static constexpr int FontNameLimit = 31;

    TList();
    ~TList();
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;

    // Appends the object at index `count` and takes ownership of it.
    void Add(std::unique_ptr<TObject> object);
    // Deletes every object; indices and pointers held by callers become invalid. A save held back is
    // written first: the objects are the drawing it writes.
    void Flush();
    // Deletes the object at `index`; the objects after it move down one place.
    void RemoveAt(int index);
    // Deletes the objects from `newCount` to the end (a preview taken back).
    void TruncateTo(int newCount);
    // Takes the objects from `index` to the end out of the list and hands them over, in order: objects
    // not saved yet wait outside the list while a box lets the view repaint (which reads the drawing
    // back), and are added again after it.
    std::vector<std::unique_ptr<TObject>> TakeFrom(int index);
    // Deletes, in one pass, every object whose index is marked (`marked[index]`, indices beyond the
    // marks count as unmarked); the others keep their order.
    void RemoveMarked(const std::vector<bool>& marked);

    // The object at `index`, 0 <= index < count, to read.
    const TObject* operator[](int index) const { return objects_[static_cast<std::size_t>(index)].get(); }
    // The same object to change: the list no longer counts as what its drawing file holds, so the next
    // save writes it.
    TObject* Edit(int index) {
        asRead_ = false;
        return objects_[static_cast<std::size_t>(index)].get();
    }
    // For a pass over the list in order, at `index`: asks the memory for the object a few places
    // ahead. Each object lives in memory of its own, and a pass over a large drawing that waited for
    // each in turn would spend most of its time waiting.
    void FetchAhead(int index) const {
        constexpr int Ahead = 8;
        if (index + Ahead < count) __builtin_prefetch((*this)[index + Ahead]);
    }

    // Index of the first object with this type code, in any view; NoObjectIndex when there is none.
    int FindType(int type) const;
    // Index of an object that the drawing file stores exactly as it stores `wanted`, a copy taken while
    // the list was read against the sheet centre `readAt` (before a box, which may let the view repaint
    // and read the list back into new objects, on a sheet the window has fitted anew): the one at `hint`
    // when it is still that, else the first such; NoObjectIndex when the list no longer holds it.
    int FindSameObject(const TObject& wanted, RecordOrigin readAt, int hint) const;
    // The floor area, truncated to whole square metres or square feet.
    int GetArea() const;
    void SetArea(int area);
    // Sets CurrentView to 50 and refills the list from the drawing file, then tells how many floors
    // above the ground floor hold drawn objects: 2 when the second does, else 1 when the first does,
    // else 0. Information records do not count.
    int CountUpperFloors();

    // Saves the drawing: rewrites the drawing file from the list, whole or not at all, and never one
    // marked read-only. When the save fails the last good drawing stays, DrawingState keeps its value
    // and the user is told once per user action which file was not saved. A non-empty save sets
    // DrawingState to 2. A list that does not hold the drawing (see holdsDrawing_) is not written over
    // a drawing file that holds objects: the file stays as it is, since no part of the drawing is lost.
    // A file that holds the very bytes the save would write is left alone; a list unchanged since a
    // read of the file, which has not changed since either, and found once to write the bytes read, is
    // neither written nor compared again.
    // While a user action runs on an open drawing the write is held back, and the several saves of
    // one command or input are written once: when the action ends, before the drawing file is read
    // (ReadDrawing, RotateDrawing, a Flush that lets the objects go), before another file is saved,
    // before a dialog or message box waits for the user, or when WriteHeldDrawing is called. The held
    // save writes the list as it stands then, on the sheet and under the name of the last save. A
    // file marked read-only is told at once.
    enum class SaveFailureNotice { Tell, Silent };
    void WriteDrawing();
    // Saves as WriteDrawing does, at once, for a caller that must know whether the file was written:
    // false when it was not (told unless `notice` is Silent).
    bool WriteDrawingNow(SaveFailureNotice notice = SaveFailureNotice::Tell);
    // Writes the save held back, if any, for code that reads or copies the drawing file other than
    // through the list. False only when that save failed (and was told).
    bool WriteHeldDrawing();
    // The objects now in the list are a drawing made whole here (a new drawing, a turned one), which
    // its save may write over the drawing file of its name.
    void TakeAsDrawing() { holdsDrawing_ = true; }
    // Reads the drawing file into a list that does not hold the drawing, so that what follows edits
    // and saves the whole of it; a list that holds it is left alone.
    void ReadDrawingIfNotHeld();
    // A command or input of the user begins (UserAction below): a save that fails from now on is told
    // again, and saves are held back until it ends.
    void StartUserAction();
    // It ends: the save it held back is written before the program waits for the user again.
    void EndUserAction();
    // Appends the objects of the drawing file to the list (callers Flush first), restores Units and
    // ObjectSerial from it and sets the bitmap extents. A missing file changes nothing; a damaged one
    // gives the objects read up to the damage.
    void ReadDrawing();
    // Moves the objects of a list read against the sheet centre `from` to where a read against `to`
    // would put them, and sets the bitmap extents as that read would: a drawing read on one sheet and
    // shown on another is not read again. Only for a list as ReadDrawing left it; false when an
    // object was not made by the read, and the caller reads the drawing again.
    bool MoveReadOrigin(RecordOrigin from, RecordOrigin to);
    // For a list that is, unchanged, what a read of the whole drawing into an empty list made: leaves it
    // where it is when that read was against `centre`, else moves it there as MoveReadOrigin does. False
    // for any other list, which the caller reads again: whatever read it last, it knows its own sheet.
    bool MoveAsReadTo(RecordOrigin centre);
    // What that read found, until the next: File/Open asks it of the read that opens a drawing.
    const DrawingFileCheck& LastRead() const { return lastRead_; }
    // ProgramDir + "DWGS/" + DrawingName + ".DB0", or the existing file whose name differs from that
    // only in case.
    std::string DrawingFilePath() const;

    // Writes the selected objects to the symbol or paste file `fileName` of the LIBS folder
    // (symbol_file.h: FormatSymbol), replacing it whole. `beforeReplacing`, when given, runs once the
    // new file is on disk and before it takes the old one's place; when it returns false (it has told
    // the user why) nothing is replaced. When the file cannot be written the old file stays, the user
    // is told in a box naming it (caption "SAVE") and the result is false. The list and DrawingState
    // are not touched.
    bool WriteSymbol(const RecordHeader& header, const std::string& fileName,
                     std::span<const SelectionLine> selection,
                     const std::function<bool()>& beforeReplacing = {}) const;
    // Empties the symbol or paste file `fileName` of the LIBS folder: a copy that had no selection to
    // read leaves a buffer that pastes nothing. Told as WriteSymbol tells.
    bool EmptySymbolFile(const std::string& fileName) const;
    // Inserts the objects of the symbol or paste file `fileName` of the LIBS folder on the current
    // view at SymbolInsertionPoint, with fresh numbers (symbol_file.h: ParseSymbol); they are appended
    // from index `count` on. A missing file adds nothing. Neither saves nor measures extents.
    void ReadSymbol(const std::string& fileName);
    // ProgramDir + "LIBS/" + fileName, or the existing file whose name differs from that only in case.
    std::string LibraryFilePath(const std::string& fileName) const;

    // Turns the whole drawing file, every floor and view, and writes it under `newName`, which
    // becomes DrawingName: `operation` 1 mirrors it left to right, 90, 180 or 270 turn it clockwise by
    // that many degrees (rotate_mirror.h). The list then holds the turned drawing. A missing drawing
    // file, another operation or a damaged file (the user is told) changes nothing.
    DrawingTurn RotateDrawing(int operation, const std::string& newName);

    // The upper-left corner of the current floor's external walls (of the floor below when it has
    // none), cut to multiples of Scale. Non-zero when found; both outputs 0 and result 0 otherwise.
    int GetPlanCorner(int* cornerX, int* cornerY) const;
    // 1 when a floor title (type 37) of `view` exists, else 0.
    int HasTitleText(int view) const;
    // The index of the first object of the current view near the point (view units, times Scale):
    // mode 4 a text, mode 1 a wall, mode 2 an internal wall; NoObjectIndex when none or for any other
    // mode.
    int FindTextNear(int mode, int x, int y) const;

    // Objects in use; they occupy indices 0 to count - 1 in the order they were added. Loops over the
    // drawing read it directly; it changes only through the operations above.
    int count = 0;
    std::string ProgramDir;  // the program's folder, ending in '/'
    std::string DrawingName; // the open drawing's name
    std::string ViewTitle;   // title of the view window last opened
    std::string RoomName;    // name given to the next design room
    std::string FontName;    // face name of the text font in force
    float floorArea = 0.0f;  // of the current floor, whole square metres or square feet

  private:
    // A drawing file as a read found it, and what the read left for its header: with the list as that
    // read made it, a save to the same file on the same sheet, of the same Units and ObjectSerial,
    // while the file keeps its stamp, would write what the read found.
    struct DrawingRead {
        std::string path;
        FileStamp stamp;
        RecordOrigin centre;
        int units = 0;
        int objectSerial = 0;
        friend bool operator==(const DrawingRead&, const DrawingRead&) = default;
    };
    // A save held back by WriteDrawing: the file and the sheet centre it writes with.
    struct HeldSave {
        std::string path;
        RecordOrigin centre;
    };
    // WriteDrawingNow to the drawing file at `path`, which the caller has looked up (DrawingFilePath
    // searches the folder for a name that differs in case).
    bool WriteDrawingNow(const std::string& path, SaveFailureNotice notice);
    // Writes the list to `path` on the sheet of `centre`; false when the file was not replaced (told
    // unless `notice` is Silent). Leaves DrawingState alone.
    bool Save(const std::string& path, RecordOrigin centre, SaveFailureNotice notice);
    // Deletes every object, with no save.
    void Clear();
    void TellSaveFailure(const std::string& path, bool readOnly, const WriteOutcome& outcome);
    // Whether the file at `path` is a drawing with objects, or a file that is no drawing at all.
    bool FileHoldsObjects(const std::string& path);

    std::vector<std::unique_ptr<TObject>> objects_;
    FileBuffer readBuffer_; // the drawing file's bytes as last read, its memory reused by the next read
    // The memory the last save's text was made in, reused by the next save.
    std::string writeMemory_;
    DrawingFileCheck lastRead_;
    // Whether the list holds the drawing: what ReadDrawing found in the drawing file, changed or not
    // since, what the list last saved, or a drawing made whole by TakeAsDrawing; Flush ends it.
    // Opening a view empties the list and leaves the drawing in its file until the view's first paint
    // reads it back, and a command may save, or edit the whole drawing, in between (a dialog that did
    // not let the paint run, a cancelled one): the save and such an edit go by this, never by an empty
    // list, which may as well be a drawing whose objects the user erased.
    bool holdsDrawing_ = false;
    std::optional<HeldSave> heldSave_;
    // The last read of a whole drawing into an empty list (where no one holds an object to change).
    DrawingRead read_;
    // Whether the list is, unchanged, what that read made: ended by every change of the list or of an
    // object in it (Edit, Add, the removals, Flush, MoveReadOrigin) and by every other use of
    // readBuffer_, which holds that read's bytes while this is true.
    bool asRead_ = false;
    // A read whose list was found to write the very bytes read: a save of that list, unchanged, to the
    // file as it was, has nothing to write, and writes and reads nothing (a zoom saves before it
    // repaints, and the repaint reads the file again).
    std::optional<DrawingRead> writesWhatItRead_;
    // The drawing file whose header ObjectSerial was last taken from.
    std::string serialDrawing_;
    // User actions begun and not yet ended; saves are held back while there is one.
    int userActions_ = 0;
};

// A command or input of the user, from the start of the scope that runs it to its end.
class UserAction {
  public:
    explicit UserAction(TList& list) : list_(list) { list_.StartUserAction(); }
    ~UserAction() { list_.EndUserAction(); }
    UserAction(const UserAction&) = delete;
    UserAction& operator=(const UserAction&) = delete;

  private:
    TList& list_;
};

// The program's one drawing list.
extern TList DrawingList;

// 1 when a room (type 29000) of the current view strictly contains the point given in view units
// (scaled by Scale into drawing units), else 0. A room's first point is its upper-left corner.
int FindRoomAt(const TList& list, int x, int y);
