#include "model/shared_state.h"

#include "model/write_failures.h"

SharedState Shared;

void ResetSharedState() {
    Shared = SharedState{};
    // A fresh program has told no failed write yet.
    ForgetEveryToldWriteFailure();
}
