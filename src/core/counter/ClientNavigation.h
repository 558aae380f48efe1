#pragma once

#include <cstdint>
#include <optional>

namespace tavolim::core {

class RecordStore;

// The situation window's moves over the client file (cmdPrimeiroCliente,
// cmdClienteAnterior, cmdProxCliente, cmdUltimoCliente). Deleted clients are passed over,
// as every walk of a file does; nullopt when there is no client that way, and the window
// stays where it is.
enum class ClientMove { First, Previous, Next, Last };

std::optional<std::int16_t> moveClient(const RecordStore& records, ClientMove move,
                                       std::int16_t from);

} // namespace tavolim::core
