#pragma once

namespace zarvik3 {

// The main window's controls and menu commands. 1 and 2 stay free: the dialog keys send
// them for Enter and Escape.
enum ControlId : int {
    kLabel1 = 100,
    kFromBox,
    kBtPath,
    kLabel6,
    kToFolder,
    kBtPath2,
    kSubBox,
    kLabel2,
    kEdFile,
    kLabel5,
    kEdPrev,
    kBtCopy,
    kLabel4,
    kDTPicker1,
    kLbWeekday,
    kLbTime,
    kListBox1,
    kLblNumberFound,
    kLabel7,
    kFile1 = 200,
    kClear1,
    kAbort1,
    kDelete1,
    kDelete2,
    kSamePath1,
    kAbout1,
};

}  // namespace zarvik3
