// The controls of the main window at their designed places (96 dpi pixels; Qt scales
// them on denser screens).
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPushButton>

#include "ui/qt/date_time_picker.h"
#include "ui/qt/label_text.h"
#include "ui/qt/line_break_validator.h"
#include "ui/qt/plimo_form.h"
#include "ui/qt/result_list_model.h"

namespace zarvik3 {

namespace {

constexpr double kInitialLastCopy = 0.5508206712984247;  // 30 Dec 1899 13:13:10.906

template <typename Widget>
Widget* PlaceAt(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

// Labels size themselves to their text, like the designer's auto-sized labels.
QLabel* AddLabel(QWidget& client, const char* name, const char* text, int left, int top) {
    auto* label = new QLabel(&client);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    SetLabelText(*label, text);
    return label;
}

QComboBox* AddFolderBox(QWidget& client, const char* name, int top, const char* hint) {
    auto* box = PlaceAt(new QComboBox(&client), name, 80, top, 295, 21);
    box->setEditable(true);
    // Folder texts are typed exactly; Enter must not add them to the history list.
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setToolTip(QString::fromLatin1(hint));
    return box;
}

// Outside dialogs Qt presses a focused button with Space only; Enter presses it too here.
void PressOnEnter(QPushButton& button) {
    button.setAutoDefault(true);
}

QPushButton* AddBrowseButton(QWidget& client, const char* name, int top) {
    auto* button = PlaceAt(new QPushButton(QStringLiteral("..."), &client), name, 379, top, 25, 21);
    PressOnEnter(*button);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    return button;
}

QLineEdit* AddEdit(QWidget& client, const char* name, const char* text, int left, int width) {
    auto* edit =
        PlaceAt(new QLineEdit(QString::fromLatin1(text), &client), name, left, 54, width, 21);
    return edit;
}

}  // namespace

void TPlimoForm::CreateControls(QWidget& client) {
    CreateFolderFields(client);
    CreateFilterFields(client);
    CreateLastCopyDisplay(client);
    CreateResultArea(client);
}

void TPlimoForm::CreateFolderFields(QWidget& client) {
    Label1 = AddLabel(client, "Label1", "From Directory", 4, 4);
    FromBox = AddFolderBox(client, "FromBox", 0, "Exact path of the files to be backed up");
    btPath = AddBrowseButton(client, "btPath", 0);
    Label6 = AddLabel(client, "Label6", "To Directory", 1, 32);
    ToFolder = AddFolderBox(client, "ToFolder", 28,
                            "Drive or folder where the FromDirectory path is added");
    ToFolder->setMaxVisibleItems(12);
    btPath2 = AddBrowseButton(client, "btPath2", 28);
    RefuseLineBreaks(*FromBox->lineEdit(), messages_, "From Directory");
    RefuseLineBreaks(*ToFolder->lineEdit(), messages_, "To Directory");
}

void TPlimoForm::CreateFilterFields(QWidget& client) {
    SubBox = PlaceAt(new QCheckBox(QStringLiteral("Include Subfolders"), &client), "SubBox", 0, 57,
                     113, 17);
    SubBox->setChecked(true);
    Label2 = AddLabel(client, "Label2", "File Mask", 127, 57);
    edFile = AddEdit(client, "edFile", "*.*", 188, 50);
    Label5 = AddLabel(client, "Label5", "Prev. Strings", 267, 57);
    edPrev = AddEdit(client, "edPrev", ".~|.bak", 339, 65);
    RefuseLineBreaks(*edFile, messages_, "File Mask");
    RefuseLineBreaks(*edPrev, messages_, "Prev. Strings");
    edPrev->setToolTip(
        QStringLiteral("Files not to be backed up. Max 2 strings separated with a pipe."));
    btCopy = PlaceAt(new QPushButton(QStringLiteral("&Copy"), &client), "btCopy", 416, 44, 73, 54);
    PressOnEnter(*btCopy);
    QFont bold = btCopy->font();
    bold.setBold(true);
    btCopy->setFont(bold);
    btCopy->setIcon(QPixmap(QStringLiteral(":/zarvik3/copy_glyph.xpm")));
    btCopy->setIconSize(QSize(20, 20));
}

void TPlimoForm::CreateLastCopyDisplay(QWidget& client) {
    Label4 = AddLabel(client, "Label4", "Last Copy", 1, 81);
    DTPicker1 = PlaceAt(new DateTimePicker(locale_, &client), "DTPicker1", 80, 77, 86, 21);
    DTPicker1->SetDateTime(kInitialLastCopy);
    DTPicker1->setEnabled(false);
    lbWeekday = AddLabel(client, "lbWeekday", "lbWeekday", 179, 81);
    lbWeekday->hide();
    lbTime = AddLabel(client, "lbTime", "lbTime", 237, 81);
    lbTime->hide();
}

void TPlimoForm::CreateResultArea(QWidget& client) {
    model_ = new ResultListModel(this);
    ListBox1 = PlaceAt(new QListView(&client), "ListBox1", 0, 104, 490, 161);
    ListBox1->setModel(model_);
    // Uniform rows let the view lay out a long list without asking every row.
    ListBox1->setUniformItemSizes(true);
    ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lblNumberFound = AddLabel(client, "lblNumberFound", "Files copied...", 5, 278);
    lblNumberFound->hide();
    Label7 = AddLabel(client, "Label7", "Label7", 416, 278);
    Label7->hide();
}

}  // namespace zarvik3
