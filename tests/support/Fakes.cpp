#include "support/Fakes.h"

#include <utility>

namespace tavolim::test {

core::msg::Answer ScriptedDialogs::message(const std::string& text, int flags,
                                           const std::string& title)
{
    messages.push_back({text, flags, title});
    if (whileShown) {
        std::exchange(whileShown, {})();
    }
    if (!answers.empty()) {
        const auto a = answers.front();
        answers.pop_front();
        return a;
    }
    const int buttons = flags & 7;
    return buttons == core::msg::YesNo || buttons == core::msg::YesNoCancel ? core::msg::Answer::Yes
                                                                            : core::msg::Answer::Ok;
}

std::optional<std::string> ScriptedDialogs::askText(const std::string& prompt, const std::string&,
                                                    const std::string&)
{
    prompts.push_back(prompt);
    if (texts.empty()) {
        return std::nullopt;
    }
    auto t = texts.front();
    texts.pop_front();
    return t;
}

std::optional<std::string> ScriptedDialogs::askValue(const std::string& prompt,
                                                     const std::string& title,
                                                     const std::string& initial)
{
    return askText(prompt, title, initial);
}

std::optional<std::chrono::year_month_day> ScriptedDialogs::askDate(
    const std::string& prompt, const std::string&, std::optional<std::chrono::year_month_day>)
{
    prompts.push_back(prompt);
    if (dates.empty()) {
        return std::nullopt;
    }
    auto d = dates.front();
    dates.pop_front();
    return d;
}

int ScriptedDialogs::choose(const std::string& text, const std::string& title, const std::string&,
                            const std::string&, const std::string&)
{
    messages.push_back({text, 0, title});
    if (choices.empty()) {
        return 0;
    }
    const int c = choices.front();
    choices.pop_front();
    return c;
}

std::vector<std::string> ScriptedDialogs::shownTexts() const
{
    std::vector<std::string> out;
    for (const auto& m : messages) {
        out.push_back(m.text);
    }
    return out;
}

std::string MemorySettings::read(const std::string& application, const std::string& section,
                                 const std::string& key, const std::string& defaultValue) const
{
    const auto it = values.find({application, section, key});
    return it == values.end() ? defaultValue : it->second;
}

void MemorySettings::write(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& value)
{
    values[{application, section, key}] = value;
}

std::vector<core::SettingValue> MemorySettings::allValues(const std::string& application) const
{
    std::vector<core::SettingValue> out;
    for (const auto& [where, value] : values) {
        if (std::get<0>(where) == application) {
            out.push_back({std::get<1>(where), std::get<2>(where), value});
        }
    }
    return out;
}

bool RecordingPrinter::printText(const std::string& text, const std::string& fontName, int fontSize)
{
    m_lastError = fail ? why : std::string();
    if (fail) {
        return false;
    }
    printed.push_back(text);
    fonts.emplace_back(fontName, fontSize);
    return true;
}

bool RecordingPrinter::writeRaw(const std::string& port, std::span<const std::uint8_t> bytes)
{
    m_lastError = fail ? why : std::string();
    if (fail) {
        return false;
    }
    raw.emplace_back(port, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    return true;
}

bool RecordingPrinter::setUp()
{
    if (setUpWorks) {
        fail = false;
    }
    return setUpWorks;
}

bool RecordingPrinter::saveAsPdf(const std::string& text, const std::string&, int)
{
    m_lastError = pdfWorks ? std::string() : pdfWhy;
    if (pdfWorks) {
        pdfs.push_back(text);
    }
    return pdfWorks;
}

} // namespace tavolim::test
