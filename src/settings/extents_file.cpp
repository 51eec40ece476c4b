#include "settings/extents_file.h"

#include "model/drawing_list.h"
#include "model/drawn_extents.h"
#include "model/shared_state.h"
#include "settings/cfg_files.h"

bool WriteExtents(TList& list) {
    if (list.count == 0) list.ReadDrawing();
    return WriteDrawnExtents(MeasureDrawnExtents(list, ExtentsView(Shared.CurrentView), Shared.DisplayMode));
}
