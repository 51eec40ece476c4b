#pragma once
// The program's dialog resources: for each resource id the dialog's title, its controls (id, kind,
// text, text limit, validator, radio groups, an edit's text as the resource holds it) and whether it
// has a Help button. The dialog classes of src/settings are built on these; the desktop lays them out.

#include "platform/dialog.h"

#include <vector>

// The template of a dialog resource; a template with no title and no controls for an unknown id.
platform::DialogTemplate DialogResource(int resourceId);

// Every resource id DialogResource knows, in ascending order.
std::vector<int> DialogResourceIds();

// The characters a typed name may hold: letters, digits, comma and space.
inline constexpr const char* NameCharacters = "A-Za-z0-9, ";

// The id of static texts that the program never addresses.
constexpr int StaticTextId = -1;
