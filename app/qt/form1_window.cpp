#include "app/qt/form1_window.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <utility>

#include "app/core/colours.h"
#include "app/core/form1_layout.h"
#include "app/qt/fatal_error.h"
#include "app/qt/wide_list_combo_box.h"

namespace chengxi::qt {

namespace {

using layout::Kind;

QRect toQRect(const layout::Rect& rect)
{
    return QRect(rect.left, rect.top, rect.width, rect.height);
}

QColor toQColor(layout::Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

layout::Rgb toRgb(const QColor& colour)
{
    const QRgb rgb = colour.rgb();
    return {static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
            static_cast<std::uint8_t>(qBlue(rgb))};
}

constexpr QPalette::ColorGroup kColourGroups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

// The palettes below set only the roles they name; every other role follows
// the application's palette, and changes with it.

// The window's own: the fixed ground, which the image shows through.
QPalette groundPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, toQColor(layout::kBackground));
    return palette;
}

// A label's: the fixed ground, and the scheme's text colour where it reads on
// that ground, black where it would not (the near-white text of a dark
// scheme).
QPalette labelPalette(const QWidget& label)
{
    const QPalette scheme = QApplication::palette(&label);
    QPalette palette = groundPalette();
    for (const QPalette::ColorGroup group : kColourGroups) {
        const QColor text = toQColor(colours::labelText(toRgb(scheme.color(group, QPalette::WindowText))));
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
    }
    return palette;
}

// A combo box's or the button's: the scheme's Window set again, so that the
// window's ground does not pass down to it and it keeps the system's colours.
QPalette systemPalette(const QWidget& widget)
{
    const QPalette scheme = QApplication::palette(&widget);
    QPalette palette;
    for (const QPalette::ColorGroup group : kColourGroups) {
        palette.setBrush(group, QPalette::Window, scheme.brush(group, QPalette::Window));
    }
    return palette;
}

QFont makeFont(const layout::FontStyle& style)
{
    QFont font(toQString(style.face));
    font.setPixelSize(style.pixelHeight);
    font.setWeight(QFont::Normal);
    return font;
}

QString name(const char* ascii)
{
    return QString::fromLatin1(ascii);
}

QLabel* makeLabel(QWidget* parent, const layout::Control& entry)
{
    auto* label = new QLabel(toQString(entry.text), parent);
    label->setGeometry(toQRect(entry.rect));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(false);
    label->setAutoFillBackground(true);
    return label;
}

QComboBox* makeCombo(QWidget* parent, const layout::Control& entry)
{
    auto* combo = new WideListComboBox(parent);
    combo->setEditable(true);
    // A typed text must act exactly like a picked one: nothing completes,
    // inserts or sorts, and the edit text is read as it stands.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setEditText(toQString(entry.text));
    // The stored height is nominal; the edit field's height follows the font.
    combo->setGeometry(entry.rect.left, entry.rect.top, entry.rect.width, combo->sizeHint().height());
    return combo;
}

QPushButton* makeButton(QWidget* parent, const layout::Control& entry)
{
    auto* button = new QPushButton(toQString(entry.text), parent);
    button->setGeometry(toQRect(entry.rect));
    button->setAutoDefault(false);
    return button;
}

QLabel* makeImage(QWidget* parent, const layout::Control& entry)
{
    auto* image = new QLabel(parent);
    image->setGeometry(toQRect(entry.rect));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

// The logo for a screen of `ratio` device pixels to the pixel: the drawing
// made for that scale, pixel for pixel, or, between two scales, the next
// larger drawing scaled down to the place's device pixels.
QPixmap logoFor(qreal ratio, const layout::Control& place)
{
    const layout::LogoDrawing& drawing = layout::logoDrawingFor(ratio);
    QPixmap logo(QStringLiteral(":/assets/") + QLatin1String(drawing.file));
    const QSize pixels(qRound(place.rect.width * ratio), qRound(place.rect.height * ratio));
    if (logo.size() != pixels) {
        logo = logo.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    logo.setDevicePixelRatio(ratio);
    return logo;
}

// The window's icon in the sizes it is drawn in, for title bars, task bars
// and switchers, each at the screen's scale: at 200 % a 16 px icon is the
// 32 px drawing, and the 128 px one the 256 px drawing. Each image is read
// when asked for and not kept: the window system takes its own copy, and
// the window shows none of them itself. The sizes offered stop at 128 px:
// handing over the 256 px drawing at every scale costs the window half a
// megabyte of memory at start-up, and what shows an application that large
// (menus, software centres) takes the installed theme icon.
class AppIconEngine final : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        // The drawing of that size, else the next larger one scaled down.
        const int wanted = std::max(size.width(), size.height());
        const auto found = std::find_if(std::begin(kDrawn), std::end(kDrawn), [&](int s) { return s >= wanted; });
        const int drawn = found != std::end(kDrawn) ? *found : kDrawn[std::size(kDrawn) - 1];
        // Read as an image: a pixmap read from a file stays in the
        // application's pixmap cache.
        QImage image(QStringLiteral(":/assets/icon-%1.png").arg(drawn));
        if (image.size() != size) {
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        return QPixmap::fromImage(std::move(image));
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        // In the device's pixels, as a title bar at 200 % paints it.
        const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap image = pixmap(rect.size() * ratio, mode, state);
        image.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, image);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int size : kDrawn) {
            if (size <= kLargestOffered) {
                sizes.append(QSize(size, size));
            }
        }
        return sizes;
    }
    QIconEngine* clone() const override { return new AppIconEngine; }

private:
    static constexpr int kDrawn[] = {16, 32, 48, 64, 128, 256};
    static constexpr int kLargestOffered = 128;
};

QWidget* makeControl(QWidget* parent, const layout::Control& entry)
{
    switch (entry.kind) {
    case Kind::Label:
        return makeLabel(parent, entry);
    case Kind::ComboBox:
        return makeCombo(parent, entry);
    case Kind::Button:
        return makeButton(parent, entry);
    case Kind::Image:
        return makeImage(parent, entry);
    }
    return nullptr;
}

}  // namespace

void installFontSubstitutions()
{
    const QString song = QStringLiteral("AR PL UMing CN");
    const QString kai = QStringLiteral("AR PL UKai CN");
    QFont::insertSubstitution(QStringLiteral("宋体"), song);
    QFont::insertSubstitution(QStringLiteral("SimSun"), song);
    QFont::insertSubstitution(QStringLiteral("华文新魏"), kai);
    QFont::insertSubstitution(QStringLiteral("STXinwei"), kai);
}

Form1Window::Form1Window(Options options) : options_(std::move(options)), locale_(options_.now)
{
    installFontSubstitutions();

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(layout::kTitle));
    setWindowIcon(QIcon(new AppIconEngine));
    setFont(makeFont(layout::kWindowFont));
    setAutoFillBackground(true);
    setGeometry(toQRect(layout::kClientArea));

    for (const layout::Control& entry : layout::kControls) {
        QWidget* widget = makeControl(this, entry);
        widget->setObjectName(name(entry.name));
        if (entry.font != nullptr) {
            widget->setFont(makeFont(*entry.font));
        }
    }
    applyColours();
    Image1 = findChild<QLabel*>(QStringLiteral("Image1"));
    showLogo();
    // The captions label their boxes and figures for screen readers. Their
    // texts carry no mnemonic, so nothing shows of it.
    for (const layout::Control& entry : layout::kControls) {
        if (entry.captionOf != nullptr) {
            findChild<QLabel*>(name(entry.name))->setBuddy(findChild<QWidget*>(name(entry.captionOf)));
        }
    }
    Combo1 = findChild<QComboBox*>(QStringLiteral("Combo1"));
    Combo2 = findChild<QComboBox*>(QStringLiteral("Combo2"));
    Combo3 = findChild<QComboBox*>(QStringLiteral("Combo3"));
    Label2 = findChild<QLabel*>(QStringLiteral("Label2"));
    Label8 = findChild<QLabel*>(QStringLiteral("Label8"));
    Label10 = findChild<QLabel*>(QStringLiteral("Label10"));
    Command1 = findChild<QPushButton*>(QStringLiteral("Command1"));
    // Enter on the focused button queries, as Space does; Enter in a combo
    // box stays the box's own.
    Command1->installEventFilter(this);

    // Tab visits the focus-taking controls in the table's order; the first
    // has the focus when the window opens.
    QWidget* previous = nullptr;
    for (std::string_view focusName : layout::kTabOrder) {
        auto* widget = findChild<QWidget*>(QString::fromLatin1(focusName.data(), static_cast<qsizetype>(focusName.size())));
        if (previous == nullptr) {
            widget->setFocus();
        } else {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }

    combo1_ = std::make_unique<QtComboBox>(*Combo1);
    combo2_ = std::make_unique<QtComboBox>(*Combo2);
    combo3_ = std::make_unique<QtComboBox>(*Combo3);
    label2_ = std::make_unique<QtLabel>(*Label2);
    label8_ = std::make_unique<QtLabel>(*Label8);
    label10_ = std::make_unique<QtLabel>(*Label10);
    form_ = std::make_unique<Form1>(
        Form1Controls{*combo1_, *combo2_, *combo3_, *label2_, *label8_, *label10_, locale_});

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimer1IntervalMs);
    connect(Timer1, &QTimer::timeout, this, [this] { run(&Form1::Timer1_Timer); });
    connect(Command1, &QPushButton::clicked, this, [this] { run(&Form1::Command1_Click); });

    run(&Form1::Form_Load);
    Timer1->start();
}

Form1Window::~Form1Window() = default;

void Form1Window::applyColours()
{
    setPalette(groundPalette());
    for (const layout::Control& entry : layout::kControls) {
        QWidget& widget = *findChild<QWidget*>(name(entry.name));
        switch (entry.kind) {
        case Kind::Label:
            widget.setPalette(labelPalette(widget));
            break;
        case Kind::ComboBox:
        case Kind::Button:
            widget.setPalette(systemPalette(widget));
            break;
        case Kind::Image:
            break;
        }
    }
}

void Form1Window::showLogo()
{
    // The pixmap shown carries the scale it was chosen for.
    const qreal ratio = devicePixelRatioF();
    if (!Image1->pixmap().isNull() && Image1->pixmap().devicePixelRatio() == ratio) {
        return;
    }
    // The one drawing in use is held; the one it replaces goes.
    Image1->setPixmap(logoFor(ratio, *layout::find("Image1")));
}

void Form1Window::keepOnScreen()
{
    // Where the fixed place fits the work area of its screen, frame
    // included, the window stands there; elsewhere (a small screen at a large
    // scale) it moves just far enough to lie inside, and keeps its size.
    const QRect client = geometry();
    const QScreen* screen = QGuiApplication::screenAt(client.topLeft());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect work = screen->availableGeometry();
    const QRect outer = client.marginsAdded(windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins());
    const auto into = [](int low, int high, int workLow, int workHigh) {
        // Back from the far edge first, and never past the near one.
        int shift = high > workHigh ? workHigh - high : 0;
        if (low + shift < workLow) {
            shift = workLow - low;
        }
        return shift;
    };
    setGeometry(client.translated(into(outer.left(), outer.right(), work.left(), work.right()),
                                  into(outer.top(), outer.bottom(), work.top(), work.bottom())));
}

bool Form1Window::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (!placed_) {
            // The platform window stands now. Its frame may be known only
            // once the window manager has framed it, by the first exposure:
            // then once more.
            keepOnScreen();
            windowHandle()->installEventFilter(this);
            placed_ = true;
        }
        break;
    case QEvent::ScreenChangeInternal:
        // Another screen, maybe of another scale.
        showLogo();
        break;
    default:
        break;
    }
    const bool handled = QWidget::event(event);
    // A new application palette: a change of colour scheme. Setting the
    // widgets' own palettes raises only PaletteChange, so this does not come
    // round again.
    if (event->type() == QEvent::ApplicationPaletteChange) {
        applyColours();
    }
    return handled;
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose) {
        windowHandle()->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &Form1Window::keepOnScreen, Qt::QueuedConnection);
    }
    if (watched == Command1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Command1->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1Window::run(void (Form1::*handler)())
{
    try {
        ((*form_).*handler)();
    } catch (const ControlError& error) {
        Timer1->stop();
        if (options_.onFatalError) {
            options_.onFatalError(error);
        } else {
            reportFatalError(error);
        }
    }
}

}  // namespace chengxi::qt
