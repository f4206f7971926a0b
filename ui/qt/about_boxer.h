#pragma once

#include <QDialog>
#include <memory>

#include "ui/qt/link_opener.h"

class QLabel;
class QPushButton;

namespace zarvik3 {

class BevelPanel;
class LinkLabel;

// The About window: product name, version, picture and the maker's two links. There is one
// of it; closing only hides it, so it reopens where it was left.
class TAboutBoxer : public QDialog {
    Q_OBJECT

  public:
    // Opens its links through the desktop.
    explicit TAboutBoxer(QWidget* parent = nullptr);
    explicit TAboutBoxer(LinkOpener& links, QWidget* parent = nullptr);

    // Shows the window modeless and brings it to the front; centred on the screen only the
    // first time.
    void ShowAbout();

  private slots:
    void lbEmailClick();
    void lbUrlClick();
    void OKButtonClick();

  private:
    void Build();
    void SetUpWindow();
    void FormCreate();
    void BuildPanel();
    void BuildPanelTexts();
    void BuildLinks();
    void BuildOkButton();
    void CentreOnScreen();

    BevelPanel* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* lbVersion = nullptr;
    QLabel* Copyright = nullptr;
    QPushButton* OKButton = nullptr;
    LinkLabel* lbEmail = nullptr;
    LinkLabel* lbUrl = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

    std::unique_ptr<LinkOpener> ownLinks_;
    LinkOpener& links_;
    bool placed_ = false;
};

}  // namespace zarvik3
