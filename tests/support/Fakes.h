#pragma once

#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Launcher.h"
#include "core/ports/Printer.h"
#include "core/ports/Progress.h"
#include "core/ports/SettingsStore.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace tavolim::test {

// A message shown through the Dialogs port, as the operator would have seen it.
struct ShownMessage {
    std::string text;
    int flags = 0;
    std::string title;
};

// Answers from queues filled by the test; records every text it is shown. An empty queue
// answers Ok/Yes for messages (the first button), cancels prompts, and returns 0 for choices.
class ScriptedDialogs final : public core::Dialogs {
public:
    std::deque<core::msg::Answer> answers;
    std::deque<std::optional<std::string>> texts;
    std::deque<std::optional<std::chrono::year_month_day>> dates;
    std::deque<int> choices;

    std::vector<ShownMessage> messages;
    std::vector<std::string> prompts;
    // Run once while the next message is on screen, as an operator acting behind it.
    std::function<void()> whileShown;

    core::msg::Answer message(const std::string& text, int flags,
                              const std::string& title) override;
    std::optional<std::string> askText(const std::string& prompt, const std::string& title,
                                       const std::string& initial) override;
    std::optional<std::string> askValue(const std::string& prompt, const std::string& title,
                                        const std::string& initial) override;
    std::optional<std::chrono::year_month_day> askDate(
        const std::string& prompt, const std::string& title,
        std::optional<std::chrono::year_month_day> initial) override;
    int choose(const std::string& text, const std::string& title, const std::string& button1,
               const std::string& button2, const std::string& button3) override;

    // Texts of every message shown, in order.
    std::vector<std::string> shownTexts() const;
};

class FixedClock final : public core::Clock {
public:
    explicit FixedClock(std::chrono::year_month_day day = std::chrono::year{2026} /
                                                          std::chrono::month{12} /
                                                          std::chrono::day{5},
                        std::chrono::minutes time = std::chrono::hours{14})
        : date(day), now(time)
    {
    }

    std::chrono::year_month_day today() const override { return date; }
    std::chrono::minutes timeOfDay() const override { return now; }

    std::chrono::year_month_day date;
    std::chrono::minutes now;
};

class MemorySettings final : public core::SettingsStore {
public:
    std::string read(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& defaultValue) const override;
    void write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;
    std::vector<core::SettingValue> allValues(const std::string& application) const override;

    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
};

class RecordingPrinter final : public core::Printer {
public:
    bool printText(const std::string& text, const std::string& fontName, int fontSize) override;
    bool writeRaw(const std::string& port, std::span<const std::uint8_t> bytes) override;
    std::string lastError() const override { return m_lastError; }
    // The set-up "chooses a working printer" when setUpWorks.
    bool setUp() override;
    bool saveAsPdf(const std::string& text, const std::string& fontName, int fontSize) override;
    std::string savedFile() const override { return "recibo.pdf"; }

    std::vector<std::string> printed;
    std::vector<std::string> pdfs;
    std::vector<std::pair<std::string, int>> fonts; // name and size of each printed text
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> raw;
    bool fail = false; // every job fails, as with no printer or an unwritable port
    std::string why;   // the reason a failed job gives
    bool setUpWorks = false;
    bool pdfWorks = false;
    std::string pdfWhy; // the reason a failed PDF gives; empty as when the operator cancels

private:
    std::string m_lastError;
};

class RecordingProgress final : public core::Progress {
public:
    void showWait(const std::string& caption) override { waits.push_back(caption); }
    void hideWait() override {}
    void begin(const std::string& caption, int, int) override { captions.push_back(caption); }
    void step(int value) override
    {
        lastValue = value;
        ++steps;
    }
    void end() override {}
    void beginCancellable(const std::string& caption, int minimum, int maximum) override
    {
        cancellable = true;
        steps = 0;
        begin(caption, minimum, maximum);
    }
    bool cancelRequested() override { return cancelAfterSteps >= 0 && steps >= cancelAfterSteps; }

    std::vector<std::string> waits;
    std::vector<std::string> captions;
    int lastValue = 0;
    int steps = 0;             // since the last cancellable begin
    bool cancellable = false;  // a cancellable window was shown
    int cancelAfterSteps = -1; // the operator presses Cancelar once this many steps were shown
};

class RecordingLauncher final : public core::Launcher {
public:
    bool openDocument(const std::string& path) override
    {
        opened.push_back(path);
        return true;
    }
    bool openUrl(const std::string& url) override
    {
        opened.push_back(url);
        return browser;
    }
    bool openHelp(const std::string& topic) override
    {
        opened.push_back(topic);
        return true;
    }

    std::vector<std::string> opened;
    bool browser = true; // whether a web address finds a browser
};

} // namespace tavolim::test
