#pragma once
// The program as both front ends start it: the real one on Qt and korvane-script. It sets the program
// folder, builds the client and describes the main window; Start puts the start-up texts up once the
// window exists.

#include "app/client.h"
#include "app/program_folder.h"
#include "platform/window.h"

#include <string>
#include <vector>

class Program {
  public:
    // folder: the program folder, prepared (CFG, DWGS, LIBS and the shipped defaults in place);
    // notLaidIn: the shipped files the preparation could not lay in, whose settings files read as
    // their shipped defaults while the program runs; lockNote: what taking the folder's lock had to say.
    explicit Program(const std::string& folder, std::vector<FileNotLaidIn> notLaidIn = {},
                     std::string lockNote = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Title "Korvane 5.0", menu 200, the toolbar and its glyphs.
    platform::FrameDescription Description() const;
    // Attaches the main window and shows the first prompt and readout.
    void Start(platform::FrameWindow& frame);
    // Says in one box what the start could not lock or lay in, and why; nothing when the folder is
    // locked and every file is in place. Once the main window shows.
    void TellStartNotes() const;
    TClient& Client() { return client_; }

  private:
    // Records the program folder for every path the program makes; runs before the client is built,
    // which reads its colours from there.
    static std::string UseProgramFolder(const std::string& folder);
    // Before the client, which reads its settings as it is built.
    static std::vector<FileNotLaidIn> ReadShippedInPlace(std::vector<FileNotLaidIn> notLaidIn);
    std::string folder_;
    std::vector<FileNotLaidIn> notLaidIn_;
    std::string lockNote_;
    TClient client_;
};
