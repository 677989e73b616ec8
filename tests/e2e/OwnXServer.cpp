#include "tests/e2e/OwnXServer.h"

#include "tests/support/TestDisplay.h"

#include <algorithm>
#include <csignal>
#include <poll.h>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kStartAttempts = 3;
constexpr int kStartTimeoutMs = 15000;  // a server that has not told its display by then is stuck
constexpr int kStopTimeoutMs = 5000;

// Waits up to `milliseconds` for the server to exit; true once it has.
bool waitForExit(pid_t pid, int milliseconds)
{
    for (int waited = 0; waited < milliseconds; waited += 10) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return true;
        usleep(10000);
    }
    return false;
}

void stopServer(pid_t pid)
{
    kill(pid, SIGTERM);
    if (!waitForExit(pid, kStopTimeoutMs)) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

// Starts Xvfb on a free display; its number, or an empty string when the
// server did not say it within the time (it is then stopped).
std::string startServer(const std::string& screen, pid_t& pid)
{
    int ready[2];
    if (pipe(ready) != 0)
        return "";
    const std::string fd = std::to_string(ready[1]);
    pid = fork();
    if (pid == 0) {
        close(ready[0]);
        // -displayfd: the server picks a free display and writes its number.
        // -noreset: the resources xrdb sets outlive the xrdb client.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp", "-noreset",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    std::string number;
    pollfd said{ready[0], POLLIN, 0};
    char digit = 0;
    while (poll(&said, 1, kStartTimeoutMs) == 1 && read(ready[0], &digit, 1) == 1 && digit >= '0' && digit <= '9')
        number += digit;
    close(ready[0]);
    if (number.empty() && pid > 0) {
        stopServer(pid);
        pid = -1;
    }
    return number;
}

bool onPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "";
    for (std::size_t start = 0, end = 0; start <= folders.size(); start = end + 1) {
        end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        if (access(((folder.empty() ? "." : folder) + "/" + program).c_str(), X_OK) == 0)
            return true;
    }
    return false;
}

}  // namespace

OwnXServer::OwnXServer(int width, int height)
{
    if (!onPath("Xvfb"))
        skipTest("this test needs Xvfb for an X server of its own, and there is none on the PATH");
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    for (int attempt = 0; attempt < kStartAttempts && name_.empty(); ++attempt) {
        const std::string number = startServer(screen, pid_);
        if (!number.empty())
            name_ = ":" + number;
    }
    if (name_.empty())
        return;
    if (const char* display = std::getenv("DISPLAY")) {
        hadDisplay_ = true;
        savedDisplay_ = display;
    }
    setenv("DISPLAY", name_.c_str(), 1);
}

OwnXServer::~OwnXServer()
{
    if (hadDisplay_)
        setenv("DISPLAY", savedDisplay_.c_str(), 1);
    else if (!name_.empty())
        unsetenv("DISPLAY");
    if (pid_ > 0)
        stopServer(pid_);
}

bool OwnXServer::setResource(const std::string& line) const
{
    const std::string command = "echo '" + line + "' | xrdb -nocpp -display " + name_ + " -merge";
    return std::system(command.c_str()) == 0;
}
