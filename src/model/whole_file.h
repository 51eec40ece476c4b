#pragma once
// Whole-file reads and atomic replacement: a file is read at once into memory, and replaced by
// writing a temporary file beside it and renaming that over it, so readers never see half a file
// and a failed write leaves the old one.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// Memory for the bytes of a file read whole, kept from one read to the next: the drawing is read
// back before every paint, and a buffer that stays reuses its memory instead of asking for it (and
// the system clearing it) each time. The bytes are never cleared before a read fills them.
class FileBuffer {
  public:
    std::string_view Bytes() const { return std::string_view(data_.get(), size_); }
    std::size_t Capacity() const { return capacity_; }

  private:
    friend bool ReadWholeFile(const std::string& path, FileBuffer& buffer);
    // Room for `bytes` bytes in all, keeping the first `kept`.
    void Reserve(std::size_t bytes, std::size_t kept);

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// The whole contents of the file into `buffer`, sized once from the file's size; false, with the
// buffer empty, when the file cannot be opened or read.
bool ReadWholeFile(const std::string& path, FileBuffer& buffer);
// The same into a string of its own, for the small files read once.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// The text without the UTF-8 byte-order mark that some editors put at the start of a file they save;
// the readers of drawing, library and CFG files skip it. Files compared byte for byte keep it.
std::string_view WithoutByteOrderMark(std::string_view text);

// Replaces the file at `path` with `bytes`: written to a new temporary file in the same folder
// (created exclusively under a name of this process), flushed to disk, renamed over it, and the
// folder synced so the rename lasts. False, with the old file untouched and no temporary left behind,
// when any step fails.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// The temporary file ReplaceFileAtomically tries first (attempt 0) and next before renaming it over
// `path`: a hidden name of this process beside it, ".NAME.PID-ATTEMPT.tmp", so the rename stays
// within one file system.
std::string TemporaryPathFor(const std::string& path, int attempt);

// True when the file exists and is marked read-only (no write permission), which a replacing save
// must respect: the rename would replace it all the same.
bool IsMarkedReadOnly(const std::string& path);

// Removes the temporary files of saves that were killed before their rename: those in `folder` whose
// process no longer runs. Returns how many it removed.
int RemoveLeftoverTemporaryFiles(const std::string& folder);
