#pragma once

#include <QObject>

class QMenuBar;
class QPushButton;

namespace zarvik3 {

// The keyboard side of the menu bar and the Copy button. The button and a menu command share
// a mnemonic, and Qt would take turns between them at each press: every press goes to the
// button, the window's main command; the command stays reachable through the menu bar, which
// a tap of Alt enters, the arrow keys walk and Enter runs.
class MenuKeys : public QObject {
  public:
    // Watches bar and button; lives as a child of bar.
    MenuKeys(QMenuBar& bar, QPushButton& button);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPushButton& button_;
};

}  // namespace zarvik3
