#pragma once
// Turning the whole drawing, every floor and view, by 90, 180 or 270 degrees clockwise or mirroring it,
// in place or into a drawing of a new name.

class TChild;
class TClient;

// Mode 1 (the only one): asks for the operation and the name to write under. The open drawing's name
// turns it in place and repaints; a new name of 3 to 24 characters writes the turned drawing under it,
// makes it the open drawing and reopens its floor with the pick tool; Cancel or a name of another
// length only repaints. Floor titles a rotation drops are made again under the turned plans.
void RotateMirrorDrawings(TClient& client, TChild& view, int mode);
