#include "app/defaults_runner.h"

void RunDefaultsDialog(TClient& /*client*/, TChild& /*view*/, int /*kind*/) {
    // The kinds (doors, dimension offsets, font, grid, colours, pen colour, printer calibration, stairs,
    // design-room colours and merge distance) come with the Customise commands.
}
