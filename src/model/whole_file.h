#pragma once
// Whole-file reads and atomic replacement: a file is read at once into memory, and replaced by
// writing a temporary file beside it and renaming that over it, so readers never see half a file
// and a failed write leaves the old one.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// What tells one state of a file from another without reading it: the file (device and inode), its
// size and the times of its last change. A file replaced, written or touched since has another stamp.
struct FileStamp {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedNanoseconds = 0;
    long long changedNanoseconds = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
// Memory for the bytes of a file read whole, kept from one read to the next: the drawing is read
// back before every paint, and a buffer that stays reuses its memory instead of asking for it (and
// the system clearing it) each time. The bytes are never cleared before a read fills them.
class FileBuffer {
  public:
    std::string_view Bytes() const { return std::string_view(data_.get(), size_); }
    std::size_t Capacity() const { return capacity_; }

  private:
    friend bool ReadWholeFile(const std::string& path, FileBuffer& buffer, FileStamp* stamp);
    // Room for `bytes` bytes in all, keeping the first `kept`.
    void Reserve(std::size_t bytes, std::size_t kept);

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// The stamp of the regular file at `path`; none when there is no such file.
std::optional<FileStamp> StampOf(const std::string& path);

// The whole contents of the file into `buffer`, sized once from the file's size; false, with the
// buffer empty, when the file cannot be opened or read, or is not a regular file: a named pipe or a
// device is refused at once, never waited on. `stamp`, when given, receives the file's stamp as it
// was opened.
bool ReadWholeFile(const std::string& path, FileBuffer& buffer, FileStamp* stamp = nullptr);
// The same into a string of its own, for the small files read once.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// True when the regular file at `path` holds exactly `bytes`, read into `buffer` to compare; a file of
// another size is not read.
bool FileHolds(const std::string& path, std::string_view bytes, FileBuffer& buffer);

// The text without the UTF-8 byte-order mark that some editors put at the start of a file they save;
// the readers of drawing, library and CFG files skip it. Files compared byte for byte keep it.
std::string_view WithoutByteOrderMark(std::string_view text);

// How a write of a file ended: written, or with the system's error number of the step that failed.
struct WriteOutcome {
    int error = 0;
    explicit operator bool() const { return error == 0; }
    // The file system is mounted read-only: nothing on it can be written, whatever its files' marks.
    bool OnReadOnlyFileSystem() const;
    // The disk (or the user's share of it) has no room left for the file.
    bool OnFullDisk() const;
};

// A replacement of a file written beside it and not yet put in its place: a save of several files
// writes each of them first and puts them in place last, so that an interruption before then leaves
// every old file as it was. A staged file that is never committed is removed.
class StagedFile {
  public:
    StagedFile() = default;
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Writes `bytes` to a new temporary file beside `path` (created exclusively under a name of this
    // process) with the old file's permissions, and flushes it to disk.
    WriteOutcome Stage(const std::string& path, std::string_view bytes);
    // Renames the staged file over its path and syncs the folder, so the rename lasts.
    WriteOutcome Commit();

  private:
    std::string path_;
    std::string temporary_;
};

// Replaces the file at `path` with `bytes`: staged beside it, then renamed over it. On failure the old
// file is untouched and no temporary is left behind.
WriteOutcome ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// The steps of every write, in order, for a test that fails or interrupts them.
enum class WriteStep { Create, Write, Flush, Rename, SyncFolder };
// A test's hook, asked before each step of every write with the path being replaced: it returns 0 to
// let the step go on, or the error number the step then fails with, as the system would fail it (a
// read-only file system, a full disk). It may also end the process there, as a kill would. None by
// default; an empty hook removes it.
using WriteStepHook = std::function<int(WriteStep step, const std::string& path)>;
void SetWriteStepHook(WriteStepHook hook);

// The temporary file ReplaceFileAtomically tries first (attempt 0) and next before renaming it over
// `path`: a hidden name of this process beside it, ".NAME.PID-ATTEMPT.tmp", so the rename stays
// within one file system.
std::string TemporaryPathFor(const std::string& path, int attempt);

// True when the file exists and is marked read-only (no write permission), which a replacing save
// must respect: the rename would replace it all the same. A file on a read-only file system is not
// marked: the save fails of itself and says why.
bool IsMarkedReadOnly(const std::string& path);

// Removes the temporary files of saves that were killed before their rename: those in `folder` whose
// process no longer runs. Returns how many it removed.
int RemoveLeftoverTemporaryFiles(const std::string& folder);
