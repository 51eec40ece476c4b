#pragma once
// The shared globals by name, so that a scripted run can set and check them ("set Units 0",
// "expect global Scale 6"). Every field of the shared state is known from the start; other parts of the
// program register the globals they keep themselves (the drawing name, a view's datum, ...).

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct GlobalAccess {
    std::function<std::string()> get;
    std::function<bool(const std::string&)> set; // false when the text is not a value of the global
};

void RegisterGlobal(const std::string& name, GlobalAccess access);
// False when the name is unknown or the value does not convert.
bool SetGlobalByName(const std::string& name, const std::string& value);
std::optional<std::string> GlobalValueByName(const std::string& name);
std::vector<std::string> GlobalNames();
