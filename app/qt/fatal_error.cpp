#include "app/qt/fatal_error.h"

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "app/core/fatal_message.h"
#include "app/qt/qt_controls.h"

namespace chengxi::qt {

std::unique_ptr<QMessageBox> makeFatalErrorBox(const ControlError& error)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, toQString(kProductName),
                                             toQString(fatalErrorText(error)), QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void reportFatalError(const ControlError& error, bool showDialog)
{
    std::fprintf(stderr, "chengxi-water: run-time error: %s\n", error.what());
    std::fflush(stderr);
    if (showDialog) {
        makeFatalErrorBox(error)->exec();
    }
    std::exit(EXIT_FAILURE);
}

}  // namespace chengxi::qt
