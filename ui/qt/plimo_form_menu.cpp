// The one-level menu bar and the keyboard order of the controls.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>

#include "ui/qt/date_time_picker.h"
#include "ui/qt/plimo_form.h"

namespace zarvik3 {

namespace {

QAction* AddCommand(QMenuBar& bar, const char* name, const char* caption) {
    QAction* action = bar.addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

void TPlimoForm::CreateMenu() {
    QMenuBar& bar = *menuBar();
    bar.setObjectName(QStringLiteral("MainMenu1"));
    File1 = AddCommand(bar, "File1", "&Exit");
    Clear1 = AddCommand(bar, "Clear1", "&Clear");
    Abort1 = AddCommand(bar, "Abort1", "Ca&ncel");
    Delete1 = AddCommand(bar, "Delete1", "&Delete 'FromDirectory'");
    Delete2 = AddCommand(bar, "Delete2", "Delete '&ToDirectory'");
    SamePath1 = AddCommand(bar, "SamePath1", "&Same Path");
    About1 = AddCommand(bar, "About1", "&About");
}

void TPlimoForm::SetTabOrder() {
    QWidget* const order[] = {SubBox, edFile, DTPicker1, ListBox1, FromBox,
                              edPrev, btCopy, btPath,    btPath2,  ToFolder};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    SubBox->setFocus();
}

}  // namespace zarvik3
