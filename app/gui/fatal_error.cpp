#include "app/gui/fatal_error.h"

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace chengxi::gui {

void reportFatalError(const QString& message, bool showDialog)
{
    std::fprintf(stderr, "chengxi-water: run-time error: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    if (showDialog) {
        QMessageBox::critical(nullptr, QStringLiteral("澄溪水质查询系统"),
                              QStringLiteral("运行时错误：\n%1").arg(message));
    }
    std::exit(EXIT_FAILURE);
}

}  // namespace chengxi::gui
