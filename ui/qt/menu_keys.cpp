#include "ui/qt/menu_keys.h"

#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QShortcutEvent>

namespace zarvik3 {

namespace {

// Without this hint, as in the default style here, a tap of Alt does not enter the menu bar
// and Enter does not run the highlighted command.
class AltKeyNavigationStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_MenuBar_AltKeyNavigation) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

MenuKeys::MenuKeys(QMenuBar& bar, QPushButton& button) : QObject(&bar), button_(button) {
    auto* style = new AltKeyNavigationStyle;
    style->setParent(this);
    bar.setStyle(style);
    bar.installEventFilter(this);
    button.installEventFilter(this);
}

bool MenuKeys::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::Shortcut) return false;
    const auto* shortcut = static_cast<QShortcutEvent*>(event);
    if (shortcut->key() != QKeySequence::mnemonic(button_.text())) return false;
    button_.animateClick();
    return true;
}

}  // namespace zarvik3
