#include "script/script.h"

#include <cctype>
#include <cstdlib>
#include <set>
#include <sstream>

namespace script {

bool SplitWords(const std::string& line, std::vector<Word>& words, std::string& error) {
    words.clear();
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n) {
        while (i < n && std::isspace(static_cast<unsigned char>(line[i])))
            ++i;
        if (i >= n || line[i] == '#') break;
        Word word;
        while (i < n && !std::isspace(static_cast<unsigned char>(line[i]))) {
            if (line[i] != '"') {
                word.text += line[i++];
                continue;
            }
            // A quoted text: blanks and '#' belong to it; \" and \n are escapes.
            word.quoted = true;
            ++i;
            bool closed = false;
            while (i < n) {
                char c = line[i];
                if (c == '\\' && i + 1 < n &&
                    (line[i + 1] == '"' || line[i + 1] == 'n' || line[i + 1] == '\\')) {
                    word.text += line[i + 1] == 'n' ? '\n' : line[i + 1];
                    i += 2;
                    continue;
                }
                if (c == '"') {
                    closed = true;
                    ++i;
                    break;
                }
                word.text += c;
                ++i;
            }
            if (!closed) {
                error = "unterminated quoted text";
                return false;
            }
        }
        words.push_back(std::move(word));
    }
    return true;
}

namespace {

bool IsInteger(const std::string& text) {
    if (text.empty()) return false;
    std::size_t start = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (start == text.size()) return false;
    for (std::size_t i = start; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

// Checks the shape of one step; returns an error text or "".
std::string CheckStep(const Step& step) {
    const auto& w = step.words;
    auto count = [&](std::size_t n) { return w.size() == n; };
    auto integers = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to && i < w.size(); ++i)
            if (!IsInteger(w[i].text)) return false;
        return true;
    };
    const std::string& v = step.verb;
    if (v == "client") return count(2) && integers(0, 2) ? "" : "client W H";
    if (v == "resizeinbox") return count(2) && integers(0, 2) ? "" : "resizeinbox W H";
    if (v == "set") return count(2) ? "" : "set NAME VALUE";
    if (v == "command") return count(1) && integers(0, 1) ? "" : "command ID";
    if (v == "dialog") {
        if (w.size() < 2 || !IsInteger(w[0].text)) return "dialog RID ok|cancel|help [CID=TEXT ...]";
        if (w[1].text != "ok" && w[1].text != "cancel" && w[1].text != "help")
            return "dialog button must be ok, cancel or help";
        for (std::size_t i = 2; i < w.size(); ++i) {
            std::size_t eq = w[i].text.find('=');
            if (eq == std::string::npos || !IsInteger(w[i].text.substr(0, eq)))
                return "dialog fill must be CID=TEXT";
        }
        return "";
    }
    if (v == "input") {
        if (count(2) && w[0].text == "ok") return "";
        if (count(1) && w[0].text == "cancel") return "";
        return "input ok \"TEXT\" | input cancel";
    }
    if (v == "message") {
        static const std::set<std::string> answers{"ok", "yes", "no", "cancel"};
        return count(1) && answers.count(w[0].text) ? "" : "message ok|yes|no|cancel";
    }
    if (v == "file") {
        if (count(1)) return "";
        return "file \"NAME\" | file cancel";
    }
    if (v == "colour") {
        if (count(4) && w[0].text == "ok" && integers(1, 4)) return "";
        if (count(1) && w[0].text == "cancel") return "";
        return "colour ok R G B | colour cancel";
    }
    if (v == "font") {
        if (count(4) && w[0].text == "ok" && integers(2, 4)) return "";
        if (count(1) && w[0].text == "cancel") return "";
        return "font ok \"FACE\" SIZE WEIGHT | font cancel";
    }
    if (v == "print")
        return count(1) && (w[0].text == "ok" || w[0].text == "cancel") ? "" : "print ok|cancel";
    if (v == "printer")
        return count(4) && (w[1].text == "a4" || w[1].text == "a3" || w[1].text == "letter") &&
                       (w[2].text == "portrait" || w[2].text == "landscape") && integers(3, 4) &&
                       std::atoi(w[3].text.c_str()) > 0
                   ? ""
                   : "printer \"FILE.PDF\" a4|a3|letter portrait|landscape DPI";
    if (v == "press" || v == "release")
        return count(3) && (w[0].text == "left" || w[0].text == "right") && integers(1, 3)
                   ? ""
                   : v + " left|right X Y";
    if (v == "move") return count(2) && integers(0, 2) ? "" : "move X Y";
    if (v == "key") {
        if ((count(1) || count(2)) && integers(0, 1) &&
            (count(1) || w[1].text == "down" || w[1].text == "up"))
            return "";
        return "key VK [down|up]";
    }
    if (v == "char") return count(1) ? "" : "char \"TEXT\"";
    if (v == "type") return count(1) && integers(0, 1) ? "" : "type VK";
    if (v == "expect") {
        if (w.empty()) return "expect what?";
        const std::string& what = w[0].text;
        if (what == "message") return count(3) ? "" : "expect message \"TEXT\" \"CAPTION\"";
        if (what == "nomessage") return count(1) ? "" : "expect nomessage";
        if (what == "status" || what == "caption" || what == "readout" || what == "title")
            return count(2) ? "" : "expect " + what + " \"TEXT\"";
        if (what == "global") return count(3) ? "" : "expect global NAME VALUE";
        if (what == "tool") return count(3) && integers(2, 3) ? "" : "expect tool NAME VALUE";
        if (what == "nofile") return count(2) ? "" : "expect nofile PATH";
        if (what == "control")
            return count(4) && integers(1, 2) ? "" : "expect control RID CID \"TEXT\"|on|off";
        if (what == "cursor") return count(3) && integers(1, 2) ? "" : "expect cursor X Y";
        if (what == "input") return count(4) ? "" : "expect input \"TITLE\" \"PROMPT\" \"TEXT\"";
        if (what == "colourdialog")
            return count(5) && integers(1, 4) ? "" : "expect colourdialog R G B \"PROMPT\"";
        if (what == "fontdialog")
            return count(4) && integers(2, 4) ? "" : "expect fontdialog \"FACE\" SIZE WEIGHT";
        if (what == "file") {
            if (count(3)) return "";
            if (count(4) && w[2].text == "same" && !w[2].quoted) return "";
            if (count(5) && w[2].text == "line" && IsInteger(w[3].text)) return "";
            return "expect file PATH \"TEXT\" | same PATH2 | line N \"TEXT\"";
        }
        return "unknown expectation " + what;
    }
    if (v == "show") {
        if (count(2) && w[0].text == "file") return "";
        if (count(1) && (w[0].text == "messages" || w[0].text == "paint")) return "";
        return "show file PATH | show messages | show paint";
    }
    if (v == "png") return count(1) ? "" : "png PATH";
    if (v == "copy") return count(2) ? "" : "copy PATH2 PATH";
    if (v == "readonly") return count(1) ? "" : "readonly PATH";
    if (v == "pipe") return count(1) ? "" : "pipe PATH";
    if (v == "remove") return count(1) ? "" : "remove PATH";
    if (v == "start") return count(0) ? "" : "start";
    if (v == "filesystem")
        return count(2) && (w[1].text == "readonly" || w[1].text == "full" || w[1].text == "ok")
                   ? ""
                   : "filesystem PATH readonly|full|ok";
    if (v == "scroll") {
        static const std::set<std::string> moves{"lineup", "linedown", "pageup", "pagedown", "top", "bottom"};
        if (w.size() >= 2 && (w[0].text == "h" || w[0].text == "v")) {
            if (count(2) && moves.count(w[1].text)) return "";
            if (count(3) && w[1].text == "thumb" && integers(2, 3)) return "";
        }
        return "scroll h|v lineup|linedown|pageup|pagedown|top|bottom|thumb N";
    }
    return "unknown step " + v;
}

} // namespace

ParseResult ParseScript(const std::string& text) {
    ParseResult result;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<Word> words;
        std::string error;
        if (!SplitWords(line, words, error)) {
            result.error = "line " + std::to_string(number) + ": " + error;
            return result;
        }
        if (words.empty()) continue;
        Step step;
        step.line = number;
        step.verb = words.front().text;
        step.words.assign(words.begin() + 1, words.end());
        step.source = line;
        std::string problem = CheckStep(step);
        if (!problem.empty()) {
            result.error = "line " + std::to_string(number) + ": " + problem + " (" + line + ")";
            return result;
        }
        result.steps.push_back(std::move(step));
    }
    return result;
}

} // namespace script
