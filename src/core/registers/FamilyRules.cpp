#include "core/registers/FamilyRules.h"

#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/registers/NewRecordPrompt.h"
#include "core/registers/PersonForm.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"

#include <algorithm>
#include <cstdio>

namespace tavolim::core {
namespace {

// Characters, not bytes: the list lines up in the window's font, not in the file's bytes.
std::string padRight(const std::string& text, std::size_t width)
{
    std::size_t chars = 0;
    for (const unsigned char c : text) {
        chars += (c & 0xC0) != 0x80;
    }
    return chars >= width ? text : text + std::string(width - chars, ' ');
}

} // namespace

std::vector<std::string> dependentLines(const RecordStore& records, std::int16_t holder)
{
    std::vector<std::string> lines;
    const auto owner = records.load<ClientRecord>(holder);
    const int count = owner.depCount();
    for (int i = 0; i < count; ++i) {
        const auto d = records.load<DependentRecord>(owner.Dep[static_cast<std::size_t>(i)]);
        char slot[12];
        std::snprintf(slot, sizeof slot, "%2d", i + 1);
        lines.push_back(std::string(slot) + " " + padRight(d.PrimNome, DependentRecord::NameWidth) +
                        trim(d.GrauParentesco));
    }
    return lines;
}

std::optional<int> createDependent(AppState& state, std::int16_t holder, const NewRecordName& name)
{
    auto& records = state.records();
    ClientRecord owner = records.load<ClientRecord>(holder);
    const int count = owner.depCount();
    if (count >= ClientRecord::MaxDependents) {
        return std::nullopt;
    }
    const auto number = records.nextRecordNumber(FileKind::Dependents).value_or(0);
    if (number < 1 || number > RecordStore::MaxRecords) {
        return std::nullopt;
    }
    DependentRecord d;
    d.Codigo = static_cast<std::int16_t>(number);
    d.Titular = holder;
    d.PrimNome = name.name;
    d.SobreNome = name.surname;
    const auto& clock = state.ports().clock;
    d.DataInsc = textToDate(registrationDate(clock.today()));
    d.HoraInsc = textToTime(registrationTime(clock.timeOfDay()));
    d.Endereco = owner.Endereco;
    d.Bairro = owner.Bairro;
    d.CEP = owner.CEP;
    d.Cidade = owner.Cidade;
    d.TelResidencial = owner.TelResidencial;
    owner.Dep[static_cast<std::size_t>(count)] = static_cast<std::int16_t>(number);
    owner.NumDep = static_cast<std::int16_t>(count + 1);
    StoreTransaction write(state);
    records.save(number, d);
    records.save(holder, owner);
    if (!write.commit()) {
        return std::nullopt;
    }
    return count + 1;
}

bool refuseDuplicateName(AppState& state, const std::string& first, const std::string& surname,
                         std::int32_t client, std::int32_t dependent)
{
    const std::string f = trim(first);
    const std::string s = trim(surname);
    std::string numbers;
    {
        ScopedWait wait(&state.ports().progress, "Verificando Repetição de Nomes...");
        const auto collect = [&](std::int32_t n, const auto& r, std::int32_t self) {
            if (n != self && trim(r.PrimNome) == f && trim(r.SobreNome) == s) {
                numbers += (numbers.empty() ? "" : ", ") + std::to_string(n);
            }
        };
        state.records().scan<ClientRecord>(
            FileKind::Clients,
            [&](std::int32_t n, const ClientRecord& r) { collect(n, r, client); });
        state.records().scan<DependentRecord>(
            FileKind::Dependents,
            [&](std::int32_t n, const DependentRecord& r) { collect(n, r, dependent); });
    }
    if (numbers.empty()) {
        return false;
    }
    state.ports().dialogs.message("O nome do(a) cliente já existe.\nN° de registro : " + numbers,
                                  msg::Exclamation);
    return true;
}

DependentPlace dependentPlace(const RecordStore& records, std::int16_t dependent)
{
    DependentPlace place;
    place.holder = records.load<DependentRecord>(dependent).Titular;
    if (place.holder < 1) {
        return place;
    }
    const auto c = records.load<ClientRecord>(place.holder);
    const auto end = c.Dep.begin() + c.depCount();
    if (const auto at = std::find(c.Dep.begin(), end, dependent); at != end) {
        place.position = static_cast<int>(at - c.Dep.begin()) + 1;
    }
    return place;
}

ClientRecord clientFromDependent(const DependentRecord& d, std::int16_t code)
{
    ClientRecord c{};
    c.Codigo = code;
    c.PrimNome = d.PrimNome;
    c.SobreNome = d.SobreNome;
    c.CI = d.CI;
    c.CPF = d.CPF;
    c.DataNasc = d.DataNasc;
    c.Endereco = d.Endereco;
    c.CEP = d.CEP;
    c.Bairro = d.Bairro;
    c.Cidade = d.Cidade;
    c.TelResidencial = d.TelResidencial;
    c.TelCelular = d.TelCelular;
    c.TelComercial = d.TelComercial;
    c.Email = d.Email;
    c.Profissao = d.Profissao;
    c.Observacoes = d.Observacoes;
    c.Sexo = d.Sexo;
    c.EstadoCivil = d.EstadoCivil;
    c.DataInsc = d.DataInsc;
    c.HoraInsc = d.HoraInsc;
    c.ValorPago = d.ValorPago;
    c.ValorDevido = d.ValorDevido;
    c.ValorUltPgto = d.ValorUltPgto;
    c.TotalLocacoes = d.TotalLocacoes;
    c.DataUltLocacao = d.DataUltLocacao;
    c.RegHistFita = d.RegHistFita;
    c.RegHistProd = d.RegHistProd;
    c.NumFitas = d.NumFitas;
    c.Fitas = d.Fitas;
    return c;
}

std::int16_t inscriptionNumber(const RecordStore& records, std::int16_t code, bool titular)
{
    if (code <= 0 || titular) {
        return code > 0 ? code : 0;
    }
    return records.load<DependentRecord>(code).Titular;
}

const char* inscriptionCaption(bool titular)
{
    return titular ? "Nº Inscrição:" : "Nº Inscr. (titular):";
}

} // namespace tavolim::core
