#include "ui/plimo_form.h"

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
#include <optional>
#include <stdexcept>

#include "text/text_helpers.h"
#include "ui/about_boxer.h"
#include "ui/date_time_picker.h"
#include "ui/label_text.h"
#include "ui/menu_keys.h"
#include "ui/result_list_model.h"

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
                       MessageSink& messages, FolderChooser& chooser, std::string programFolder,
                       QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      values_(values),
      locale_(locale),
      messages_(messages),
      chooser_(chooser),
      programFolder_(std::move(programFolder)),
      guard_(messages),
      run_(*platform.fileSystem, *platform.drives, *platform.clock, *this, values, locale) {
    if (platform.conditions) run_.RefreshEachRun(*platform.conditions);
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
    RunGuarded(&TPlimoForm::FormCreate);
}

TPlimoForm::~TPlimoForm() = default;

void TPlimoForm::SetAboutBoxer(TAboutBoxer* aboutBoxer) {
    aboutBoxer_ = aboutBoxer;
}

void TPlimoForm::ConnectHandlers() {
    connect(btCopy, &QPushButton::clicked, this, &TPlimoForm::CopyClicked);
    connect(File1, &QAction::triggered, this, [this] { RunGuarded(&TPlimoForm::File1Click); });
    connect(Clear1, &QAction::triggered, this, [this] { RunGuarded(&TPlimoForm::Clear1Click); });
    connect(Abort1, &QAction::triggered, this, [this] { RunGuarded(&TPlimoForm::Abort1Click); });
    connect(About1, &QAction::triggered, this, [this] { RunGuarded(&TPlimoForm::About1Click); });
    connect(Delete1, &QAction::triggered, this, [this] { RunGuarded(&TPlimoForm::Delete1Click); });
    connect(Delete2, &QAction::triggered, this, [this] { RunGuarded(&TPlimoForm::Delete2Click); });
    connect(SamePath1, &QAction::triggered, this,
            [this] { RunGuarded(&TPlimoForm::SamePath1Click); });
    connect(btPath, &QPushButton::clicked, this, [this] { RunGuarded(&TPlimoForm::btPathClick); });
    connect(btPath2, &QPushButton::clicked, this,
            [this] { RunGuarded(&TPlimoForm::btPath2Click); });
    // textEdited, unlike editTextChanged, never reports a text the program set.
    connect(FromBox->lineEdit(), &QLineEdit::textEdited, this,
            [this] { RunGuarded(&TPlimoForm::FromBoxChange); });
    // Leaving the field (Tab, Enter, focus out) with a text equal to a list entry would be
    // reported as a pick; only the drop-down list and the arrow keys pick.
    disconnect(FromBox->lineEdit(), &QLineEdit::editingFinished, FromBox, nullptr);
    // activated comes only from the user's picks, never from texts the program sets.
    connect(FromBox, &QComboBox::activated, this, [this] {
        RunGuarded(&TPlimoForm::FromBoxClick);
        RunGuarded(&TPlimoForm::FromBoxChange);
    });
    connect(DTPicker1, &DateTimePicker::userDateChanged, this,
            [this] { RunGuarded(&TPlimoForm::DTPicker1Change); });
    connect(model_, &ResultListModel::linesFlushed, ListBox1, &QListView::scrollToBottom);
}

void TPlimoForm::RunGuarded(void (TPlimoForm::*handler)()) {
    guard_.Run([this, handler] { (this->*handler)(); });
}

void TPlimoForm::FormCreate() {
    const std::string native = programFolder_.empty()
                                   ? QCoreApplication::applicationDirPath().toStdString()
                                   : programFolder_;
    std::optional<std::string> folder = platform_.drives->ToFolderText(native);
    if (!folder) throw std::runtime_error("The program folder " + native + " is on no drive");
    EnsureTrailingBackslash(*folder);
    values_.ExeDir = *folder;
    LocateSettings(native);
    LoadSettings();
}

void TPlimoForm::FormClose() {
    SaveSettings();
}

void TPlimoForm::closeEvent(QCloseEvent* event) {
    if (running_) {
        // The walk below us still uses the window: stop it and close once it has unwound.
        closePending_ = true;
        values_.CancelRequested = true;
        event->ignore();
        return;
    }
    event->setAccepted(guard_.RunClose([this] { FormClose(); }));
}

void TPlimoForm::CopyClicked() {
    if (running_) return;  // one run at a time: a second Copy during a run is ignored
    running_ = true;
    RunGuarded(&TPlimoForm::btCopyClick);
    running_ = false;
    model_->Flush();
    if (closePending_) {
        closePending_ = false;
        close();
    }
}

void TPlimoForm::btCopyClick() {
    run_.btCopyClick();
}

void TPlimoForm::File1Click() {
    close();
}

void TPlimoForm::Clear1Click() {
    model_->Clear();
    lblNumberFound->hide();
}

void TPlimoForm::Abort1Click() {
    values_.CancelRequested = true;
}

void TPlimoForm::About1Click() {
    if (!aboutBoxer_) aboutBoxer_ = new TAboutBoxer(this);
    aboutBoxer_->ShowAbout();
}

void TPlimoForm::FromBoxClick() {
    model_->Clear();
}

void TPlimoForm::DTPicker1Change() {
    SetLabelText(*lbWeekday, WeekdayName(DTPicker1->DateTime()));
}

}  // namespace zarvik3
