#pragma once

#include "core/state/AppState.h"
#include "core/store/RecordStore.h"
#include "support/FakeStore.h"

#include <string>
#include <tuple>

namespace tavolim::test {

// A small store to search: names in mixed case, a holder and a dependent of the same name,
// a deleted client, a tape in and a tape out with the same title.
//
// Clients:      1 "JOÃO SILVA", 2 "Maria Souza", 3 "Pedro Paulo" (deleted), 4 "Zé" (no surname)
// Dependents:   1 "joão silva" (of 1), 2 "ANA MARIA SOUZA" (of 2)
// Tapes:        1 "Matrix" (in), 2 "MATRIX" (out, with client 1), 3 "O Poderoso Chefão"
// Products:     1 "Pipoca Doce", 2 "Refrigerante" (deleted)
// Distributors: 1 "Vídeo Sul" (contact "Carlos Lima"), 2 "Lima Filmes" (no contact)
struct SearchStore : FakeStore {
    SearchStore()
    {
        using core::FileKind;
        auto& s = state.records();
        const auto client = [&](int n, const char* first, const char* surname) {
            s.client() = {};
            s.client().PrimNome = first;
            s.client().SobreNome = surname;
            s.writeRecord(FileKind::Clients, n);
        };
        client(1, "JOÃO", "SILVA");
        client(2, "Maria", "Souza");
        client(3, "Pedro", "Paulo");
        client(4, "Zé", "");
        s.readRecord(FileKind::Clients, 3, true);
        s.deleteRecord(FileKind::Clients, 3);

        const auto dependent = [&](int n, int holder, const char* first, const char* surname) {
            s.dependent() = {};
            s.dependent().Titular = static_cast<std::int16_t>(holder);
            s.dependent().PrimNome = first;
            s.dependent().SobreNome = surname;
            s.writeRecord(FileKind::Dependents, n);
        };
        dependent(1, 1, "joão", "silva");
        dependent(2, 2, "ANA", "MARIA SOUZA");

        const auto tape = [&](int n, const char* name, int renter) {
            s.tape() = {};
            s.tape().Nome = name;
            s.tape().ClienteFita = static_cast<std::int16_t>(renter);
            s.tape().ClienteTitular = renter > 0;
            s.writeRecord(FileKind::Tapes, n);
        };
        tape(1, "Matrix", 0);
        tape(2, "MATRIX", 1);
        tape(3, "O Poderoso Chefão", 0);

        for (const auto& [n, name] : {std::pair{1, "Pipoca Doce"}, {2, "Refrigerante"}}) {
            s.product() = {};
            s.product().Descricao = name;
            s.writeRecord(FileKind::Products, n);
        }
        s.readRecord(FileKind::Products, 2, true);
        s.deleteRecord(FileKind::Products, 2);

        for (const auto& [n, name, contact] :
             {std::tuple{1, "Vídeo Sul", "Carlos Lima"}, {2, "Lima Filmes", ""}}) {
            s.distributor() = {};
            s.distributor().Nome = name;
            s.distributor().Contato = contact;
            s.writeRecord(FileKind::Distributors, n);
        }
    }
};

} // namespace tavolim::test
