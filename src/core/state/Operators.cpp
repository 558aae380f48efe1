#include "core/state/Operators.h"

#include "core/ports/Dialogs.h"
#include "core/store/Cp1252.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>

namespace tavolim::core {

const std::array<std::string_view, 24> kAccessRowNames = {
    "BackUp",
    "Configurar Recibos",
    "Cadastro de Clientes",
    "Cadastro de Fitas",
    "Cadastro de Produtos",
    "Cadastro de Distribuidores",
    "Dados Gerais da Locadora",
    "Dados Gerenciais da Locadora",
    "Feriados",
    "Localizar Campo em Banco de Dados",
    "Edição Global de Bancos de Dados",
    "Desfazer Exclusão",
    "Operações Gerais",
    "Devolução Rápida",
    "Vendas",
    "Entrada de Estoque",
    "Opções",
    "Históricos em Geral",
    "Relatórios em Geral",
    "Alterar Preço Produtos",
    "Alterar Preço Fitas",
    "Alterar Prazo Fitas",
    "Adicionar Brindes Manualmente",
    "Adicionar Acréscimos ou Descontos",
};

namespace {

unsigned char lowerByte(unsigned char b)
{
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
        return static_cast<unsigned char>(b + 0x20);
    }
    switch (b) {
    case 0x8A:
        return 0x9A; // Š
    case 0x8C:
        return 0x9C; // Œ
    case 0x8E:
        return 0x9E; // Ž
    case 0x9F:
        return 0xFF; // Ÿ
    default:
        return b;
    }
}

// The two bands a byte is rotated within; bytes outside both are kept.
struct Band {
    int low;
    int size;
};

const Band* bandOf(unsigned char b)
{
    static constexpr Band ascii{0x20, 95};
    static constexpr Band accented{0xA0, 96};
    if (b >= 0x20 && b <= 0x7E) {
        return &ascii;
    }
    if (b >= 0xA0) {
        return &accented;
    }
    return nullptr;
}

int shiftAt(std::size_t position)
{
    return static_cast<int>(position) * 7 + 11;
}

std::string rotate(std::string bytes, int direction)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (const Band* band = bandOf(b)) {
            const int shift = (direction * shiftAt(i)) % band->size + band->size;
            bytes[i] = static_cast<char>(band->low + (b - band->low + shift) % band->size);
        }
    }
    return bytes;
}

bool validIndex(const GeneralRulesRecord& rules, int index)
{
    return index >= 1 && index <= rules.operatorCount();
}

std::size_t slot(int index)
{
    return static_cast<std::size_t>(index - 1);
}

int administratorCount(const GeneralRulesRecord& rules)
{
    int count = 0;
    for (int i = 1; i <= rules.operatorCount(); ++i) {
        count += operatorLevel(rules, i) == kLevelAdministrator ? 1 : 0;
    }
    return count;
}

} // namespace

std::string normalizeCredential(std::string_view text)
{
    std::string bytes = toCp1252(trim(text));
    std::transform(bytes.begin(), bytes.end(), bytes.begin(), [](char c) {
        return static_cast<char>(lowerByte(static_cast<unsigned char>(c)));
    });
    return fromCp1252(bytes);
}

std::string scramblePassword(std::string_view password)
{
    return fromCp1252(rotate(toCp1252(password), 1));
}

std::string unscramblePassword(std::string_view stored, int length)
{
    std::string bytes = toCp1252(stored);
    const auto wanted =
        static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(kMaxPasswordLength)));
    bytes.resize(wanted, ' ');
    return fromCp1252(rotate(std::move(bytes), -1));
}

int operatorLevel(const GeneralRulesRecord& rules, int index)
{
    return validIndex(rules, index) ? rules.NivelOperador[slot(index)] : 0;
}

bool mayUse(const GeneralRulesRecord& rules, int index, int row)
{
    const int level = operatorLevel(rules, index);
    if (level == 0 || row < 1 || row > GeneralRulesRecord::AccessRows) {
        return false;
    }
    return level <= rules.NivelAcesso[slot(row)];
}

int findOperator(const GeneralRulesRecord& rules, std::string_view name)
{
    const std::string wanted = normalizeCredential(name);
    for (int i = 1; i <= rules.operatorCount(); ++i) {
        if (normalizeCredential(rules.NomeOperador[slot(i)]) == wanted) {
            return i;
        }
    }
    return 0;
}

bool passwordMatches(const GeneralRulesRecord& rules, int index, std::string_view password)
{
    if (!validIndex(rules, index)) {
        return false;
    }
    const std::string stored =
        unscramblePassword(rules.SenhaOperador[slot(index)], rules.TamSenha[slot(index)]);
    return stored == normalizeCredential(password);
}

void storePassword(GeneralRulesRecord& rules, int index, std::string_view password)
{
    const std::string text = normalizeCredential(password);
    rules.SenhaOperador[slot(index)] = scramblePassword(text);
    rules.TamSenha[slot(index)] = static_cast<std::int16_t>(toCp1252(text).size());
}

bool onlyDefaultOperator(const GeneralRulesRecord& rules)
{
    return rules.operatorCount() == 1 && normalizeCredential(rules.NomeOperador[0]) == "tavolim";
}

bool mayAddOperator(const GeneralRulesRecord& rules, Dialogs& dialogs)
{
    if (rules.operatorCount() >= GeneralRulesRecord::MaxOperators) {
        dialogs.message("10 Usuários é o Limite Máximo.", msg::Exclamation);
        return false;
    }
    return true;
}

bool deleteOperator(GeneralRulesRecord& rules, int index, int& current, Dialogs& dialogs)
{
    if (!validIndex(rules, index)) {
        return false;
    }
    const char* refusal = nullptr;
    if (rules.operatorCount() == 1) {
        refusal = "Acesso Negado: Deve haver no mínimo um(a) usuário(a) cadastrado(a).";
    } else if (index == current) {
        refusal = "Acesso Negado: O(A) usuário(a) não pode ser excluído(a) enquanto estiver "
                  "como usuário(a) ativo(a).";
    } else if (operatorLevel(rules, index) == kLevelAdministrator &&
               administratorCount(rules) == 1) {
        refusal = "Acesso Negado: Não é possível excluir todos(as) os(as) "
                  "usuários(as) administradores(as).";
    }
    if (refusal) {
        dialogs.message(refusal, msg::Exclamation);
        return false;
    }
    const std::string question = "Tem Certeza que Deseja Excluir '" +
                                 trim(rules.NomeOperador[slot(index)]) +
                                 "' do Registro de Usuários ?";
    if (dialogs.message(question, msg::Question + msg::YesNo) != msg::Answer::Yes) {
        return false;
    }
    const int count = rules.operatorCount();
    for (int i = index; i < count; ++i) {
        rules.NomeOperador[slot(i)] = rules.NomeOperador[slot(i + 1)];
        rules.SenhaOperador[slot(i)] = rules.SenhaOperador[slot(i + 1)];
        rules.TamSenha[slot(i)] = rules.TamSenha[slot(i + 1)];
        rules.NivelOperador[slot(i)] = rules.NivelOperador[slot(i + 1)];
    }
    rules.NomeOperador[slot(count)].clear();
    rules.SenhaOperador[slot(count)].clear();
    rules.TamSenha[slot(count)] = 0;
    rules.NivelOperador[slot(count)] = 0;
    rules.NumOperadores = static_cast<std::int16_t>(count - 1);
    if (current > index) {
        --current;
    }
    return true;
}

bool setOperatorLevel(GeneralRulesRecord& rules, int index, int level, Dialogs& dialogs)
{
    if (!validIndex(rules, index) || level < kLevelAdministrator || level > kLevelOperator) {
        return false;
    }
    if (level != kLevelAdministrator && operatorLevel(rules, index) == kLevelAdministrator &&
        administratorCount(rules) == 1) {
        dialogs.message("Não é Possível Excluir Todos os Administradores.", msg::Exclamation);
        return false;
    }
    rules.NivelOperador[slot(index)] = static_cast<std::int16_t>(level);
    return true;
}

bool acceptAccessLevel(std::string_view text, Dialogs& dialogs)
{
    const std::string value = trim(text);
    if (value.size() != 1 || value[0] < '1' || value[0] > '3') {
        dialogs.message("O Nível de Acesso está Incorreto.", msg::Exclamation);
        return false;
    }
    return true;
}

} // namespace tavolim::core
