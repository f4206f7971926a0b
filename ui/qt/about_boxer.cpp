#include "ui/qt/about_boxer.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "ui/qt/bevel_panel.h"
#include "ui/qt/link_label.h"
#include "window/about_texts.h"

// The picture lives in a static library, so its resource must be registered by name.
static void InitAboutResources() {
    Q_INIT_RESOURCE(about_boxer);
}

namespace zarvik3 {

namespace {

constexpr int kClientWidth = 297;
constexpr int kClientHeight = 201;

QFont SansSerif(int pixelHeight) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A label takes at least its box and grows to the right when its text needs more room.
QLabel* PlaceLabel(QLabel* label, const char* name, const QRect& box) {
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(box);
    if (label->sizeHint().width() > box.width())
        label->resize(label->sizeHint().width(), box.height());
    return label;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& box) {
    return PlaceLabel(new QLabel(text, parent), name, box);
}

void StyleAsLink(LinkLabel* label) {
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    SetTextColour(label, QColor(0, 0, 255));
}

}  // namespace

TAboutBoxer::TAboutBoxer(QWidget* parent)
    : QDialog(parent), ownLinks_(std::make_unique<QtLinkOpener>()), links_(*ownLinks_) {
    Build();
}

TAboutBoxer::TAboutBoxer(LinkOpener& links, QWidget* parent) : QDialog(parent), links_(links) {
    Build();
}

void TAboutBoxer::Build() {
    InitAboutResources();
    SetUpWindow();
    BuildPanel();
    BuildOkButton();
    FormCreate();
}

void TAboutBoxer::SetUpWindow() {
    setObjectName(QStringLiteral("AboutBoxer"));
    setWindowTitle(QString::fromUtf8(about::kCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setSizeGripEnabled(false);
    setFont(SansSerif(11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);
}

void TAboutBoxer::ShowAbout() {
    if (!placed_) {
        CentreOnScreen();
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void TAboutBoxer::FormCreate() {
    lbEmail->setCursor(Qt::PointingHandCursor);
    lbUrl->setCursor(Qt::PointingHandCursor);
}

void TAboutBoxer::lbEmailClick() {
    links_.Open(about::EmailLink(lbEmail->text().toStdString()));
}

void TAboutBoxer::lbUrlClick() {
    links_.Open(about::WebLink(lbUrl->text().toStdString()));
}

void TAboutBoxer::OKButtonClick() {
    close();
}

void TAboutBoxer::BuildPanel() {
    Panel1 = new BevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, kClientWidth, 169);
    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(16, 8, 89, 81);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/about/boat.xpm")));
    BuildPanelTexts();
    BuildLinks();
}

void TAboutBoxer::BuildPanelTexts() {
    ProductName = new QLabel(QString::fromUtf8(about::kProductName), Panel1);
    QFont big = SansSerif(32);
    big.setBold(true);
    ProductName->setFont(big);
    PlaceLabel(ProductName, "ProductName", {137, 8, 124, 37});
    lbVersion =
        MakeLabel(Panel1, "lbVersion", QString::fromUtf8(about::kVersion), {167, 43, 53, 13});
    Label6 = MakeLabel(Panel1, "Label6", QString::fromUtf8(about::kYear), {176, 63, 24, 13});
    Copyright =
        MakeLabel(Panel1, "Copyright", QString::fromUtf8(about::kCopyright), {136, 82, 130, 13});
    Label1 = MakeLabel(Panel1, "Label1", QString::fromUtf8(about::kThanks), {134, 104, 147, 13});
    Label2 = MakeLabel(Panel1, "Label2", QString::fromUtf8(about::kThanksEnd), {134, 118, 95, 13});
    SetTextColour(Label1, QColor(128, 0, 0));
    SetTextColour(Label2, QColor(128, 0, 0));
}

void TAboutBoxer::BuildLinks() {
    lbEmail = new LinkLabel(QString::fromUtf8(about::kEmailAddress), Panel1);
    StyleAsLink(lbEmail);
    PlaceLabel(lbEmail, "lbEmail", {163, 137, 70, 13});
    lbUrl = new LinkLabel(QString::fromUtf8(about::kWebAddress), Panel1);
    StyleAsLink(lbUrl);
    PlaceLabel(lbUrl, "lbUrl", {134, 149, 134, 13});
    connect(lbEmail, &LinkLabel::clicked, this, &TAboutBoxer::lbEmailClick);
    connect(lbUrl, &LinkLabel::clicked, this, &TAboutBoxer::lbUrlClick);
}

void TAboutBoxer::BuildOkButton() {
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 176, 75, 25);
    OKButton->setDefault(true);
    OKButton->setFocus();
    connect(OKButton, &QPushButton::clicked, this, &TAboutBoxer::OKButtonClick);
}

void TAboutBoxer::CentreOnScreen() {
    const QScreen* target = parentWidget() ? parentWidget()->screen() : screen();
    if (!target) return;
    move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), target->availableGeometry())
             .topLeft());
}

}  // namespace zarvik3
