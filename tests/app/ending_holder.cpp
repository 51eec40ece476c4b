// ending-holder FOLDER: a process caught as it ends while it holds this computer's lock of FOLDER, as a
// copy that is killed holds it for a moment after its executable is gone from /proc. It takes the lock,
// then its first thread ends alone: the process has no executable to show from then on, while a second
// thread, which shares its open files, keeps the lock until the process is killed. It says "holding"
// once it is so.
#include <cstdio>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/syscall.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ending-holder FOLDER\n");
        return 2;
    }
    const int folder = ::open(argv[1], O_RDONLY | O_DIRECTORY);
    if (folder < 0 || ::flock(folder, LOCK_EX) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    std::thread([] {
        // The first thread has ended once its executable is gone.
        char link[64];
        std::snprintf(link, sizeof link, "/proc/%d/exe", static_cast<int>(::getpid()));
        char target[4096];
        while (::readlink(link, target, sizeof target) >= 0) std::this_thread::yield();
        std::puts("holding");
        std::fflush(stdout);
        while (true) ::pause();
    }).detach();
    // The first thread alone: exit() would end every thread.
    ::syscall(SYS_exit, 0);
}
