#pragma once
// The shared globals by name, so that a scripted run can set and check them ("set Units 0",
// "expect global Scale 6"): every field of the shared state.

#include <functional>
#include <optional>
#include <string>

struct GlobalAccess {
    std::function<std::string()> get;
    std::function<bool(const std::string&)> set; // false when the text is not a value of the global
};

// False when the name is unknown or the value does not convert.
bool SetGlobalByName(const std::string& name, const std::string& value);
std::optional<std::string> GlobalValueByName(const std::string& name);
