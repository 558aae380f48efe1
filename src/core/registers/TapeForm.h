#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavolim::core {

struct TapeRecord;

// One line of cboAtores: the actor's record number and trimmed name.
struct CastLine {
    std::int16_t actor = 0;
    std::string name;

    bool operator==(const CastLine&) const = default;
};

// The controls of frmDadosFitas as the operator reads and types them. The combos hold the
// record number they stand for (list position + 1; 0 = nothing chosen). Dates read
// "dd/mm/yyyy", money "0.00". The circulation part and the cast are shown, never typed:
// the cast changes through its own buttons, straight on the files.
struct TapeForm {
    std::string NumFita;
    std::string Nome;
    std::string SegNome;
    std::string CodigoB;
    int Secao = 0;
    int Selo = 0;
    int Midia = 0;
    int Distribuidor = 0;
    bool Dublado = false;
    std::string AnoLanc;
    std::string Duracao;
    std::string Diretor;
    std::string Ator; // the text box of cboAtores, where a name is typed
    std::string Sinopse;
    std::string Observacoes;
    std::string DataCompra;
    std::string ValorCompra;
    std::string ValorVenda;

    std::vector<CastLine> Atores;
    std::string TotalLocacoes;
    std::string Rendimento;
    std::string NomeClienteComFita;
    std::string DiaEmprestado;
    std::string DiaRetorna;
    std::vector<std::string> UltCli;
    std::vector<std::string> Reservas;
};

// The plain fields of the record to the controls: texts trimmed, a zero year or running
// time left blank, prices with "0.00". Names, synopsis, notes and circulation are the
// register's, as they live in other files.
void showTape(const TapeRecord& record, TapeForm& form);
// The typed fields back into the record; a year or time that is no number becomes 0.
void applyTape(const TapeForm& form, TapeRecord& record);

} // namespace tavolim::core
