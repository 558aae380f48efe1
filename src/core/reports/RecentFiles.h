#pragma once

#include <string>
#include <vector>

namespace tavolim::core {

class SettingsStore;

// The editor's recent files, kept in the per-user settings under "EdTexto", section
// "Arquivos Recentes", keys "Arquivo1" (the most recent) to "Arquivo4".
class RecentFiles {
public:
    static constexpr std::size_t kCount = 4;

    explicit RecentFiles(SettingsStore& settings);

    // Most recent first; at most four, none empty.
    const std::vector<std::string>& names() const { return m_names; }

    // Puts the name first: a listed name moves up, a new one pushes the oldest out. The list
    // is read again first and written back at once, so editor windows share it.
    void add(const std::string& name);

    // Reads the list again (another editor window may have changed it).
    void reload();

private:
    SettingsStore& m_settings;
    std::vector<std::string> m_names;
};

} // namespace tavolim::core
