// What happens when a control operation fails: the error ends the program.
#pragma once

#include <QString>

namespace chengxi::gui {

// Writes the message to stderr, shows it in a dialog when `showDialog` is
// set, and exits with a failure status.
[[noreturn]] void reportFatalError(const QString& message, bool showDialog = true);

}  // namespace chengxi::gui
