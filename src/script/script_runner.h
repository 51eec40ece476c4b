#pragma once
// Runs a scenario script over a program folder: the whole program headless, driven through its own code
// paths (command table, view input routing, dialogs through the scripted desktop).

#include "platform/scripted_desktop.h"
#include "script/script.h"

#include <iosfwd>
#include <string>

namespace script {

class ScriptRunner {
public:
    // folder: the program folder (made ready as at any start); scriptDir: where PATH2 of
    // "expect file PATH same PATH2" is looked up.
    ScriptRunner(std::string folder, std::string scriptDir, std::ostream& out, std::ostream& err);
    ~ScriptRunner();

    // Runs every step; 0 when every step held, 1 at the first failure (reported on err), 2 when the
    // script or the folder is unusable.
    int Run(const std::string& scriptText);

    platform::ScriptedDesktop& Desktop() { return desktop_; }

private:
    bool Execute(const Step& step);
    bool Expect(const Step& step);
    bool Fail(const Step& step, const std::string& why);
    std::string FolderPath(const std::string& relative) const;

    std::string folder_;
    std::string scriptDir_;
    std::ostream& out_;
    std::ostream& err_;
    platform::ScriptedDesktop desktop_;
    std::size_t expectedMessages_ = 0;
    int clientWidth_ = 624;
    int clientHeight_ = 346;
};

} // namespace script
