// What happens when a control operation fails: the error ends the program.
#pragma once

#include <memory>

#include "app/core/controls.h"

class QMessageBox;

namespace chengxi::qt {

// The error box, not yet shown: the user's message in Chinese under the
// product's name.
std::unique_ptr<QMessageBox> makeFatalErrorBox(const ControlError& error);

// Writes the technical sentence to stderr, shows the error box when
// `showDialog` is set, and exits with a failure status.
[[noreturn]] void reportFatalError(const ControlError& error, bool showDialog = true);

}  // namespace chengxi::qt
