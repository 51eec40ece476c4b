#include "platform/desktop.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
Desktop* installed = nullptr;
}

Desktop& TheDesktop() {
    if (!installed) {
        std::fprintf(stderr, "no desktop installed\n");
        std::abort();
    }
    return *installed;
}

void InstallDesktop(Desktop* desktop) { installed = desktop; }

} // namespace platform
