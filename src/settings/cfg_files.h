#pragma once
// Every file of the CFG folder, each with its one reader and its one writer. No other code formats or
// parses a CFG file.

#include "settings/cfg_command_files.h"
#include "settings/cfg_dialog_files.h"
#include "settings/cfg_state_files.h"
