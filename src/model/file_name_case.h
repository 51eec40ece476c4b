#pragma once
// Names typed by the user may differ in case from the files on disk; such a name means the file that
// exists.

#include <string>

// The path of `name` in `folder` (which ends in '/'): the exact name when that file exists or no file
// matches, else the existing file whose name differs from it only in ASCII case (the first in
// byte order when several do).
std::string FindFileIgnoringCase(const std::string& folder, const std::string& name);
