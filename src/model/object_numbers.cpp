#include "model/object_numbers.h"

#include "model/shared_state.h"

#include <algorithm>

int FloorNumberBase(int view) {
    switch (view) {
    case 51:
        return 11000;
    case 52:
        return 12000;
    case 53:
        return LargestNumberBase;
    default:
        return 10000; // the ground floor, whose room layout (40, and 45 while marking) it shares
    }
}

int StoredObjectSerial(int stored) {
    return std::clamp(stored, 0, LastObjectSerial);
}

int NextObjectSerial(int& serial) {
    serial = serial < LastObjectSerial ? serial + 1 : LastObjectSerial;
    return serial;
}

int NextObjectNumber(int base, int& serial) {
    // The floors' bases leave room by LastObjectSerial; any other base is held to the range.
    const long long number = static_cast<long long>(base) + NextObjectSerial(serial);
    return static_cast<int>(std::clamp<long long>(number, INT_MIN, INT_MAX));
}

int NewObjectSerial() {
    return NextObjectSerial(Shared.ObjectSerial);
}

int NewObjectNumber(int base) {
    return NextObjectNumber(base, Shared.ObjectSerial);
}
