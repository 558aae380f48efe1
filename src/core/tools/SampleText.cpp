#include "core/tools/SampleText.h"

#include <array>

namespace tavolim::core::sample {
namespace {

constexpr std::array<std::string_view, 30> kMaleNames = {
    "João",    "José",     "Antônio",  "Francisco", "Carlos",   "Paulo",   "Pedro",  "Lucas",
    "Luiz",    "Marcos",   "Gabriel",  "Rafael",    "Daniel",   "Marcelo", "Bruno",  "Eduardo",
    "Felipe",  "Raimundo", "Rodrigo",  "Sérgio",    "Fábio",    "André",   "Márcio", "Tiago",
    "Gustavo", "Ricardo",  "Fernando", "Júlio",     "Vinícius", "Otávio",
};

constexpr std::array<std::string_view, 30> kFemaleNames = {
    "Maria",    "Ana",     "Francisca", "Antônia", "Adriana",  "Juliana", "Márcia",  "Fernanda",
    "Patrícia", "Aline",   "Sandra",    "Camila",  "Amanda",   "Bruna",   "Jéssica", "Letícia",
    "Júlia",    "Luciana", "Vanessa",   "Mariana", "Gabriela", "Vera",    "Vitória", "Larissa",
    "Cláudia",  "Beatriz", "Renata",    "Simone",  "Tânia",    "Débora",
};

constexpr std::array<std::string_view, 38> kFamilyNames = {
    "Silva",   "Santos",     "Oliveira",   "Souza",     "Rodrigues", "Ferreira", "Alves",
    "Pereira", "Lima",       "Gomes",      "Costa",     "Ribeiro",   "Martins",  "Carvalho",
    "Almeida", "Lopes",      "Soares",     "Fernandes", "Vieira",    "Barbosa",  "Rocha",
    "Dias",    "Nascimento", "Andrade",    "Moreira",   "Nunes",     "Marques",  "Machado",
    "Mendes",  "Freitas",    "Cardoso",    "Ramos",     "Gonçalves", "Santana",  "Teixeira",
    "Araújo",  "Conceição",  "Cavalcanti",
};

constexpr std::array<std::string_view, 12> kForeignFirstNames = {
    "John",  "Michael", "Robert", "Susan",   "Mary", "Peter",
    "James", "Linda",   "Kate",   "Richard", "Anne", "George",
};

constexpr std::array<std::string_view, 12> kForeignFamilyNames = {
    "Smith", "Johnson", "Brown", "Miller", "Davis", "Wilson",
    "Moore", "Taylor",  "Clark", "Walker", "Hall",  "Young",
};

struct Town {
    std::string_view name;
    std::int32_t cepLow;
    std::int32_t cepHigh;
};

// The store's town first; clients come mostly from it.
constexpr std::array<Town, 6> kTowns = {{
    {"Campinas", 13010000, 13099999},
    {"Valinhos", 13270000, 13279999},
    {"Sumaré", 13170000, 13182999},
    {"Hortolândia", 13183000, 13189999},
    {"Paulínia", 13140000, 13149999},
    {"Vinhedo", 13280000, 13289999},
}};

constexpr std::array<std::string_view, 16> kDistricts = {
    "Centro",         "Cambuí",          "Taquaral",        "Jardim América",
    "Vila Nova",      "Bosque",          "Botafogo",        "Guanabara",
    "Castelo",        "Jardim Chapadão", "Vila Industrial", "São Bernardo",
    "Jardim do Lago", "Parque Itália",   "Santa Cândida",   "Jardim Paulista",
};

constexpr std::array<std::string_view, 4> kStreetKinds = {"Rua", "Rua", "Avenida", "Travessa"};

constexpr std::array<std::string_view, 18> kStreetNames = {
    "das Flores",      "Barão de Jaguara", "José Paulino",
    "Moraes Salles",   "Brasil",           "Orosimbo Maia",
    "Tiradentes",      "Sete de Setembro", "Quinze de Novembro",
    "Santos Dumont",   "dos Andradas",     "Benjamin Constant",
    "Dom Pedro II",    "Marechal Deodoro", "Júlio de Mesquita",
    "Coronel Quirino", "das Amoreiras",    "Princesa d'Oeste",
};

constexpr std::array<std::string_view, 7> kMailDomains = {
    "gmail.com",    "hotmail.com", "uol.com.br",   "bol.com.br",
    "terra.com.br", "ig.com.br",   "yahoo.com.br",
};

struct Gendered {
    std::string_view male;
    std::string_view female;
};

constexpr std::array<Gendered, 16> kProfessions = {{
    {"Professor", "Professora"},
    {"Engenheiro", "Engenheira"},
    {"Comerciante", "Comerciante"},
    {"Estudante", "Estudante"},
    {"Médico", "Médica"},
    {"Advogado", "Advogada"},
    {"Motorista", "Motorista"},
    {"Vendedor", "Vendedora"},
    {"Enfermeiro", "Enfermeira"},
    {"Aposentado", "Aposentada"},
    {"Bancário", "Bancária"},
    {"Contador", "Contadora"},
    {"Funcionário Público", "Funcionária Pública"},
    {"Mecânico", "Mecânica"},
    {"Cabeleireiro", "Cabeleireira"},
    {"Analista de Sistemas", "Analista de Sistemas"},
}};

constexpr std::array<Gendered, 5> kFamily = {{
    {"Filho", "Filha"},
    {"Filho", "Filha"},
    {"Neto", "Neta"},
    {"Irmão", "Irmã"},
    {"Sobrinho", "Sobrinha"},
}};

struct Noun {
    std::string_view pt;
    bool male;
    std::string_view en;
};

constexpr std::array<Noun, 30> kNouns = {{
    {"Segredo", true, "Secret"},      {"Caminho", true, "Path"},
    {"Destino", true, "Fate"},        {"Guerreiro", true, "Warrior"},
    {"Mistério", true, "Mystery"},    {"Silêncio", true, "Silence"},
    {"Tesouro", true, "Treasure"},    {"Império", true, "Empire"},
    {"Retorno", true, "Return"},      {"Inverno", true, "Winter"},
    {"Vento", true, "Wind"},          {"Jogo", true, "Game"},
    {"Sonho", true, "Dream"},         {"Espelho", true, "Mirror"},
    {"Detetive", true, "Detective"},  {"Noite", false, "Night"},
    {"Cidade", false, "City"},        {"Ilha", false, "Island"},
    {"Estrada", false, "Road"},       {"Promessa", false, "Promise"},
    {"Sombra", false, "Shadow"},      {"Fuga", false, "Escape"},
    {"Vingança", false, "Revenge"},   {"Tempestade", false, "Storm"},
    {"Lenda", false, "Legend"},       {"Missão", false, "Mission"},
    {"Casa", false, "House"},         {"Chave", false, "Key"},
    {"Fronteira", false, "Frontier"}, {"Viagem", false, "Journey"},
}};

struct Adjective {
    std::string_view male;
    std::string_view female;
    std::string_view en;
};

constexpr std::array<Adjective, 12> kAdjectives = {{
    {"Perdido", "Perdida", "Lost"},
    {"Sombrio", "Sombria", "Dark"},
    {"Proibido", "Proibida", "Forbidden"},
    {"Final", "Final", "Final"},
    {"Eterno", "Eterna", "Eternal"},
    {"Silencioso", "Silenciosa", "Silent"},
    {"Selvagem", "Selvagem", "Wild"},
    {"Secreto", "Secreta", "Secret"},
    {"Mortal", "Mortal", "Deadly"},
    {"Dourado", "Dourada", "Golden"},
    {"Esquecido", "Esquecida", "Forgotten"},
    {"Vermelho", "Vermelha", "Red"},
}};

struct Matter {
    std::string_view pt;
    std::string_view en;
};

constexpr std::array<Matter, 7> kMatters = {{
    {"Fogo", "Fire"},
    {"Gelo", "Ice"},
    {"Ouro", "Gold"},
    {"Vidro", "Glass"},
    {"Pedra", "Stone"},
    {"Sangue", "Blood"},
    {"Aço", "Steel"},
}};

constexpr std::array<std::string_view, 9> kSettings = {
    "uma pequena cidade do interior",
    "Nova York dos anos 70",
    "um navio perdido no Atlântico",
    "uma estação espacial",
    "Paris",
    "uma fazenda no sertão",
    "um colégio interno",
    "Londres durante a guerra",
    "uma ilha deserta",
};

constexpr std::array<std::string_view, 9> kHeroes = {
    "um detetive aposentado", "uma jovem professora", "um jovem casal",
    "um grupo de amigos",     "um piloto de corrida", "uma cientista",
    "um menino de dez anos",  "um policial honesto",  "uma cantora de bar",
};

constexpr std::array<std::string_view, 5> kFinds = {
    "descobre", "encontra", "recebe", "herda", "persegue",
};

constexpr std::array<std::string_view, 7> kThings = {
    "um mapa misterioso",         "uma carta antiga",   "um segredo de família",
    "uma fortuna escondida",      "um plano criminoso", "uma porta para outro mundo",
    "uma conspiração no governo",
};

constexpr std::array<std::string_view, 6> kGoals = {
    "provar sua inocência", "salvar quem ama",     "voltar para casa",
    "desvendar o mistério", "vencer o campeonato", "impedir uma tragédia",
};

constexpr std::array<std::string_view, 5> kThreats = {
    "seja tarde demais",       "o inverno chegue",  "os vilões cheguem primeiro",
    "a polícia descubra tudo", "o tempo se esgote",
};

constexpr std::array<std::string_view, 6> kVerdicts = {
    "Uma aventura emocionante para toda a família.",
    "Suspense do começo ao fim.",
    "Vencedor de três prêmios internacionais.",
    "Uma comédia leve e divertida.",
    "Baseado em fatos reais.",
    "Não recomendado para menores de 14 anos.",
};

constexpr std::array<std::string_view, 10> kNotes = {
    "Cliente desde a inauguração.",
    "Prefere filmes de ação.",
    "Sempre devolve no prazo.",
    "Avisar quando chegarem os lançamentos.",
    "Costuma atrasar as devoluções de sábado.",
    "Pediu para não ligar depois das 22h.",
    "Indicado por outro cliente.",
    "Gosta de filmes infantis para os filhos.",
    "Reserva sempre os lançamentos da semana.",
    "Pagamento só em dinheiro.",
};

using Variants = std::array<std::string_view, 5>;

// Each product's own flavours or sizes, "" where it has fewer.
constexpr std::array<Variants, 16> kVariants = {{
    {"Micro-ondas", "Manteiga", "Natural", "Bacon", "Doce"},
    {"Cola", "Guaraná", "Laranja", "Limão", "Uva"},
    {"Cola", "Guaraná", "Laranja", "Zero", ""},
    {"90g", "170g", "Meio Amargo", "", ""},
    {"Morango", "Uva", "Sortida", "Azeda", ""},
    {"Original", "Churrasco", "Cebola", "Queijo", ""},
    {"500ml", "1,5L", "com Gás", "", ""},
    {"Salgado", "Japonês", "Doce", "", ""},
    {"T-120", "T-160", "", "", ""},
    {"4,7GB", "Regravável", "", "", ""},
    {"Bivolt", "Compacto", "", "", ""},
    {"VHS", "DVD", "", "", ""},
    {"Chocolate", "Creme", "Flocos", "Napolitano", ""},
    {"Uva", "Laranja", "Pêssego", "Maçã", ""},
    {"Chocolate", "Morango", "Baunilha", "", ""},
    {"Hortelã", "Menta", "Tutti-frutti", "", ""},
}};

constexpr std::array<ProductKind, 16> kProducts = {{
    {"Pipoca", "PC", 250, 450, kVariants[0]},
    {"Refrigerante Lata", "UN", 300, 550, kVariants[1]},
    {"Refrigerante 2L", "UN", 600, 990, kVariants[2]},
    {"Chocolate ao Leite", "UN", 350, 890, kVariants[3]},
    {"Bala de Goma", "PC", 150, 400, kVariants[4]},
    {"Batata Chips", "PC", 450, 990, kVariants[5]},
    {"Água Mineral", "UN", 200, 350, kVariants[6]},
    {"Amendoim", "PC", 300, 600, kVariants[7]},
    {"Fita VHS Virgem", "UN", 590, 1290, kVariants[8]},
    {"DVD Virgem", "UN", 150, 390, kVariants[9]},
    {"Rebobinador", "UN", 2990, 4990, kVariants[10]},
    {"Limpa Cabeçote", "UN", 1290, 2490, kVariants[11]},
    {"Sorvete Pote", "UN", 1190, 2490, kVariants[12]},
    {"Suco de Caixinha", "UN", 250, 450, kVariants[13]},
    {"Biscoito Recheado", "PC", 250, 450, kVariants[14]},
    {"Chiclete", "CX", 100, 300, kVariants[15]},
}};

constexpr std::array<DistributorName, 8> kDistributors = {{
    {"Vídeo Norte Distribuidora", "www.videonorte.com.br"},
    {"Paulista Home Vídeo", "www.paulistahv.com.br"},
    {"Campinas Filmes Ltda.", "www.campinasfilmes.com.br"},
    {"Distribuidora Estrela", "www.estreladist.com.br"},
    {"Lumière Vídeo", "www.lumierevideo.com.br"},
    {"Sul Vídeo Distribuidora", "www.sulvideo.com.br"},
    {"Mundial Home Entertainment", "www.mundialhome.com.br"},
    {"Doces e Cia. Atacado", "www.docesecia.com.br"},
}};

std::string digits(Dice& dice, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += static_cast<char>('0' + dice.between(0, 9));
    }
    return out;
}

// Mod-11 check digit: weights from the right 2, 3, 4, ... (CPF) or cycling 2..9 (CNPJ).
int checkDigit(const std::string& d, bool cycleWeights)
{
    int sum = 0;
    int weight = 2;
    for (auto it = d.rbegin(); it != d.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = cycleWeights && weight == 9 ? 2 : weight + 1;
    }
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

template <class T, std::size_t N>
const T& pickOf(Dice& dice, const std::array<T, N>& list)
{
    return list[static_cast<std::size_t>(dice.between(0, static_cast<int>(N) - 1))];
}

} // namespace

int Dice::between(int low, int high)
{
    if (high <= low) {
        return low;
    }
    const auto span = static_cast<std::uint32_t>(high - low) + 1u;
    return low + static_cast<int>(m_engine() % span);
}

std::string_view Dice::pick(std::span<const std::string_view> list)
{
    return list[static_cast<std::size_t>(between(0, static_cast<int>(list.size()) - 1))];
}

std::string firstName(Dice& dice, bool male)
{
    return std::string(male ? dice.pick(kMaleNames) : dice.pick(kFemaleNames));
}

std::string familyName(Dice& dice)
{
    return std::string(dice.pick(kFamilyNames)) + " " + std::string(dice.pick(kFamilyNames));
}

PersonName personName(Dice& dice)
{
    PersonName p;
    p.male = dice.chance(50);
    p.first = firstName(dice, p.male);
    p.surname = familyName(dice);
    return p;
}

std::string actorName(Dice& dice)
{
    if (dice.chance(50)) {
        return std::string(dice.pick(kForeignFirstNames)) + " " +
               std::string(dice.pick(kForeignFamilyNames));
    }
    return firstName(dice, dice.chance(50)) + " " + std::string(dice.pick(kFamilyNames));
}

Address address(Dice& dice)
{
    const Town& town = dice.chance(85) ? kTowns[0] : pickOf(dice, kTowns);
    Address a;
    a.street = std::string(dice.pick(kStreetKinds)) + " " + std::string(dice.pick(kStreetNames)) +
               ", " + std::to_string(dice.between(1, 2500));
    if (dice.chance(20)) {
        a.street += " apto " + std::to_string(dice.between(1, 20) * 10 + dice.between(1, 4));
    }
    a.district = std::string(dice.pick(kDistricts));
    a.city = std::string(town.name);
    a.cep = dice.between(town.cepLow, town.cepHigh);
    return a;
}

Address storeAddress()
{
    return {"Avenida Orosimbo Maia, 1450", "Cambuí", std::string(kTowns[0].name), 13024045};
}

std::string homePhone(Dice& dice)
{
    return std::to_string(dice.between(3200, 3299)) + "-" + digits(dice, 4);
}

std::string mobilePhone(Dice& dice)
{
    return "9" + std::to_string(dice.between(8100, 9999)) + "-" + digits(dice, 4);
}

std::string asciiSlug(std::string_view utf8)
{
    struct Fold {
        std::string_view from;
        char to;
    };
    static constexpr std::array<Fold, 26> kFolds = {{
        {"á", 'a'}, {"à", 'a'}, {"â", 'a'}, {"ã", 'a'}, {"é", 'e'}, {"ê", 'e'}, {"í", 'i'},
        {"ó", 'o'}, {"ô", 'o'}, {"õ", 'o'}, {"ú", 'u'}, {"ü", 'u'}, {"ç", 'c'}, {"Á", 'a'},
        {"À", 'a'}, {"Â", 'a'}, {"Ã", 'a'}, {"É", 'e'}, {"Ê", 'e'}, {"Í", 'i'}, {"Ó", 'o'},
        {"Ô", 'o'}, {"Õ", 'o'}, {"Ú", 'u'}, {"Ç", 'c'}, {"è", 'e'},
    }};
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        bool folded = false;
        for (const auto& f : kFolds) {
            if (utf8.substr(i, f.from.size()) == f.from) {
                out += f.to;
                i += f.from.size();
                folded = true;
                break;
            }
        }
        if (folded) {
            continue;
        }
        const char c = utf8[i++];
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            out += c;
        }
    }
    return out;
}

std::string email(Dice& dice, std::string_view first, std::string_view surname, std::size_t width)
{
    const std::string domain = "@" + std::string(dice.pick(kMailDomains));
    const std::string name = asciiSlug(first);
    const auto space = surname.rfind(' ');
    const std::string family =
        asciiSlug(space == std::string_view::npos ? surname : surname.substr(space + 1));
    const std::string number = std::to_string(dice.between(1, 99));
    for (const auto& local : {name + "." + family, name + family, name + number, name}) {
        if (local.size() + domain.size() <= width) {
            return local + domain;
        }
    }
    return {};
}

std::string cpf(Dice& dice)
{
    std::string d = digits(dice, 9);
    d += static_cast<char>('0' + checkDigit(d, false));
    d += static_cast<char>('0' + checkDigit(d, false));
    return d.substr(0, 3) + "." + d.substr(3, 3) + "." + d.substr(6, 3) + "-" + d.substr(9, 2);
}

std::string cnpj(Dice& dice)
{
    std::string d = digits(dice, 8) + "0001";
    d += static_cast<char>('0' + checkDigit(d, true));
    d += static_cast<char>('0' + checkDigit(d, true));
    return d.substr(0, 2) + "." + d.substr(2, 3) + "." + d.substr(5, 3) + "/" + d.substr(8, 4) +
           "-" + d.substr(12, 2);
}

std::string identityCard(Dice& dice)
{
    const std::string d = digits(dice, 9);
    return d.substr(0, 2) + "." + d.substr(2, 3) + "." + d.substr(5, 3) + "-" + d.substr(8, 1);
}

std::string profession(Dice& dice, bool male)
{
    const auto& p = pickOf(dice, kProfessions);
    return std::string(male ? p.male : p.female);
}

Kinship kinship(Dice& dice, bool holderMale, bool first)
{
    Kinship k;
    if (first && dice.chance(40)) {
        k.spouse = true;
        k.male = !holderMale;
        k.name = k.male ? "Marido" : "Esposa";
        return k;
    }
    const auto& f = pickOf(dice, kFamily);
    k.male = dice.chance(50);
    k.name = std::string(k.male ? f.male : f.female);
    return k;
}

FilmTitle filmTitle(Dice& dice)
{
    const auto& noun = pickOf(dice, kNouns);
    const std::string article = noun.male ? "O " : "A ";
    FilmTitle t;
    if (dice.chance(60)) {
        const auto& adj = pickOf(dice, kAdjectives);
        t.title =
            article + std::string(noun.pt) + " " + std::string(noun.male ? adj.male : adj.female);
        t.original = "The " + std::string(adj.en) + " " + std::string(noun.en);
    } else {
        const auto& matter = pickOf(dice, kMatters);
        t.title = article + std::string(noun.pt) + " de " + std::string(matter.pt);
        t.original = "The " + std::string(noun.en) + " of " + std::string(matter.en);
    }
    if (dice.chance(15)) {
        const std::string sequel = " " + std::to_string(dice.between(2, 4));
        t.title += sequel;
        t.original += sequel;
    }
    if (dice.chance(20)) {
        t.original.clear(); // a national film has no original title
    }
    return t;
}

std::string synopsis(Dice& dice)
{
    std::string s = "Em " + std::string(dice.pick(kSettings)) + ", " +
                    std::string(dice.pick(kHeroes)) + " " + std::string(dice.pick(kFinds)) + " " +
                    std::string(dice.pick(kThings)) + ". Agora precisa " +
                    std::string(dice.pick(kGoals)) + " antes que " +
                    std::string(dice.pick(kThreats)) + ".";
    if (dice.chance(60)) {
        s += " " + std::string(dice.pick(kVerdicts));
    }
    return s;
}

std::string clientNote(Dice& dice)
{
    std::string note(dice.pick(kNotes));
    if (dice.chance(30)) {
        note += " " + std::string(dice.pick(kNotes));
    }
    return note;
}

std::span<const ProductKind> productKinds()
{
    return kProducts;
}

std::string productName(const ProductKind& kind, int round)
{
    std::size_t used = 0;
    while (used < kind.variants.size() && !kind.variants[used].empty()) {
        ++used;
    }
    if (round == 0 || used == 0) {
        return std::string(kind.name);
    }
    return std::string(kind.name) + " " +
           std::string(kind.variants[static_cast<std::size_t>(round - 1) % used]);
}

std::string ean13(Dice& dice)
{
    std::string d = "789" + digits(dice, 9);
    int sum = 0;
    for (std::size_t i = 0; i < d.size(); ++i) {
        sum += (d[i] - '0') * (i % 2 == 0 ? 1 : 3);
    }
    d += static_cast<char>('0' + (10 - sum % 10) % 10);
    return d;
}

std::span<const DistributorName> distributorNames()
{
    return kDistributors;
}

} // namespace tavolim::core::sample
