#pragma once

#include <chrono>

namespace tavolim::core {

class MemoStore;
class Progress;
class RecordStore;
class SynopsisStore;

// How many records the sample store gets; each count is clamped to 0..32767.
struct SampleSize {
    int clientes = 200;
    int fitas = 500;
    int produtos = 50;
};

// Fills a new store with a plausible sample, the same one every time for the same size and
// day: clients with up to three dependents each, tapes (a film often in several copies) on
// the store's own labels, media and sections, their cast with links kept from both sides,
// synopses and client notes, distributors, products with stock and prices, and the store's
// data. No tape is out; every total is consistent with that.
//
// The register files are built in memory and each written in one go, so a full-size store
// takes seconds. `memos` and `synopses` must count into store.rules(), which is read first
// and saved last.
//
// Returns false, writing nothing, when clients, dependents, tapes, actors, distributors or
// products already exist, or when tapes are asked for and the store has no label or media;
// false also when a write fails (what was written stays).
bool fillSampleStore(RecordStore& store, MemoStore& memos, SynopsisStore& synopses, SampleSize size,
                     std::chrono::year_month_day today, Progress* progress = nullptr);

} // namespace tavolim::core
