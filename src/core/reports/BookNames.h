#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace tavolim::core {

class RecordStore;

// The names the book listings put beside each code: tape titles, people's names and
// products. A record that is marked deleted, or lies outside its file, has no name (the
// listings show "Registro Excluído"). Each record is read once per lookup object; past a
// few dozen codes of a kind its whole file is read in one pass instead, so a year's listing
// costs one read per file.
class BookNames {
public:
    explicit BookNames(const RecordStore& records);

    struct Product {
        std::string barcode;
        std::string description;
    };

    std::optional<std::string> tapeTitle(std::int16_t code);
    // The client (dependent -1) or the dependent: first name and surname, trimmed.
    std::optional<std::string> personName(std::int16_t client, std::int16_t dependent);
    std::optional<Product> product(std::int16_t code);

private:
    template <class T>
    struct Cache {
        std::unordered_map<std::int16_t, std::optional<T>> some;
        std::vector<std::optional<T>> all; // by code - 1, once the whole file was read
        bool whole = false;
    };

    template <class R, class T, class F>
    std::optional<T> lookup(Cache<T>& cache, std::int16_t code, F&& view);

    const RecordStore& m_records;
    Cache<std::string> m_tapes;
    Cache<std::string> m_clients;
    Cache<std::string> m_dependents;
    Cache<Product> m_products;
};

} // namespace tavolim::core
