#pragma once

class QDialog;
class QDialogButtonBox;

namespace tavolim::app {

// The "OK" (default, cmdOK) and "Cancelar" (cmdCancelar) row of a dialog, wired to its
// accept() and reject().
QDialogButtonBox* okCancelButtons(QDialog* dialog);

} // namespace tavolim::app
