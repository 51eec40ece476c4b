#pragma once
// A scenario script of korvane-script, parsed: one step a line. Words are separated by blanks; a text in
// double quotes may hold blanks, \" and \n; '#' starts a comment.

#include <string>
#include <vector>

namespace script {

struct Word {
    std::string text;
    bool quoted = false; // the word was (or held) a text in double quotes
};

struct Step {
    int line = 0;            // line number in the script, from 1
    std::string verb;        // "client", "set", "command", "dialog", "expect", ...
    std::vector<Word> words; // the words after the verb
    std::string source;      // the line as written, for messages
};

struct ParseResult {
    std::vector<Step> steps;
    std::string error; // empty when the whole script parsed
};

// Splits a script into steps and checks that each step's words fit its verb.
ParseResult ParseScript(const std::string& text);

// Splits one line into words; false (with the reason) on an unterminated quote.
bool SplitWords(const std::string& line, std::vector<Word>& words, std::string& error);

} // namespace script
