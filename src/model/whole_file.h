#pragma once
// Whole-file reads and atomic replacement: a file is read at once into memory, and replaced by
// writing a temporary file beside it and renaming that over it, so readers never see half a file
// and a failed write leaves the old one.

#include <string>
#include <string_view>

// The whole contents of the file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Replaces the file at `path` with `bytes`: written to a temporary file in the same folder, flushed
// to disk, then renamed over it. False, with the old file untouched and no temporary left behind,
// when any step fails.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// The temporary file ReplaceFileAtomically writes before renaming it over `path`: a hidden name of
// this process beside it, so the rename stays within one file system.
std::string TemporaryPathFor(const std::string& path);
