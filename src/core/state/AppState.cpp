#include "core/state/AppState.h"

#include "core/ports/SettingsStore.h"

namespace tavolim::core {

AppState::AppState(std::filesystem::path dataFolder, Ports ports)
    : m_records(dataFolder), m_config(dataFolder), m_ports(ports)
{
}

MemoStore AppState::memos()
{
    auto& rules = m_records.rules();
    return MemoStore(dataFolder(), MemoCounters{rules.MemosLivres, rules.MemosDesperdicio});
}

SynopsisStore AppState::synopses()
{
    return SynopsisStore(dataFolder(), m_records.rules().SinopsesDesperdicio);
}

void AppState::loadOptions()
{
    m_records.readRecord(FileKind::GeneralRules, 1, true);
    m_records.readRecord(FileKind::Store, 1, true);
    configWarnings.clear();
    m_options = core::loadOptions(m_ports.settings, m_config, &configWarnings);
}

bool AppState::saveRules()
{
    return m_records.writeRecord(FileKind::GeneralRules, 1);
}

} // namespace tavolim::core
