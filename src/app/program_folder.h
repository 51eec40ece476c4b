#pragma once
// The program folder: the folder that holds the executable. Every CFG, DWGS and LIBS path is this
// folder followed by the relative name.

#include <string>

// Creates CFG/, DWGS/ and LIBS/ under the folder when missing, removes the temporary files that
// killed saves left there and lays in every shipped default file that is missing. Returns false,
// with the reason in `error`, when a folder cannot be made.
bool PrepareProgramFolder(const std::string& folder, std::string& error);
