#pragma once

#include <string>

namespace tavolim::core {

// Wait and progress windows for long work. Implementations also let pending window events
// run, so the program stays responsive.
class Progress {
public:
    virtual ~Progress() = default;

    virtual void showWait(const std::string& caption) = 0;
    virtual void hideWait() = 0;

    virtual void begin(const std::string& caption, int minimum, int maximum) = 0;
    virtual void step(int value) = 0;
    virtual void end() = 0;
};

} // namespace tavolim::core
