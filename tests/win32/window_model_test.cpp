// The real Win32 window against the reference model under random sequences
// of user actions, driven and read by messages: texts pasted into the edit
// fields, entries picked from the lists, the timer's tick, and the button
// clicked or pressed with the mouse. Everything the controls show is
// compared.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <stdexcept>

#include "app/win32/win32_controls.h"
#include "tests/model/model_runner.h"
#include "tests/model/reference_model.h"
#include "tests/model/window_run.h"
#include "tests/win32/window_support.h"

namespace chengxi::model {
namespace {

class Win32WindowSubject final : public Subject {
public:
    Win32WindowSubject() : fatalError_(std::make_shared<std::wstring>()), window_(options(fatalError_))
    {
        // Ticks come only from the sequence under test, never from the clock.
        KillTimer(window_.hwnd(), win32::Form1Window::kTimer1Id);
    }

    void pick(int box, std::size_t index) override { window_.pick(box + 1, static_cast<int>(index)); }
    void type(int box, std::u16string_view text) override
    {
        // As a paste over the whole text arrives.
        HWND edit = window_.edit(box + 1);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(win32::toWide(text).c_str()));
    }
    void tick() override
    {
        window_.tick();
        reportFatalError();
    }
    void click(bool byMouse) override
    {
        if (byMouse) {
            HWND button = window_.button();
            SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        } else {
            window_.click();
        }
        reportFatalError();
    }
    WindowView view() const override
    {
        WindowView view;
        for (int i = 0; i < kBoxCount; ++i) {
            const auto index = static_cast<std::size_t>(i);
            view.texts[index] = win32::fromWide(window_.text(window_.edit(i + 1)));
            for (const std::wstring& entry : window_.items(i + 1)) {
                view.lists[index].push_back(win32::fromWide(entry));
            }
        }
        view.tdsCaption = win32::fromWide(window_.caption(8));
        view.chlorineCaption = win32::fromWide(window_.caption(10));
        return view;
    }

private:
    static win32::Form1WindowOptions options(const std::shared_ptr<std::wstring>& fatalError)
    {
        win32::Form1WindowOptions options = testing::fixedClock();
        options.onFatalError = [fatalError](const ControlError& error) {
            const std::string what = error.what();
            fatalError->assign(what.begin(), what.end());
        };
        return options;
    }

    void reportFatalError() const
    {
        if (!fatalError_->empty()) {
            throw std::runtime_error("the window reported a fatal error: " +
                                     std::string(fatalError_->begin(), fatalError_->end()));
        }
    }

    std::shared_ptr<std::wstring> fatalError_;
    testing::Window window_;
};

TEST(Win32WindowRandomisedComparison, WindowAgreesWithTheModel)
{
    expectWindowAgreesWithModel(20261209, 30000, [] { return std::make_unique<Win32WindowSubject>(); },
                                ActionGenerator::Options{.mouseClicks = true, .singleLineTexts = true});
}

}  // namespace
}  // namespace chengxi::model
