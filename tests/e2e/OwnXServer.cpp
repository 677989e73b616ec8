#include "tests/e2e/OwnXServer.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

OwnXServer::OwnXServer(int width, int height)
{
    int ready[2];
    if (pipe(ready) != 0)
        return;
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const std::string fd = std::to_string(ready[1]);
    pid_ = fork();
    if (pid_ == 0) {
        close(ready[0]);
        // -displayfd: the server picks a free display and writes its number.
        // -noreset: the resources xrdb sets outlive the xrdb client.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp", "-noreset",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    char number[16] = {};
    FILE* in = fdopen(ready[0], "r");
    if (in != nullptr && std::fgets(number, sizeof number, in) != nullptr && number[0] >= '0' && number[0] <= '9')
        name_ = ":" + std::to_string(std::atoi(number));
    if (in != nullptr)
        std::fclose(in);
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
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

bool OwnXServer::setResource(const std::string& line) const
{
    const std::string command = "echo '" + line + "' | xrdb -nocpp -display " + name_ + " -merge";
    return std::system(command.c_str()) == 0;
}
