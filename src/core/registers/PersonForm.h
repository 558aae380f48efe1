#pragma once

#include "core/store/TextHelpers.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace tavolim::core {

struct ClientRecord;
struct DependentRecord;

// The controls of the holder and dependent windows as the operator reads and types them,
// named after the fields they edit. Dates read "dd/mm/yyyy", the time "hh:mm", the CEP
// "@@@@@-@@@"; each bool is the first option of its pair (optMasc, optCasado,
// optCasaPropria). GrauParentesco is the dependent's, TipoCasa the holder's.
struct PersonForm {
    std::string NumInsc;
    std::string PrimNome;
    std::string SobreNome;
    std::string CI;
    std::string CPF;
    std::string DataNasc;
    std::string Endereco;
    std::string CEP;
    std::string Bairro;
    std::string Cidade;
    std::string TelResidencial;
    std::string TelCelular;
    std::string TelComercial;
    std::string Email;
    std::string Profissao;
    std::string DataInsc;
    std::string HoraInsc;
    std::string GrauParentesco;
    std::string Observacoes;
    bool Sexo = false;
    bool EstadoCivil = false;
    bool TipoCasa = false;
};

// Record to controls: texts trimmed, the notes left to the caller (they live in the memos).
void showPerson(const ClientRecord& record, PersonForm& form);
void showPerson(const DependentRecord& record, PersonForm& form);
// Controls to record, with the conversions back; the codec cuts texts to their widths.
void applyPerson(const PersonForm& form, ClientRecord& record);
void applyPerson(const PersonForm& form, DependentRecord& record);

// Today's registration date and time as the new-record boxes show them.
std::string registrationDate(std::chrono::year_month_day today);
std::string registrationTime(std::chrono::minutes timeOfDay);

} // namespace tavolim::core
