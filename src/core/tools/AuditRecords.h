#pragma once

// What the audit reads of the register files, shared by its parts.

#include "core/store/ActorRecord.h"
#include "core/store/ClientRecord.h"
#include "core/store/Money.h"
#include "core/store/TapeRecord.h"
#include "core/tools/StoreAudit.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavolim::core {

class RecordStore;

namespace audit {

enum Presence : std::uint8_t { Absent, Deleted, Live };

// The fields of a holder or a dependent the audit follows.
struct Person {
    bool present = false;
    bool deleted = false;
    std::int16_t titular = 0; // dependents only
    std::int16_t numDep = 0;  // holders only
    std::array<std::int16_t, ClientRecord::MaxDependents> dep{};
    std::int16_t numFitas = 0;
    std::array<std::int16_t, ClientRecord::MaxTapes> fitas{};
    Money pago;
    Money devido;
    std::int32_t regHistFita = 0;
    std::int32_t regHistProd = 0;

    bool live() const { return present && !deleted; }
    std::span<const std::int16_t> tapes() const
    {
        return std::span(fitas).first(
            static_cast<std::size_t>(clampCount(numFitas, ClientRecord::MaxTapes)));
    }
    std::span<const std::int16_t> dependents() const
    {
        return std::span(dep).first(
            static_cast<std::size_t>(clampCount(numDep, ClientRecord::MaxDependents)));
    }
};

struct Tape {
    bool present = false;
    bool deleted = false;
    std::int16_t secao = 0;
    std::int16_t selo = 0;
    std::int16_t midia = 0;
    std::int16_t distribuidor = 0;
    std::int16_t diretor = 0;
    std::int16_t numAtores = 0;
    std::array<std::int16_t, TapeRecord::MaxActors> atores{};
    std::int16_t clienteFita = 0;
    bool titular = false;
    bool rentalFields = false; // a rental-state field the return clears is set
    std::int32_t dataRetirada = 0;
    std::int16_t numReservas = 0;
    std::array<std::int16_t, TapeRecord::MaxReservations> reservaCliente{};
    std::array<bool, TapeRecord::MaxReservations> reservaTitular{};

    std::span<const std::int16_t> cast() const
    {
        return std::span(atores).first(
            static_cast<std::size_t>(clampCount(numAtores, TapeRecord::MaxActors)));
    }
};

struct Actor {
    bool present = false;
    std::int16_t numFitas = 0;
    std::array<std::int16_t, ActorRecord::MaxTapes> fitas{};

    std::span<const std::int16_t> tapes() const
    {
        return std::span(fitas).first(
            static_cast<std::size_t>(clampCount(numFitas, ActorRecord::MaxTapes)));
    }
};

// Records indexed by code, slot 0 unused; a code outside the file reads as a blank record.
template <class T>
class Table {
public:
    const T& operator[](std::int32_t n) const
    {
        return n >= 1 && n < static_cast<std::int32_t>(m_rows.size())
                   ? m_rows[static_cast<std::size_t>(n)]
                   : m_blank;
    }
    T& at(std::int32_t n)
    {
        if (static_cast<std::size_t>(n) >= m_rows.size()) {
            m_rows.resize(static_cast<std::size_t>(n) + 1);
        }
        return m_rows[static_cast<std::size_t>(n)];
    }
    std::int32_t count() const { return std::max<std::int32_t>(0, std::ssize(m_rows) - 1); }

private:
    std::vector<T> m_rows{T{}};
    T m_blank{};
};

struct Records {
    Table<Person> clients;
    Table<Person> dependents;
    Table<Tape> tapes;
    Table<Actor> actors;
    Table<Presence> distributors;
    Table<Presence> products;
    Table<std::uint8_t> labels; // 1: the record is there
    Table<std::uint8_t> media;
    int sections = 0;
};

Records readRecords(const RecordStore& store);

template <class T>
Presence presence(const T& record)
{
    return !record.present ? Absent : record.deleted ? Deleted : Live;
}

std::string n(std::int32_t value);
// "cliente 3" or "dependente 3", as a tape or a list names the person.
std::string person(bool holder, std::int32_t code);
std::string capitalised(std::string text);

// The deleted-record lists against the marks, and the history numbers persons hold.
void auditRecordLists(const RecordStore& store, const Records& records,
                      std::vector<AuditFinding>& findings);

} // namespace audit
} // namespace tavolim::core
