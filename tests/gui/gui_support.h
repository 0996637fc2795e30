// Finding and driving the real window's widgets in tests.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "app/gui/form1_window.h"

namespace chengxi::testing {

// The window with its widgets found by object name, the clock fixed.
struct Window {
    explicit Window(gui::Form1WindowOptions options = fixedClock())
        : form(std::make_unique<gui::Form1Window>(std::move(options)))
    {
    }

    static gui::Form1WindowOptions fixedClock()
    {
        gui::Form1WindowOptions options;
        options.now = [] { return QDateTime(QDate(2026, 12, 8), QTime(18, 53, 7)); };
        return options;
    }

    template <typename T>
    T* find(const char* name) const
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QComboBox* combo(int n) const { return find<QComboBox>(("Combo" + std::to_string(n)).c_str()); }
    QLabel* label(int n) const { return find<QLabel>(("Label" + std::to_string(n)).c_str()); }
    QTimer* timer() const { return find<QTimer>("Timer1"); }
    QPushButton* button() const { return find<QPushButton>("Command1"); }

    // One tick, as the timer delivers it.
    void tick() const { QMetaObject::invokeMethod(timer(), "timeout", Qt::DirectConnection); }
    // Typed into a combo box's edit field.
    void type(int n, const QString& text) const { combo(n)->lineEdit()->setText(text); }
    QStringList items(int n) const
    {
        QStringList result;
        for (int i = 0; i < combo(n)->count(); ++i) {
            result << combo(n)->itemText(i);
        }
        return result;
    }

    std::unique_ptr<gui::Form1Window> form;
};

}  // namespace chengxi::testing
