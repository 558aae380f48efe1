#pragma once

#include "core/store/ActorRecord.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/FileKind.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/StoreRecord.h"
#include "core/store/TapeRecord.h"

#include <type_traits>
#include <utility>

namespace tavolim::core {

// The one in-memory record per kind, Clients to Products, that every window shares and edits
// in place.
struct CurrentRecords {
    ClientRecord client;
    DependentRecord dependent;
    TapeRecord tape;
    DistributorRecord distributor;
    LabelRecord label;
    MediaRecord media;
    ActorRecord actor;
    GeneralRulesRecord rules;
    StoreRecord store;
    ProductRecord product;
};

// The file kind a record struct belongs to (Clients to Products).
template <class R>
constexpr FileKind kindOf()
{
    if constexpr (std::is_same_v<R, ClientRecord>) {
        return FileKind::Clients;
    } else if constexpr (std::is_same_v<R, DependentRecord>) {
        return FileKind::Dependents;
    } else if constexpr (std::is_same_v<R, TapeRecord>) {
        return FileKind::Tapes;
    } else if constexpr (std::is_same_v<R, DistributorRecord>) {
        return FileKind::Distributors;
    } else if constexpr (std::is_same_v<R, LabelRecord>) {
        return FileKind::Labels;
    } else if constexpr (std::is_same_v<R, MediaRecord>) {
        return FileKind::Media;
    } else if constexpr (std::is_same_v<R, ActorRecord>) {
        return FileKind::Actors;
    } else if constexpr (std::is_same_v<R, GeneralRulesRecord>) {
        return FileKind::GeneralRules;
    } else if constexpr (std::is_same_v<R, StoreRecord>) {
        return FileKind::Store;
    } else {
        static_assert(std::is_same_v<R, ProductRecord>,
                      "not a record of a kind from Clients to Products");
        return FileKind::Products;
    }
}

// Calls f with the current record of the kind; returns false for kinds without one (11, 12).
template <class Records, class F>
bool withCurrent(Records& r, FileKind kind, F&& f)
{
    switch (kind) {
    case FileKind::Clients:
        f(r.client);
        return true;
    case FileKind::Dependents:
        f(r.dependent);
        return true;
    case FileKind::Tapes:
        f(r.tape);
        return true;
    case FileKind::Distributors:
        f(r.distributor);
        return true;
    case FileKind::Labels:
        f(r.label);
        return true;
    case FileKind::Media:
        f(r.media);
        return true;
    case FileKind::Actors:
        f(r.actor);
        return true;
    case FileKind::GeneralRules:
        f(r.rules);
        return true;
    case FileKind::Store:
        f(r.store);
        return true;
    case FileKind::Products:
        f(r.product);
        return true;
    case FileKind::TapeHistory:
    case FileKind::ProductHistory:
        return false;
    }
    return false;
}

} // namespace tavolim::core
