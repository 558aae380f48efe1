#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <string_view>

namespace tavolim::core::sample {

// The dice of the sample store. The engine's output is fixed by the standard, the standard
// distributions are not: ranges are cut here so that one seed gives the same store with
// every compiler.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_engine(seed) {}

    // Inclusive; `high` below `low` gives `low`.
    int between(int low, int high);
    bool chance(int percent) { return between(1, 100) <= percent; }
    std::string_view pick(std::span<const std::string_view> list);

private:
    std::mt19937 m_engine;
};

struct PersonName {
    std::string first;
    std::string surname; // two family names
    bool male = false;
};

PersonName personName(Dice& dice);
std::string firstName(Dice& dice, bool male);
std::string familyName(Dice& dice);
std::string actorName(Dice& dice);

struct Address {
    std::string street; // with the house number
    std::string district;
    std::string city;
    std::int32_t cep = 0;
};

// Mostly the store's own town, some from the towns around it.
Address address(Dice& dice);
// The store's own address sits in its town.
Address storeAddress();

std::string homePhone(Dice& dice);
std::string mobilePhone(Dice& dice);
// Built from the name without accents; "" when nothing fits in `width` bytes.
std::string email(Dice& dice, std::string_view first, std::string_view surname, std::size_t width);
// Formatted with valid check digits, so a validating screen accepts them.
std::string cpf(Dice& dice);
std::string cnpj(Dice& dice);
std::string identityCard(Dice& dice);
std::string profession(Dice& dice, bool male);

struct Kinship {
    std::string name; // GrauParentesco
    bool male = false;
    bool spouse = false;
};
// The first dependent is often the holder's spouse; the others are family.
Kinship kinship(Dice& dice, bool holderMale, bool first);

struct FilmTitle {
    std::string title;
    std::string original; // "" for a national film
};
FilmTitle filmTitle(Dice& dice);
std::string synopsis(Dice& dice);
std::string clientNote(Dice& dice);

struct ProductKind {
    std::string_view name;
    std::string_view unit;
    int lowCents;
    int highCents;
    std::span<const std::string_view> variants;
};
std::span<const ProductKind> productKinds();
// Round 0 is the plain product; later rounds go through its variants and then repeat.
std::string productName(const ProductKind& kind, int round);
// 13 digits with the Brazilian prefix 789 and a valid check digit.
std::string ean13(Dice& dice);

struct DistributorName {
    std::string_view name;
    std::string_view site;
};
std::span<const DistributorName> distributorNames();

// Lower-case ASCII letters and digits of a UTF-8 text, accents dropped (e-mail names).
std::string asciiSlug(std::string_view utf8);

} // namespace tavolim::core::sample
