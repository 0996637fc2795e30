#include "app/gui/form1_window.h"

#include <QComboBox>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "app/gui/fatal_error.h"
#include "app/gui/wide_list_combo_box.h"

namespace chengxi::gui {

namespace {

// The window's layout, in pixels of its client area.
constexpr QRect kClientArea{175, 197, 656, 282};
const QColor kBackground{192, 192, 255};

// Fonts by family and pixel size (the sizes are 14.25, 15.75, 18 and 21.75
// points at 96 dots per inch). Everything else uses the window's font.
struct FontStyle {
    const char* family;
    int pixelSize;
};
constexpr FontStyle kWindowFont{"宋体", 12};
constexpr FontStyle kBannerFont{"宋体", 29};
constexpr FontStyle kClockFont{"宋体", 24};
constexpr FontStyle kMakerFont{"华文新魏", 24};
constexpr FontStyle kButtonFont{"宋体", 19};
constexpr FontStyle kFigureFont{"宋体", 21};

struct LabelLayout {
    const char* name;
    QRect geometry;
    const char* text;
    const FontStyle* font;  // null: the window's font
    const char* buddy;      // the combo box it names for assistive technology
};

constexpr LabelLayout kLabels[] = {
    {"Label1", {144, 32, 353, 33}, "欢迎使用澄溪水质查询系统", &kBannerFont, nullptr},
    {"Label2", {192, 88, 267, 32}, "Label2", &kClockFont, nullptr},
    {"Label3", {168, 232, 321, 25}, "山东澄溪水处理设备有限公司", &kMakerFont, nullptr},
    {"Label4", {165, 152, 65, 20}, "省级", nullptr, "Combo1"},
    {"Label5", {253, 152, 65, 20}, "地级", nullptr, "Combo2"},
    {"Label6", {349, 152, 65, 20}, "县级", nullptr, "Combo3"},
    {"Label7", {544, 49, 93, 33}, "TDS值：", &kFigureFont, nullptr},
    {"Label8", {544, 97, 93, 33}, "", &kFigureFont, nullptr},
    {"Label9", {544, 144, 93, 33}, "余氯值：", &kFigureFont, nullptr},
    {"Label10", {544, 192, 93, 33}, "", &kFigureFont, nullptr},
};

struct ComboLayout {
    const char* name;
    QPoint position;
    const char* text;
};

constexpr int kComboWidth = 65;
constexpr ComboLayout kCombos[] = {
    {"Combo1", {152, 176}, "北京"},
    {"Combo2", {240, 176}, "北京"},
    {"Combo3", {336, 176}, "昌平区"},
};

constexpr QRect kCommand1Geometry{416, 168, 80, 35};
constexpr QRect kImage1Geometry{32, 8, 94, 72};

// The application's palette, marked as set so that the window's background
// colour does not pass down to the combo boxes and the button.
QPalette systemPalette()
{
    QPalette palette = QGuiApplication::palette();
    palette.setBrush(QPalette::Window, palette.window());
    return palette;
}

QFont makeFont(const FontStyle& style)
{
    QFont font(QString::fromUtf8(style.family));
    font.setPixelSize(style.pixelSize);
    font.setWeight(QFont::Normal);
    return font;
}

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QComboBox* makeCombo(QWidget* parent, const ComboLayout& entry)
{
    auto* combo = new WideListComboBox(parent);
    combo->setObjectName(text(entry.name));
    combo->setEditable(true);
    // A typed text must act exactly like a picked one: nothing completes,
    // inserts or sorts, and the edit text is read as it stands.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setPalette(systemPalette());
    combo->setEditText(text(entry.text));
    // The stored height is nominal; the edit field's height follows the font.
    combo->setGeometry(QRect(entry.position, QSize(kComboWidth, combo->sizeHint().height())));
    return combo;
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
    setWindowTitle(QStringLiteral("欢迎使用澄溪水质查询系统"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/assets/icon-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/assets/icon-16.png"), QSize(16, 16));
    setWindowIcon(icon);
    setFont(makeFont(kWindowFont));
    QPalette background = palette();
    background.setColor(QPalette::Window, kBackground);
    setPalette(background);
    setAutoFillBackground(true);
    setGeometry(kClientArea);

    QLabel* labels[std::size(kLabels)] = {};
    for (std::size_t i = 0; i < std::size(kLabels); ++i) {
        const LabelLayout& entry = kLabels[i];
        auto* label = new QLabel(text(entry.text), this);
        label->setObjectName(text(entry.name));
        label->setGeometry(entry.geometry);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(false);
        label->setAutoFillBackground(true);
        if (entry.font != nullptr) {
            label->setFont(makeFont(*entry.font));
        }
        labels[i] = label;
    }
    Label2 = labels[1];
    Label8 = labels[7];
    Label10 = labels[9];

    Combo1 = makeCombo(this, kCombos[0]);
    Combo2 = makeCombo(this, kCombos[1]);
    Combo3 = makeCombo(this, kCombos[2]);
    // The level captions label their boxes for screen readers. Their texts
    // carry no mnemonic, so nothing shows of it.
    for (std::size_t i = 0; i < std::size(kLabels); ++i) {
        if (kLabels[i].buddy != nullptr) {
            labels[i]->setBuddy(findChild<QComboBox*>(text(kLabels[i].buddy)));
        }
    }

    Command1 = new QPushButton(QStringLiteral("查询"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(kCommand1Geometry);
    Command1->setFont(makeFont(kButtonFont));
    Command1->setPalette(systemPalette());
    Command1->setAutoDefault(false);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(kImage1Geometry);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(QPixmap(QStringLiteral(":/assets/logo.jpg")));

    QWidget::setTabOrder(Combo1, Command1);
    QWidget::setTabOrder(Command1, Combo2);
    QWidget::setTabOrder(Combo2, Combo3);
    Combo1->setFocus();

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

void Form1Window::run(void (Form1::*handler)())
{
    try {
        ((*form_).*handler)();
    } catch (const ControlError& error) {
        Timer1->stop();
        const QString message = QString::fromStdString(error.what());
        if (options_.onFatalError) {
            options_.onFatalError(message);
        } else {
            reportFatalError(message);
        }
    }
}

}  // namespace chengxi::gui
