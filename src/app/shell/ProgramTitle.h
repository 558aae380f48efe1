#pragma once

namespace tavolim::app {

// The program's title: window captions and the default message box title.
inline constexpr const char* kProgramTitle = "Tavolim";

} // namespace tavolim::app
