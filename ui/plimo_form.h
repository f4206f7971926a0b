#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <string>

#include "copy/copy_run.h"
#include "copy/copy_view.h"
#include "copy/process_values.h"
#include "platform/platform.h"
#include "settings/main_section.h"
#include "settings/settings_file.h"
#include "text/locale_date_settings.h"
#include "ui/folder_chooser.h"
#include "ui/handler_guard.h"
#include "ui/message_sink.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace zarvik3 {

class DateTimePicker;
class ResultListModel;
class TAboutBoxer;

// The main window: the folder fields, the filters, the last-copy display, the Copy button,
// the result list and the status labels. It is the copy engine's view.
class TPlimoForm : public QMainWindow, public CopyView {
    Q_OBJECT

  public:
    // programFolder: the native program folder, which decides where the settings live
    // (LocateSettingsFile); empty for the program file's own folder.
    TPlimoForm(Platform& platform, ProcessValues& values, const LocaleDateSettings& locale,
               MessageSink& messages, FolderChooser& chooser, std::string programFolder = {},
               QWidget* parent = nullptr);
    ~TPlimoForm() override;

    // The About window the application created; "&About" recreates it when it is gone.
    void SetAboutBoxer(TAboutBoxer* aboutBoxer);

    std::string FromText() override;
    std::string ToText() override;
    std::string MaskText() override;
    std::string ExcludeText() override;
    bool IncludeSubfolders() override;
    void SetFromText(const std::string& text) override;
    void ClearList() override;
    std::size_t AppendLine(const std::string& line) override;
    void MarkLastLineFailed(const std::string& suffix) override;
    void MarkLineFailed(std::size_t line, const std::string& text,
                        const std::string& suffix) override;
    std::size_t LineCount() override;
    std::size_t FailedLineCount() override;
    void ShowStatus(const std::string& text) override;
    void ShowElapsed(const std::string& text) override;
    void HideElapsed() override;
    void ShowMessage(const std::string& text) override;
    void ProcessEvents() override;
    void RecordLastCopy() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateControls(QWidget& client);
    void CreateFolderFields(QWidget& client);
    void CreateFilterFields(QWidget& client);
    void CreateLastCopyDisplay(QWidget& client);
    void CreateResultArea(QWidget& client);
    void CreateMenu();
    void SetTabOrder();
    void ConnectHandlers();
    void RunGuarded(void (TPlimoForm::*handler)());

    void FormCreate();
    void FormClose();
    void CopyClicked();
    void btCopyClick();
    void File1Click();
    void Clear1Click();
    void Abort1Click();
    void About1Click();
    void FromBoxClick();
    void FromBoxChange();
    void DTPicker1Change();
    void Delete1Click();
    void Delete2Click();
    void btPathClick();
    void btPath2Click();
    void SamePath1Click();

    // Settings file and folder histories.
    void LocateSettings(const std::string& nativeProgramFolder);
    SettingsFile OpenSettings();
    int CurrentYear();
    void LoadSettings();
    void ApplyPosition(const std::optional<WindowPosition>& saved);
    void ApplyFields(const LoadedSettings& loaded);
    MainSectionState MainState();
    void SaveSettings();
    void ShowLastCopy(const std::string& timeText);
    void ClearLastCopy();
    void DeleteEntry(QComboBox& box, const std::string& section);
    void Browse(QComboBox& field, std::string& remembered);

    Platform& platform_;
    ProcessValues& values_;
    const LocaleDateSettings& locale_;
    MessageSink& messages_;
    FolderChooser& chooser_;
    std::string programFolder_;
    std::string settingsPath_;  // folder text of the settings file
    std::string settingsFolder_;
    HandlerGuard guard_;
    CopyRun run_;
    // A run pumps events, so Copy and close can arrive while it is still on the stack.
    bool running_ = false;
    bool closePending_ = false;
    QElapsedTimer pumpClock_;
    int skippedPumps_ = 0;
    QPointer<TAboutBoxer> aboutBoxer_;

    ResultListModel* model_ = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* FromBox = nullptr;
    QPushButton* btPath = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* ToFolder = nullptr;
    QPushButton* btPath2 = nullptr;
    QCheckBox* SubBox = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* edFile = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* edPrev = nullptr;
    QPushButton* btCopy = nullptr;
    QLabel* Label4 = nullptr;
    DateTimePicker* DTPicker1 = nullptr;
    QLabel* lbWeekday = nullptr;
    QLabel* lbTime = nullptr;
    QListView* ListBox1 = nullptr;
    QLabel* lblNumberFound = nullptr;
    QLabel* Label7 = nullptr;
    QAction* File1 = nullptr;
    QAction* Clear1 = nullptr;
    QAction* Abort1 = nullptr;
    QAction* Delete1 = nullptr;
    QAction* Delete2 = nullptr;
    QAction* SamePath1 = nullptr;
    QAction* About1 = nullptr;
};

}  // namespace zarvik3
