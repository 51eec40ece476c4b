// The help shipped inside the program ("HELP/index.html", which the help window opens at an anchor
// "context-N" for help context N): every help context the program can ask for has its topic, the
// contents reach every topic, and every link of the help leads somewhere inside it.
#include "model/shared_state.h"
#include "resources/embedded_files.h"
#include "resources/menu_resources.h"
#include "settings/settings_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const HelpPath = "HELP/index.html";

std::string ShippedHelp() {
    for (const EmbeddedFile& file : EmbeddedFiles())
        if (file.path == HelpPath) return std::string(file.bytes);
    return {};
}

// The values of one attribute (name, href, ...) in document order.
std::vector<std::string> AttributeValues(const std::string& html, const std::string& attribute) {
    const std::regex pattern("\\s" + attribute + "\\s*=\\s*\"([^\"]*)\"", std::regex::icase);
    std::vector<std::string> values;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), pattern); it != std::sregex_iterator();
         ++it)
        values.push_back((*it)[1].str());
    return values;
}

std::set<std::string> AnchorNames(const std::string& html) {
    std::vector<std::string> names = AttributeValues(html, "name");
    return {names.begin(), names.end()};
}

std::string ContextAnchor(int context) {
    return "context-" + std::to_string(context);
}

// Every help context the program opens, with what opens it.
std::map<int, std::string> ProgramContexts() {
    std::map<int, std::string> contexts = {
        {100, "Help > Examples"},
        {103, "Help > How to....."},
        {107, "Help > Quick start"},
        {110, "Help > Hints,reminders"},
        {111, "the general topic on views and floors (command 528)"},
        {400, "Help > Introduction"},
        {500, "Help > Contents and the pick tool"},
        {200, "File commands"},
        {210, "floors, Display Mode, Show Overlays, F1 with the pick tool on the ground floor"},
        {220, "the zoom commands"},
        {230, "Copy, Paste, Move or Rotate, Change text/number, Erase/Delete"},
        {240, "Line, Line + Text, Draw Multilines"},
        {241, "Arc, Ellipse, Circle"},
        {242, "Text, Rectangle, RoundRect, Line Style, Change Colour"},
        {250, "external-wall edits and New starting a floor plan"},
        {251, "Mark External Walls"},
        {252, "Expand and Shrink Floorplan"},
        {253, "Draw Internal Wall, Opening (Internal Wall)"},
        {260, "Room Layout, the design-room commands, the layout grid"},
        {270, "New Room (fixed)"},
        {280, "Manual Dimension, Window & Extnl Doors, Stairs"},
        {300, "Door-Internal, Doors-Other Internal"},
        {310, "the Customise commands, Textsize, the colour dialogs"},
        {320, "deleting an external or internal wall"},
        {330, "the library commands"},
        {350, "centre of line, centre of rectangle, datum, undo"},
        {360, "printing, printer setup, printer calibration"},
        {20085, "the house rectangle size on the room layout"},
    };
    // F1 before any command has stored a context opens the one the program starts with.
    contexts.emplace(SharedState{}.HelpContext, "F1 before any command (the start-up context)");
    // The Help buttons of the settings dialogs.
    for (int dialogContext :
         {help_context::Files, help_context::Display, help_context::Text, help_context::Walls,
          help_context::ExternalWalls, help_context::DoubleLines, help_context::DesignRooms,
          help_context::FixedRooms, help_context::WindowsAndStairs, help_context::Doors,
          help_context::Defaults, help_context::Libraries, help_context::Printing})
        contexts.emplace(dialogContext, "the Help button of a settings dialog");
    return contexts;
}

// The numbers the program's sources store as the current help context or open directly, and every
// context of the list of help contexts.
std::map<int, std::string> ContextsInSources() {
    namespace fs = std::filesystem;
    const std::regex stored("HelpContext\\s*=\\s*([0-9]+)");
    const std::regex opened("HelpCommand::Context\\s*,\\s*([0-9]+)");
    const std::regex named("constexpr int \\w+ = ([0-9]+);");
    std::map<int, std::string> found;
    const fs::path root = fs::path(KORVANE_SOURCE_DIR) / "src";
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h")) continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string source = text.str();
        std::vector<const std::regex*> patterns{&stored, &opened};
        if (entry.path().filename() == "help_contexts.h") patterns.push_back(&named);
        for (const std::regex* pattern : patterns)
            for (auto it = std::sregex_iterator(source.begin(), source.end(), *pattern);
                 it != std::sregex_iterator(); ++it)
                found.emplace(std::stoi((*it)[1].str()), fs::relative(entry.path(), root).string());
    }
    return found;
}

// The text a reader sees of some HTML: tags dropped, the entities the help uses read, white space
// made single blanks.
std::string VisibleText(const std::string& html) {
    std::string text = std::regex_replace(html, std::regex("<[^>]*>"), " ");
    for (const auto& [entity, character] : {std::pair{"&gt;", ">"}, {"&lt;", "<"}, {"&amp;", "&"}})
        text = std::regex_replace(text, std::regex(entity), character);
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

// A menu item as the user reads it: "&&" shows one ampersand.
std::string ShownText(const std::string& item) {
    return std::regex_replace(item, std::regex("&&"), "&");
}

// Every command of a pull-down, each as the path the user follows below it ("External Walls >
// Lengthen (External Wall)").
void AddCommandPaths(const std::vector<platform::MenuItem>& items, const std::string& path,
                     std::vector<std::string>& paths) {
    for (const platform::MenuItem& item : items) {
        if (item.separator) continue;
        const std::string shown = path + ShownText(item.text);
        if (item.items.empty())
            paths.push_back(shown);
        else
            AddCommandPaths(item.items, shown + " > ", paths);
    }
}

class HelpDocument : public testing::Test {
  protected:
    void SetUp() override {
        html_ = ShippedHelp();
        ASSERT_FALSE(html_.empty()) << HelpPath
                                    << " is not shipped: the help window would open an empty page";
        anchors_ = AnchorNames(html_);
    }

    std::string html_;
    std::set<std::string> anchors_;
};

} // namespace

TEST_F(HelpDocument, EveryHelpContextOfTheProgramHasItsTopic) {
    for (const auto& [context, openedBy] : ProgramContexts())
        EXPECT_TRUE(anchors_.count(ContextAnchor(context)))
            << "no topic \"" << ContextAnchor(context) << "\" for " << openedBy;
}

TEST_F(HelpDocument, EveryContextTheSourcesStoreOrOpenHasItsTopic) {
    const std::map<int, std::string> contexts = ContextsInSources();
    // The sources must be found for this test to mean anything: the client opens the Help menu's topics.
    ASSERT_TRUE(contexts.count(400)) << "no help context found under " << KORVANE_SOURCE_DIR << "/src";
    for (const auto& [context, file] : contexts)
        EXPECT_TRUE(anchors_.count(ContextAnchor(context)))
            << "src/" << file << " uses help context " << context << ", which has no topic";
}

TEST_F(HelpDocument, ContentsAnchorIsWhereTheContentsCommandScrolls) {
    EXPECT_TRUE(anchors_.count("contents"));
}

TEST_F(HelpDocument, EveryLinkLeadsToAnAnchorOfTheDocument) {
    const std::vector<std::string> links = AttributeValues(html_, "href");
    EXPECT_FALSE(links.empty());
    for (const std::string& link : links) {
        // The help is one page: a link to any other file would lead nowhere in the help window.
        ASSERT_FALSE(link.empty());
        EXPECT_EQ(link[0], '#') << "link \"" << link << "\" leaves the help page";
        if (link[0] == '#') {
            EXPECT_TRUE(anchors_.count(link.substr(1))) << "link \"" << link << "\" has no anchor";
        }
    }
}

TEST_F(HelpDocument, AnchorsAreUnique) {
    // With two anchors of one name the help window jumps to the first: the second topic is unreachable.
    std::map<std::string, int> seen;
    for (const std::string& name : AttributeValues(html_, "name"))
        ++seen[name];
    for (const auto& [name, count] : seen)
        EXPECT_EQ(count, 1) << "anchor \"" << name << "\" appears " << count << " times";
}

TEST_F(HelpDocument, ContentsLinkToEveryTopic) {
    // The contents run from the "contents" anchor to the first topic heading.
    const std::size_t start = html_.find("name=\"contents\"");
    ASSERT_NE(start, std::string::npos);
    const std::size_t end = html_.find("<h2", start);
    ASSERT_NE(end, std::string::npos);
    std::set<std::string> listed;
    for (const std::string& link : AttributeValues(html_.substr(start, end - start), "href"))
        listed.insert(link);

    const std::regex heading("<h2[^>]*>([\\s\\S]*?)</h2>", std::regex::icase);
    int topics = 0;
    for (auto it = std::sregex_iterator(html_.begin(), html_.end(), heading); it != std::sregex_iterator();
         ++it) {
        const std::vector<std::string> names = AttributeValues((*it)[1].str(), "name");
        ASSERT_FALSE(names.empty()) << "topic heading without an anchor: " << (*it)[1].str();
        ++topics;
        bool reachable = false;
        for (const std::string& name : names)
            reachable = reachable || listed.count("#" + name);
        EXPECT_TRUE(reachable) << "the contents do not list the topic \"" << names.front() << "\"";
    }
    EXPECT_GT(topics, 0);
}

TEST_F(HelpDocument, NeedsNothingBesideItself) {
    // The help window shows one file: pictures, scripts and style sheets from elsewhere would be missing.
    for (const char* tag : {"<img", "<script", "<link", "<object", "<iframe"})
        EXPECT_EQ(html_.find(tag), std::string::npos) << "the help uses " << tag;
    EXPECT_TRUE(AttributeValues(html_, "src").empty());
}

TEST_F(HelpDocument, EveryMenuCommandIsNamedUnderItsMenuAtAGlance) {
    const std::size_t start = html_.find("name=\"menus\"");
    ASSERT_NE(start, std::string::npos);
    const std::size_t end = html_.find("<h2", start);
    const std::string glance = html_.substr(start, end - start);
    for (const platform::MenuItem& menu : MainMenu()) {
        const std::string heading =
            "<h3>" + std::regex_replace(ShownText(menu.text), std::regex("&"), "&amp;") + "</h3>";
        const std::size_t at = glance.find(heading);
        ASSERT_NE(at, std::string::npos) << "no heading for the menu " << menu.text;
        const std::size_t next = glance.find("<h3>", at + heading.size());
        const std::string section =
            VisibleText(glance.substr(at, next == std::string::npos ? next : next - at));
        std::vector<std::string> paths;
        AddCommandPaths(menu.items, "", paths);
        for (const std::string& command : paths)
            EXPECT_NE(section.find(command), std::string::npos)
                << menu.text << " > " << command << " is not named under its menu";
    }
}
