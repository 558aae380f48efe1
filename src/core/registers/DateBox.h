#pragma once

#include <string>
#include <string_view>

namespace tavolim::core {

// The typing rule of the registers' date boxes (txtDataNasc, txtDataInsc): the operator
// types digits only; "/", "-", "." and "," are swallowed and the box puts the "/" after the
// day and the month itself. Returns the box text after `key` is typed at its end; at most
// the ten characters of "dd/mm/yyyy".
std::string typeDateKey(std::string_view text, char key);

} // namespace tavolim::core
