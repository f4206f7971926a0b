#include "ui/win32/folder_dialog.h"

#include <shobjidl.h>

#include "platform/win32/wide_text.h"

namespace zarvik3 {
namespace {

// Releases a COM interface on every way out.
template <typename Interface>
struct Held {
    Interface* pointer = nullptr;
    ~Held() {
        if (pointer != nullptr) pointer->Release();
    }
};

void StartAt(IFileOpenDialog& dialog, const NativePath& start) {
    if (start.Empty()) return;
    Held<IShellItem> folder;
    if (SUCCEEDED(SHCreateItemFromParsingName(Widen(start.Text()).c_str(), nullptr,
                                              IID_PPV_ARGS(&folder.pointer)))) {
        dialog.SetFolder(folder.pointer);
    }
}

}  // namespace

std::optional<NativePath> ChooseFolderDialog(HWND owner, const std::string& title,
                                             const NativePath& start) {
    Held<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&dialog.pointer)))) {
        return std::nullopt;
    }
    DWORD options = 0;
    dialog.pointer->GetOptions(&options);
    dialog.pointer->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM);
    dialog.pointer->SetTitle(Widen(title).c_str());
    StartAt(*dialog.pointer, start);
    if (FAILED(dialog.pointer->Show(owner))) return std::nullopt;  // cancelled
    Held<IShellItem> chosen;
    if (FAILED(dialog.pointer->GetResult(&chosen.pointer))) return std::nullopt;
    wchar_t* path = nullptr;
    if (FAILED(chosen.pointer->GetDisplayName(SIGDN_FILESYSPATH, &path))) return std::nullopt;
    NativePath result(Narrow(path));
    CoTaskMemFree(path);
    return result;
}

}  // namespace zarvik3
