#pragma once
// An X server of a chosen screen size for one test: Xvfb started on a free
// display, made the test's DISPLAY while it runs, and stopped afterwards.
// Without Xvfb on the PATH the test is skipped.

#include <string>
#include <sys/types.h>

class OwnXServer {
public:
    OwnXServer(int width, int height);
    ~OwnXServer();
    OwnXServer(const OwnXServer&) = delete;
    OwnXServer& operator=(const OwnXServer&) = delete;

    bool running() const { return pid_ > 0 && !name_.empty(); }
    const std::string& name() const { return name_; }  // ":N"
    // Sets an X resource as a desktop does (xrdb -merge), e.g. "Xft.dpi: 192".
    bool setResource(const std::string& line) const;

private:
    pid_t pid_ = -1;
    std::string name_;
    std::string savedDisplay_;
    bool hadDisplay_ = false;
};
