// socket-name-holder FOLDER bind|answer: a program that is not Korvane and holds the name of the socket by
// which this computer locks FOLDER for a running copy, as any process of any user may. It binds the name
// (bind), or binds it, listens and answers every connection as a copy would, naming itself (answer). It
// says "holding" once it holds the name, then waits to be killed.
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

int main(int argc, char** argv) {
    const bool answer = argc == 3 && std::strcmp(argv[2], "answer") == 0;
    if (argc != 3 || (!answer && std::strcmp(argv[2], "bind") != 0)) {
        std::fprintf(stderr, "usage: socket-name-holder FOLDER bind|answer\n");
        return 2;
    }
    struct stat folder {};
    if (::stat(argv[1], &folder) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    // The name is the folder's device and inode in hexadecimal, in the abstract namespace.
    sockaddr_un name{};
    name.sun_family = AF_UNIX;
    const int length = std::snprintf(name.sun_path + 1, sizeof name.sun_path - 1, "korvane-folder-%llx-%llx",
                                     static_cast<unsigned long long>(folder.st_dev),
                                     static_cast<unsigned long long>(folder.st_ino));
    const int holder = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(holder, reinterpret_cast<sockaddr*>(&name),
               static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length)) != 0 ||
        (answer && ::listen(holder, 16) != 0)) {
        std::perror("socket-name-holder");
        return 1;
    }
    std::printf("holding\n");
    std::fflush(stdout);
    if (!answer) {
        while (true)
            ::pause();
    }
    // A caller that hangs up before the answer ends no more than that connection.
    std::signal(SIGPIPE, SIG_IGN);
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    const std::string text = std::to_string(::getpid()) + "\nkorvane\n" + host + "\n";
    while (true) {
        const int connection = ::accept(holder, nullptr, nullptr);
        if (connection < 0) continue;
        if (::write(connection, text.data(), text.size()) < 0) std::perror("socket-name-holder");
        ::close(connection);
    }
}
