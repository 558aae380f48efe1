#pragma once

#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Launcher.h"
#include "core/ports/Printer.h"
#include "core/ports/Progress.h"
#include "core/ports/SettingsStore.h"
#include "core/state/AppState.h"

#include <chrono>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace tavolim::core {

// The ports of a program nobody watches (benchmarks, the command-line tool): messages are
// answered OK (and written to `messages` when set), prompts cancelled, waits not shown,
// settings left at their defaults, nothing printed; the clock says what the owner sets.
struct QuietPorts final : Dialogs, Clock, SettingsStore, Printer, Progress, Launcher {
    explicit QuietPorts(std::chrono::year_month_day day,
                        std::chrono::minutes time = std::chrono::hours{15},
                        std::ostream* messages = nullptr)
        : date(day), now(time), m_messages(messages)
    {
    }

    Ports ports() { return Ports{*this, *this, *this, *this, *this, *this}; }

    std::chrono::year_month_day date;
    std::chrono::minutes now;

    msg::Answer message(const std::string& text, int, const std::string&) override
    {
        if (m_messages) {
            *m_messages << text << "\n";
        }
        return msg::Answer::Ok;
    }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> askValue(const std::string&, const std::string&,
                                        const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::chrono::year_month_day> askDate(
        const std::string&, const std::string&, std::optional<std::chrono::year_month_day>) override
    {
        return std::nullopt;
    }
    int choose(const std::string&, const std::string&, const std::string&, const std::string&,
               const std::string&) override
    {
        return 0;
    }
    std::chrono::year_month_day today() const override { return date; }
    std::chrono::minutes timeOfDay() const override { return now; }
    std::string read(const std::string&, const std::string&, const std::string&,
                     const std::string& defaultValue) const override
    {
        return defaultValue;
    }
    void write(const std::string&, const std::string&, const std::string&,
               const std::string&) override
    {
    }
    bool printText(const std::string&, const std::string&, int) override { return true; }
    bool writeRaw(const std::string&, std::span<const std::uint8_t>) override { return true; }
    void showWait(const std::string&) override {}
    void hideWait() override {}
    void begin(const std::string&, int, int) override {}
    void step(int) override {}
    void end() override {}
    bool openDocument(const std::string&) override { return true; }
    bool openUrl(const std::string&) override { return true; }
    bool openHelp(const std::string&) override { return true; }

private:
    std::ostream* m_messages;
};

} // namespace tavolim::core
