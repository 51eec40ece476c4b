#pragma once
// Strings inside the program are single bytes in the Windows-1252 code page; Qt widgets want QString.
// The conversion happens here, at the edge of the user interface.

#include <QString>

#include <string>
#include <string_view>

namespace platform::qt {

QString ToQString(std::string_view bytes);
std::string FromQString(const QString& text);

} // namespace platform::qt
