#pragma once

#include "core/tools/QuietPorts.h"

namespace tavolim::bench {

using namespace tavolim::core;
using core::QuietPorts;

} // namespace tavolim::bench
