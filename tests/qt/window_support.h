// Finding and driving the real window's widgets in tests.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMetaObject>
#include <QPushButton>
#include <QTimer>
#include <memory>
#include <ostream>

#include "app/qt/form1_window.h"

// Colours in failure messages as #aarrggbb. Declared here, where every test
// sees it, so that all of them print colours alike.
inline void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << colour.name(QColor::HexArgb).toStdString();
}

namespace chengxi::testing {

// The window with its widgets found by object name, the clock fixed.
struct Window {
    explicit Window(qt::Form1WindowOptions options = fixedClock())
        : form(std::make_unique<qt::Form1Window>(std::move(options)))
    {
    }

    static qt::Form1WindowOptions fixedClock()
    {
        qt::Form1WindowOptions options;
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

    std::unique_ptr<qt::Form1Window> form;
};

// Key presses carrying text, as an input method delivers Chinese characters.
inline void typeKeys(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

// The default locale for the lifetime of the object, as if the user had it.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale saved_;
};

}  // namespace chengxi::testing
