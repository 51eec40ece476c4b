#pragma once
// The default-settings dialogs run on behalf of an open drawing: the Customise commands use it when a
// drawing is open, and Calibrate Printer with kind 11.

class TChild;
class TClient;

// Runs the default-settings dialog of `kind` owned by `view`, stores what it returns and repaints the
// view as the kind asks. Kinds it does not know do nothing.
void RunDefaultsDialog(TClient& client, TChild& view, int kind);
