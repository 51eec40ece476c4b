#pragma once
// Files that travel inside the executable: the default CFG set and the help pages.

#include <string_view>
#include <vector>

struct EmbeddedFile {
    std::string_view path; // relative to the program folder, '/' separated, e.g. "CFG/CLR.CFG"
    std::string_view bytes;
};

const std::vector<EmbeddedFile>& EmbeddedFiles();
