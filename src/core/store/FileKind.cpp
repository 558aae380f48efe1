#include "core/store/FileKind.h"

#include <array>

namespace tavolim::core {
namespace {

constexpr std::array<FileKindInfo, 12> kKinds = {{
    {FileKind::Clients, "DadosCli.tvl", 349, "DelCli.tvl", 2, 15},
    {FileKind::Dependents, "DadosDep.tvl", 337, "DelDep.tvl", 4, 15},
    {FileKind::Tapes, "DadosFit.tvl", 228, "DelFit.tvl", 2, 25},
    {FileKind::Distributors, "DadosFrn.tvl", 260, "DelFrn.tvl", 2, 30},
    {FileKind::Labels, "FitaSelo.tvl", 487, "", 0, 0},
    {FileKind::Media, "DadosMid.tvl", 297, "", 0, 0},
    {FileKind::Actors, "DadosAto.tvl", 174, "", 0, 0},
    {FileKind::GeneralRules, "tavolim.ini", 1432, "", 0, 0},
    {FileKind::Store, "DadosLoc.tvl", 395, "", 0, 0},
    {FileKind::Products, "DadosPrd.tvl", 64, "DelPrd.tvl", 2, 25},
    {FileKind::TapeHistory, "HistFita.tvl", 600, "DelHistF.tvl", 0, 0},
    {FileKind::ProductHistory, "HistProd.tvl", 1200, "DelHistP.tvl", 0, 0},
}};

} // namespace

std::optional<FileKind> fileKindFromInt(int kind)
{
    if (kind < 1 || kind > 12) {
        return std::nullopt;
    }
    return static_cast<FileKind>(kind);
}

const FileKindInfo& fileKindInfo(FileKind kind)
{
    return kKinds[static_cast<std::size_t>(kind) - 1];
}

bool isMarkDeletable(FileKind kind)
{
    return fileKindInfo(kind).nameWidth > 0;
}

} // namespace tavolim::core
