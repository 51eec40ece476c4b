#pragma once
// The document Help shows, the index page of the program's help folder, and why Help cannot show it
// when it cannot: the desktops refuse in these words, each in its own message box.

#include <string>

namespace platform {

// The page Help shows of the help folder `folder` (a path ending in '/').
std::string HelpDocumentPath(const std::string& folder);

// The text with which Help refuses the document of `folder`, or empty when Help can show it: something
// that is not a file in its place, a help folder that is not a folder, or a page that is missing. Only
// the file system's record of each path is asked, so a named pipe is never opened and waited on.
std::string HelpRefusal(const std::string& folder);

} // namespace platform
