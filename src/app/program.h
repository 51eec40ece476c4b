#pragma once
// The program as both front ends start it: the real one on Qt and korvane-script. It sets the program
// folder, builds the client and describes the main window; Start puts the start-up texts up once the
// window exists.

#include "app/client.h"
#include "platform/window.h"

#include <string>

class Program {
  public:
    // folder: the program folder, prepared (CFG, DWGS, LIBS and the shipped defaults in place).
    explicit Program(const std::string& folder);

    // Title "Korvane 5.0", menu 200, the toolbar and its glyphs.
    platform::FrameDescription Description() const;
    // Attaches the main window and shows the first prompt and readout.
    void Start(platform::FrameWindow& frame);
    TClient& Client() { return client_; }

  private:
    // Records the program folder for every path the program makes; runs before the client is built,
    // which reads its colours from there.
    static std::string UseProgramFolder(const std::string& folder);
    std::string folder_;
    TClient client_;
};
