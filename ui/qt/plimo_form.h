#pragma once

#include <QMainWindow>
#include <QPointer>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "text/locale_date_settings.h"
#include "window/plimo_window.h"
#include "window/process_values.h"
#include "window/window_view.h"

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

// The main window's Qt face: its widgets, shown to the window's behaviour as its view, and
// each widget event forwarded to the handler of that name.
class TPlimoForm : public QMainWindow, public WindowView {
    Q_OBJECT

  public:
    // programFolder: the native program folder, which decides where the settings live;
    // empty for the program file's own folder.
    TPlimoForm(Platform& platform, ProcessValues& values, const LocaleDateSettings& locale,
               MessageSink& messages, NativePath programFolder = {}, QWidget* parent = nullptr);
    ~TPlimoForm() override;

    // The About window the application created; "&About" recreates it when it is gone.
    void SetAboutBoxer(TAboutBoxer* aboutBoxer);
    PlimoWindow& Behaviour() { return window_; }

    std::string FromText() override;
    void SetFromText(const std::string& text) override;
    std::string ToText() override;
    void SetToText(const std::string& text) override;
    std::vector<std::string> FromList() override;
    void SetFromList(const std::vector<std::string>& items) override;
    std::vector<std::string> ToList() override;
    void SetToList(const std::vector<std::string>& items) override;
    std::string MaskText() override;
    void SetMaskText(const std::string& text) override;
    std::string ExcludeText() override;
    void SetExcludeText(const std::string& text) override;
    bool IncludeSubfolders() override;
    void SetIncludeSubfolders(bool include) override;
    void ClearList() override;
    void AppendLine(const std::string& line) override;
    void AppendToLine(std::size_t row, const std::string& suffix) override;
    void ShowStatus(const std::string& text) override;
    void HideStatus() override;
    void ShowElapsed(const std::string& text) override;
    void HideElapsed() override;
    TDateTime PickerValue() override;
    void SetPickerDate(TDateTime date) override;
    void EnablePicker(bool enabled) override;
    void SetWeekdayText(const std::string& text) override;
    void SetTimeText(const std::string& text) override;
    void ShowLastCopyLabels(bool shown) override;
    WindowPlace Place() override;
    void MoveTo(int left, int top) override;
    std::vector<ScreenRect> Screens() override;
    void ProcessEvents() override;
    void CloseWindow() override;
    void ShowAbout() override;
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& message) override;
    bool AskYesNo(const std::string& question) override;
    std::optional<NativePath> ChooseFolder(const std::string& title,
                                           const NativePath& start) override;

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
    void Forward(auto* sender, auto signal, void (PlimoWindow::*handler)());

    const LocaleDateSettings& locale_;
    MessageSink& messages_;
    PlimoWindow window_;
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
