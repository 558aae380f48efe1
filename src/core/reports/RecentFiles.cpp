#include "core/reports/RecentFiles.h"

#include "core/ports/SettingsStore.h"

#include <algorithm>

namespace tavolim::core {

namespace {

const std::string kApplication = "EdTexto";
const std::string kSection = "Arquivos Recentes";

std::string key(std::size_t index)
{
    return "Arquivo" + std::to_string(index + 1);
}

} // namespace

RecentFiles::RecentFiles(SettingsStore& settings) : m_settings(settings)
{
    reload();
}

void RecentFiles::reload()
{
    m_names.clear();
    for (std::size_t i = 0; i < kCount; ++i) {
        std::string name = m_settings.read(kApplication, kSection, key(i), "");
        if (!name.empty() && std::find(m_names.begin(), m_names.end(), name) == m_names.end()) {
            m_names.push_back(std::move(name));
        }
    }
}

void RecentFiles::add(const std::string& name)
{
    if (name.empty()) {
        return;
    }
    reload();
    const auto listed = std::find(m_names.begin(), m_names.end(), name);
    if (listed != m_names.end()) {
        std::rotate(m_names.begin(), listed, listed + 1);
    } else {
        m_names.insert(m_names.begin(), name);
        if (m_names.size() > kCount) {
            m_names.pop_back();
        }
    }
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        m_settings.write(kApplication, kSection, key(i), m_names[i]);
    }
}

} // namespace tavolim::core
