#pragma once
// The one question asked before a file the user keeps is written over: "NAME already exists, replace
// it?" with Yes and No, so a drawing or a library symbol is never lost without a word.

#include <string>

// True when no file stands at `path`, or when the user answers Yes to the question (caption
// `caption`) about it; false on No.
bool MayReplaceFile(const std::string& path, const std::string& caption);
