// The real window, offscreen, against the reference model under random
// sequences of user actions, driven and read through its widgets: texts
// typed into the edit fields, entries picked from the lists, the timer's
// tick and the button. The remembered texts do not show here; everything
// the widgets show is compared.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <memory>
#include <stdexcept>

#include "tests/qt/window_support.h"
#include "tests/model/model_runner.h"
#include "tests/model/reference_model.h"
#include "tests/model/window_run.h"

namespace chengxi::model {
namespace {

// Code unit for code unit, with no check or conversion on the way.
QString toQt(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::u16string fromQt(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

class WindowSubject final : public Subject {
public:
    WindowSubject() : fatalError_(std::make_shared<QString>()), window_(options(fatalError_))
    {
        for (int n = 1; n <= kBoxCount; ++n) {
            combos_[static_cast<std::size_t>(n - 1)] = window_.combo(n);
        }
        label8_ = window_.label(8);
        label10_ = window_.label(10);
        button_ = window_.button();
        // Ticks come only from the sequence under test, never from the clock.
        window_.timer()->stop();
    }

    void pick(int box, std::size_t index) override { combo(box).setCurrentIndex(static_cast<int>(index)); }
    void type(int box, std::u16string_view text) override { combo(box).lineEdit()->setText(toQt(text)); }
    void tick() override
    {
        window_.tick();
        reportFatalError();
    }
    void click(bool byMouse) override
    {
        if (byMouse) {
            QTest::mouseClick(button_, Qt::LeftButton);
        } else {
            button_->click();
        }
        reportFatalError();
    }
    WindowView view() const override
    {
        WindowView view;
        for (std::size_t i = 0; i < kBoxCount; ++i) {
            const QComboBox& box = *combos_[i];
            view.texts[i] = fromQt(box.lineEdit()->text());
            view.lists[i].reserve(static_cast<std::size_t>(box.count()));
            for (int entry = 0; entry < box.count(); ++entry) {
                view.lists[i].push_back(fromQt(box.itemText(entry)));
            }
        }
        view.tdsCaption = fromQt(label8_->text());
        view.chlorineCaption = fromQt(label10_->text());
        return view;
    }

private:
    static qt::Form1WindowOptions options(const std::shared_ptr<QString>& fatalError)
    {
        qt::Form1WindowOptions options = testing::Window::fixedClock();
        options.onFatalError = [fatalError](const ControlError& error) {
            *fatalError = QString::fromStdString(error.what());
        };
        return options;
    }

    QComboBox& combo(int box) { return *combos_[static_cast<std::size_t>(box)]; }

    void reportFatalError() const
    {
        if (!fatalError_->isEmpty()) {
            throw std::runtime_error("the window reported a fatal error: " + fatalError_->toStdString());
        }
    }

    std::shared_ptr<QString> fatalError_;
    testing::Window window_;
    std::array<QComboBox*, kBoxCount> combos_{};
    QLabel* label8_ = nullptr;
    QLabel* label10_ = nullptr;
    QPushButton* button_ = nullptr;
};

TEST(WindowRandomisedComparison, WindowAgreesWithTheModel)
{
    expectWindowAgreesWithModel(20261208, 100000, [] { return std::make_unique<WindowSubject>(); },
                                ActionGenerator::Options{.mouseClicks = true});
}

}  // namespace
}  // namespace chengxi::model
