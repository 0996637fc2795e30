// The query window: the widgets of its fixed layout, bound to the window's
// logic through the control layer.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "app/core/form1.h"
#include "app/qt/qt_controls.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace chengxi::qt {

struct Form1WindowOptions {
    // The clock's time source.
    QtLocaleServices::TimeSource now = &QDateTime::currentDateTime;
    // Called with a failed control operation's error. When empty, the error
    // is reported (stderr and a dialog) and the program exits.
    std::function<void(const ControlError&)> onFatalError;
};

class Form1Window final : public QWidget {
public:
    using Options = Form1WindowOptions;

    explicit Form1Window(Options options = {});
    ~Form1Window() override;

protected:
    // Stands inside its screen's work area when first shown; follows a move
    // to a screen of another scale and a change of the application's palette
    // (a new colour scheme).
    bool event(QEvent* event) override;
    // Enter on the query button; the first exposure of the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The logo drawn for the scale of the window's screen, if another than
    // the one shown.
    void showLogo();
    // The fixed place, or the nearest place inside the screen's work area.
    void keepOnScreen();

    // The labels' text colour and the system colours of the combo boxes and
    // the button, from the application's palette; the fixed ground.
    void applyColours();

    // Runs one of the logic's handlers; a failed control operation stops the
    // timer and goes to the fatal-error handler.
    void run(void (Form1::*handler)());

    Options options_;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label10 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
    bool placed_ = false;

    std::unique_ptr<QtComboBox> combo1_;
    std::unique_ptr<QtComboBox> combo2_;
    std::unique_ptr<QtComboBox> combo3_;
    std::unique_ptr<QtLabel> label2_;
    std::unique_ptr<QtLabel> label8_;
    std::unique_ptr<QtLabel> label10_;
    QtLocaleServices locale_;
    std::unique_ptr<Form1> form_;
};

// Maps the window's font names to the Song and Kai faces installed here.
void installFontSubstitutions();

}  // namespace chengxi::qt
