#include "model/shared_state.h"

SharedState Shared;

void ResetSharedState() { Shared = SharedState{}; }
