#pragma once

#include <string>
#include <string_view>

namespace tavolim::core {

class AppState;

// The maker's page that "Tavolim na Internet" opens in the browser.
inline constexpr std::string_view kWebPage = "https://tavolim.com.br";

// "Obtendo Suporte Técnico": what to have at hand before asking for help, with this run's
// version and data folder filled in.
std::string supportText(const AppState& state);

// The lines of the about box (frmSobre) under the program's name: what it is, the version,
// the store and where its data is.
std::string aboutText(const AppState& state);

// Opens kWebPage through the launcher; when no browser takes it, says so and gives the
// address to type.
void openWebPage(AppState& state);

} // namespace tavolim::core
