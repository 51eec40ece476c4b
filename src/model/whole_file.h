#pragma once
// Whole-file reads and atomic replacement: a file is read at once into memory, and replaced by
// writing a temporary file beside it and renaming that over it, so readers never see half a file
// and a failed write leaves the old one.

#include <string>
#include <string_view>

// The whole contents of the file; false when it cannot be opened or read.
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
