#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavolim::core {

class AppState;

// The login window (frmAcesso) without its widgets. The login mode finds the operator; the
// change mode sets the logged-in operator's password; the register mode appends a new
// operator at level 3. Passwords are typed twice in the last two modes.
class AccessForm {
public:
    enum class Mode { Login, ChangePassword, Register };
    enum class Outcome {
        Stay,      // the window stays open for the next entry
        Succeeded, // closes: logged in, password changed or operator registered
        Failed,    // closes with nothing done (the third wrong login)
    };

    AccessForm(AppState& state, Mode mode);

    Mode mode() const { return m_mode; }
    std::string title() const;
    // The name box shows the operator and cannot be edited when changing a password.
    std::string fixedName() const;
    // True after a first password was accepted and its confirmation is awaited.
    bool confirming() const { return m_confirming; }

    // OK pressed with the two boxes' texts; a new password is asked for again in the same
    // box.
    Outcome ok(std::string_view name, std::string_view password);
    // OK pressed in a window with a confirmation box: a new password and its repetition are
    // checked at once. Login mode ignores the confirmation.
    Outcome ok(std::string_view name, std::string_view password, std::string_view confirmation);

    // Login mode: the operator who logged in (1-based); 0 = nobody.
    int loggedIn() const { return m_loggedIn; }
    // Register mode: the new operator's index.
    int registered() const { return m_registered; }

private:
    Outcome login(std::string_view name, std::string_view password);
    Outcome newPassword(std::string_view name, std::string_view password);
    // Refusals of a new name or password before its confirmation; nullopt when acceptable.
    std::optional<Outcome> refuseNewPassword(std::string_view name, const std::string& typed);
    // Compares with the first password and stores it, appending the operator when registering.
    Outcome storeNewPassword(std::string_view name, const std::string& confirmation);

    AppState& m_state;
    Mode m_mode;
    int m_failures = 0;
    int m_loggedIn = 0;
    int m_registered = 0;
    bool m_confirming = false;
    std::string m_firstPassword;
};

} // namespace tavolim::core
