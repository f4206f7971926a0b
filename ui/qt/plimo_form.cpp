#include "ui/qt/plimo_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "ui/qt/about_boxer.h"
#include "ui/qt/date_time_picker.h"
#include "ui/qt/label_text.h"
#include "ui/qt/menu_keys.h"
#include "ui/qt/result_list_model.h"

// The glyph lives in a static library, so its resource must be registered by name.
static void InitFormResources() {
    Q_INIT_RESOURCE(ui_resources);
}

namespace zarvik3 {

namespace {

constexpr int kClientWidth = 490;
constexpr int kClientHeight = 292;

// The layout was drawn for a narrow 8-point sans; a wider system sans is stepped down
// until the designed label width holds its text again, so no caption is cut off.
QFont WindowFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(8);
    while (font.pointSizeF() > 6 &&
           QFontMetrics(font).horizontalAdvance(QStringLiteral("From Directory")) > 68) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    return font;
}

}  // namespace

TPlimoForm::TPlimoForm(Platform& platform, ProcessValues& values, const LocaleDateSettings& locale,
                       MessageSink& messages, NativePath programFolder, QWidget* parent)
    : QMainWindow(parent),
      locale_(locale),
      messages_(messages),
      window_(platform, values, locale, *this,
              programFolder.Empty()
                  ? NativePath(QCoreApplication::applicationDirPath().toStdString())
                  : std::move(programFolder)) {
    InitFormResources();
    setObjectName(QStringLiteral("PlimoForm"));
    setWindowTitle(QStringLiteral("Zarvik3 File Copy"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    CreateControls(*client);
    CreateMenu();
    new MenuKeys(*menuBar(), *btCopy);
    SetTabOrder();
    ConnectHandlers();
    // The window keeps the size of its menu bar and client area. Fixing it now, before the
    // native window exists, keeps later resizes from turning the frame position that move()
    // sets into a client-area position, and shows the window manager a fixed size at once.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    move(519, 22);
    window_.Handle(&PlimoWindow::FormCreate);
}

TPlimoForm::~TPlimoForm() = default;

void TPlimoForm::SetAboutBoxer(TAboutBoxer* aboutBoxer) {
    aboutBoxer_ = aboutBoxer;
}

void TPlimoForm::Forward(auto* sender, auto signal, void (PlimoWindow::*handler)()) {
    connect(sender, signal, this, [this, handler] { window_.Handle(handler); });
}

void TPlimoForm::ConnectHandlers() {
    connect(btCopy, &QPushButton::clicked, this, [this] {
        window_.CopyClicked();
        model_->Flush();
    });
    Forward(File1, &QAction::triggered, &PlimoWindow::File1Click);
    Forward(Clear1, &QAction::triggered, &PlimoWindow::Clear1Click);
    Forward(Abort1, &QAction::triggered, &PlimoWindow::Abort1Click);
    Forward(About1, &QAction::triggered, &PlimoWindow::About1Click);
    Forward(Delete1, &QAction::triggered, &PlimoWindow::Delete1Click);
    Forward(Delete2, &QAction::triggered, &PlimoWindow::Delete2Click);
    Forward(SamePath1, &QAction::triggered, &PlimoWindow::SamePath1Click);
    Forward(btPath, &QPushButton::clicked, &PlimoWindow::btPathClick);
    Forward(btPath2, &QPushButton::clicked, &PlimoWindow::btPath2Click);
    // textEdited, unlike editTextChanged, never reports a text the program set.
    Forward(FromBox->lineEdit(), &QLineEdit::textEdited, &PlimoWindow::FromBoxChange);
    // Leaving the field (Tab, Enter, focus out) with a text equal to a list entry would be
    // reported as a pick; only the drop-down list and the arrow keys pick.
    disconnect(FromBox->lineEdit(), &QLineEdit::editingFinished, FromBox, nullptr);
    // activated comes only from the user's picks, never from texts the program set.
    connect(FromBox, &QComboBox::activated, this, [this] {
        window_.Handle(&PlimoWindow::FromBoxClick);
        window_.Handle(&PlimoWindow::FromBoxChange);
    });
    Forward(DTPicker1, &DateTimePicker::userDateChanged, &PlimoWindow::DTPicker1Change);
    connect(model_, &ResultListModel::linesFlushed, ListBox1, &QListView::scrollToBottom);
}

void TPlimoForm::closeEvent(QCloseEvent* event) {
    event->setAccepted(window_.CloseRequested());
}

void TPlimoForm::CloseWindow() {
    close();
}

void TPlimoForm::ShowAbout() {
    if (!aboutBoxer_) aboutBoxer_ = new TAboutBoxer(this);
    aboutBoxer_->ShowAbout();
}

}  // namespace zarvik3
