#include "window_driver.h"

#include "platform/win32/wide_text.h"
#include "ui/win32/message_loop.h"

namespace zarvik3::test {
namespace {

BoxAnswerer* answerer = nullptr;

// Runs inside the box's own message loop, once the box is up.
void CALLBACK AnswerBox(HWND box, UINT, UINT_PTR timer, DWORD) {
    KillTimer(box, timer);
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);  // a message box's text
    answerer->texts.push_back(Narrow(text));
    PostMessageW(box, WM_COMMAND, answerer->button, 0);
}

LRESULT CALLBACK WatchForBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && answerer != nullptr) {
        wchar_t name[16] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), name, 16);
        if (std::wstring(name) == L"#32770")
            SetTimer(reinterpret_cast<HWND>(wParam), 1, 10, AnswerBox);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A closed window asks its thread to quit; the next window of the same test program lives on.
void ForgetQuitRequests() {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

}  // namespace

BoxAnswerer::BoxAnswerer(int button)
    : button(button),
      hook_(SetWindowsHookExW(WH_CBT, WatchForBoxes, nullptr, GetCurrentThreadId())) {
    answerer = this;
}

BoxAnswerer::~BoxAnswerer() {
    UnhookWindowsHookEx(hook_);
    answerer = nullptr;
}

void NativeWindowTest::Open() {
    ForgetQuitRequests();
    volume.MakeFolder("program");
    form = std::make_unique<TPlimoForm>(volume.Services(), values, locale,
                                        zarvik3::NativePath(volume.NativePath("program").string()));
    ShowWindow(Main(), SW_SHOWNORMAL);
    PumpWaitingMessages();
}

void NativeWindowTest::TearDown() {
    form.reset();
    ForgetQuitRequests();
}

bool NativeWindowTest::Close() {
    SendMessageW(Main(), WM_CLOSE, 0, 0);
    return !IsWindow(Main());
}

std::string NativeWindowTest::Text(int id) const {
    wchar_t text[2048] = {};
    GetWindowTextW(Item(id), text, 2048);
    return Narrow(text);
}

// The rows the list box shows, drawn from the face's lines.
std::vector<std::string> NativeWindowTest::Lines() const {
    const ResultList& shown = form->Lines();
    EXPECT_EQ(static_cast<std::size_t>(SendMessageW(Item(kListBox1), LB_GETCOUNT, 0, 0)),
              shown.Count());
    std::vector<std::string> lines;
    for (std::size_t row = 0; row < shown.Count(); ++row) lines.push_back(Narrow(shown.Line(row)));
    return lines;
}

std::vector<std::string> NativeWindowTest::Items(int comboId) const {
    std::vector<std::string> items;
    const auto count = SendMessageW(Item(comboId), CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(
            static_cast<std::size_t>(SendMessageW(Item(comboId), CB_GETLBTEXTLEN, i, 0)), L'\0');
        SendMessageW(Item(comboId), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        items.push_back(Narrow(item));
    }
    return items;
}

void NativeWindowTest::Type(int id, const std::string& text) {
    SetWindowTextW(Item(id), Widen(text).c_str());
    SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(id, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(Item(id)));
}

void NativeWindowTest::Click(int id) {
    SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(id)));
}

void NativeWindowTest::Choose(int commandId) {
    SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void NativeWindowTest::MakeSource(int count) {
    for (int i = 0; i < count; ++i) {
        volume.Write("src/f" + std::to_string(100 + i).substr(1) + ".txt", std::string(1500, 'x'));
    }
    volume.Write("src/sub/deep.txt", std::string(2500, 'x'));
}

void NativeWindowTest::FillFolders() {
    Type(kFromBox, volume.Path("src"));
    Type(kToFolder, volume.Path("dst"));
}

}  // namespace zarvik3::test
