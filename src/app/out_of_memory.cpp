#include "app/out_of_memory.h"

#include "platform/desktop.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

// Held back so that the message box itself can still be shown when nothing else is left.
char* reserve = nullptr;

void OutOfMemory() {
    delete[] reserve;
    reserve = nullptr;
    std::set_new_handler(nullptr);
    std::fputs("Korvane: not enough memory - the program must close\n", stderr);
    platform::TheDesktop().MessageBox("Not enough memory - the program must close", "MEMORY",
                                      platform::MessageBoxStyle::IconStop);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

void InstallOutOfMemoryHandler() {
    if (!reserve) reserve = new char[1 << 20];
    std::set_new_handler(OutOfMemory);
}
