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

    // The progress window with a Cancelar button, for work that can stop between two steps
    // and asks cancelRequested() after each. A port without the button shows the plain
    // window and never asks to stop.
    virtual void beginCancellable(const std::string& caption, int minimum, int maximum)
    {
        begin(caption, minimum, maximum);
    }
    virtual bool cancelRequested() { return false; }
};

// Shows the wait window for the lifetime of the object; a null port shows nothing.
class ScopedWait {
public:
    ScopedWait(Progress* progress, const std::string& caption) : m_progress(progress)
    {
        if (m_progress) {
            m_progress->showWait(caption);
        }
    }
    ~ScopedWait()
    {
        if (m_progress) {
            m_progress->hideWait();
        }
    }
    ScopedWait(const ScopedWait&) = delete;
    ScopedWait& operator=(const ScopedWait&) = delete;

private:
    Progress* m_progress;
};

} // namespace tavolim::core
