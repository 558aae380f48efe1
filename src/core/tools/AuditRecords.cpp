#include "core/tools/AuditRecords.h"

#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"

#include <utility>

namespace tavolim::core::audit {
namespace {

template <class R>
void readPerson(Person& p, const R& r)
{
    p.present = r.Codigo != 0;
    p.deleted = isDeletedName(r.PrimNome);
    p.numFitas = r.NumFitas;
    p.fitas = r.Fitas;
    p.pago = r.ValorPago;
    p.devido = r.ValorDevido;
    p.regHistFita = r.RegHistFita;
    p.regHistProd = r.RegHistProd;
}

// Decodes a record's numbers and, of its texts, only whether they begin with the deleted
// mark: the audit reads no names, and converting them would be most of its time.
class MarkOnlyDecoder : public RecordDecoder {
public:
    explicit MarkOnlyDecoder(std::span<const std::uint8_t> bytes)
        : RecordDecoder(bytes), m_bytes(bytes)
    {
    }
    using RecordDecoder::array;
    using RecordDecoder::field;

    void text(std::string_view, std::size_t offset, std::size_t, std::string& value)
    {
        value.assign(offset < m_bytes.size() && m_bytes[offset] == '#' ? "#" : "");
    }
    template <std::size_t N>
    void textArray(std::string_view, std::size_t, std::size_t, std::array<std::string, N>&)
    {
    }

private:
    std::span<const std::uint8_t> m_bytes;
};

template <class R, class F>
void scanNumbers(const RecordStore& store, FileKind kind, F&& f)
{
    R record;
    store.scanRaw(kind, [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
        MarkOnlyDecoder decoder(bytes);
        R::fields(record, decoder);
        f(n, std::as_const(record));
    });
}

} // namespace

Records readRecords(const RecordStore& store)
{
    Records files;
    scanNumbers<ClientRecord>(store, FileKind::Clients, [&](std::int32_t c, const ClientRecord& r) {
        Person& p = files.clients.at(c);
        readPerson(p, r);
        p.numDep = r.NumDep;
        p.dep = r.Dep;
    });
    scanNumbers<DependentRecord>(store, FileKind::Dependents,
                                 [&](std::int32_t d, const DependentRecord& r) {
                                     Person& p = files.dependents.at(d);
                                     readPerson(p, r);
                                     p.titular = r.Titular;
                                 });
    scanNumbers<TapeRecord>(store, FileKind::Tapes, [&](std::int32_t t, const TapeRecord& r) {
        Tape& tape = files.tapes.at(t);
        tape.present = r.Codigo != 0;
        tape.deleted = isDeletedName(r.Nome);
        tape.secao = r.Secao;
        tape.selo = r.Selo;
        tape.midia = r.Midia;
        tape.distribuidor = r.Distribuidor;
        tape.diretor = r.Diretor;
        tape.numAtores = r.NumAtores;
        tape.atores = r.Atores;
        tape.clienteFita = r.ClienteFita;
        tape.titular = r.ClienteTitular;
        tape.dataRetirada = r.DataRetirada;
        // The return keeps QtdLocadas and ValorLocacao, as the last rental's.
        tape.rentalFields = r.ClienteTitular || r.DataRetirada != 0 || r.HoraRetirada != 0 ||
                            r.Dias != 0 || r.Brinde || r.DataBase != 0 || r.DiasBase != 0 ||
                            r.QtdBase != 0 || r.AcertoQtd != 0 || !r.AcertoValor.isZero();
        tape.numReservas = r.NumReservas;
        tape.reservaCliente = r.ReservaCliente;
        tape.reservaTitular = r.ReservaTitular;
    });
    scanNumbers<ActorRecord>(store, FileKind::Actors, [&](std::int32_t a, const ActorRecord& r) {
        Actor& actor = files.actors.at(a);
        actor.present = r.Codigo != 0;
        actor.numFitas = r.NumFitas;
        actor.fitas = r.Fitas;
    });
    scanNumbers<DistributorRecord>(store, FileKind::Distributors,
                                   [&](std::int32_t d, const DistributorRecord& r) {
                                       files.distributors.at(d) = r.Codigo == 0           ? Absent
                                                                  : isDeletedName(r.Nome) ? Deleted
                                                                                          : Live;
                                   });
    store.scanRaw(FileKind::Products, [&](std::int32_t p, std::span<const std::uint8_t> b) {
        const auto& info = fileKindInfo(FileKind::Products);
        files.products.at(p) = b[0] == 0 && b[1] == 0      ? Absent
                               : b[info.nameOffset] == '#' ? Deleted
                                                           : Live;
    });
    store.scanRaw(FileKind::Labels, [&](std::int32_t l, std::span<const std::uint8_t> b) {
        files.labels.at(l) = b[0] != 0 || b[1] != 0;
    });
    store.scanRaw(FileKind::Media, [&](std::int32_t m, std::span<const std::uint8_t> b) {
        files.media.at(m) = b[0] != 0 || b[1] != 0;
    });
    files.sections = store.load<GeneralRulesRecord>(1).sectionCount();
    return files;
}

std::string n(std::int32_t value)
{
    return std::to_string(value);
}

// "cliente 3" or "dependente 3", as a tape or a list names the person.
std::string person(bool holder, std::int32_t code)
{
    return (holder ? "cliente " : "dependente ") + n(code);
}

std::string capitalised(std::string text)
{
    text.front() = static_cast<char>(text.front() - 'a' + 'A');
    return text;
}

} // namespace tavolim::core::audit
