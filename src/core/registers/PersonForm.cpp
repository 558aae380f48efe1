#include "core/registers/PersonForm.h"

#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"

namespace tavolim::core {
namespace {

template <class R>
void showCommon(const R& r, PersonForm& f)
{
    f.PrimNome = trim(r.PrimNome);
    f.SobreNome = trim(r.SobreNome);
    f.CI = trim(r.CI);
    f.CPF = trim(r.CPF);
    f.DataNasc = dateToScreen(r.DataNasc);
    f.Endereco = trim(r.Endereco);
    f.CEP = cepToText(r.CEP);
    f.Bairro = trim(r.Bairro);
    f.Cidade = trim(r.Cidade);
    f.TelResidencial = trim(r.TelResidencial);
    f.TelCelular = trim(r.TelCelular);
    f.TelComercial = trim(r.TelComercial);
    f.Email = trim(r.Email);
    f.Profissao = trim(r.Profissao);
    f.DataInsc = dateToScreen(r.DataInsc);
    f.HoraInsc = timeToText(r.HoraInsc);
    f.Sexo = r.Sexo;
    f.EstadoCivil = r.EstadoCivil;
}

template <class R>
void applyCommon(const PersonForm& f, R& r)
{
    r.PrimNome = f.PrimNome;
    r.SobreNome = f.SobreNome;
    r.CI = f.CI;
    r.CPF = f.CPF;
    r.DataNasc = textToDate(f.DataNasc);
    r.Endereco = f.Endereco;
    r.CEP = textToCep(f.CEP);
    r.Bairro = f.Bairro;
    r.Cidade = f.Cidade;
    r.TelResidencial = f.TelResidencial;
    r.TelCelular = f.TelCelular;
    r.TelComercial = f.TelComercial;
    r.Email = f.Email;
    r.Profissao = f.Profissao;
    r.DataInsc = textToDate(f.DataInsc);
    r.HoraInsc = textToTime(f.HoraInsc);
    r.Sexo = f.Sexo;
    r.EstadoCivil = f.EstadoCivil;
}

} // namespace

void showPerson(const ClientRecord& record, PersonForm& form)
{
    showCommon(record, form);
    form.NumInsc = std::to_string(record.Codigo);
    form.TipoCasa = record.TipoCasa;
    form.GrauParentesco.clear();
}

void showPerson(const DependentRecord& record, PersonForm& form)
{
    showCommon(record, form);
    form.NumInsc = std::to_string(record.Titular);
    form.GrauParentesco = trim(record.GrauParentesco);
    form.TipoCasa = false;
}

void applyPerson(const PersonForm& form, ClientRecord& record)
{
    applyCommon(form, record);
    record.TipoCasa = form.TipoCasa;
}

void applyPerson(const PersonForm& form, DependentRecord& record)
{
    applyCommon(form, record);
    record.GrauParentesco = form.GrauParentesco;
}

std::string registrationDate(std::chrono::year_month_day today)
{
    return dateToText(fromYmd(today));
}

std::string registrationTime(std::chrono::minutes timeOfDay)
{
    const auto minutes = timeOfDay.count();
    return timeToText(static_cast<std::int16_t>((minutes / 60) * 100 + minutes % 60));
}

} // namespace tavolim::core
