#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zarvik3 {

// The texts a run takes again at each folder it enters, so that edits made during a run
// apply from the next folder on.
class LiveTexts {
  public:
    virtual ~LiveTexts() = default;

    virtual std::string ToText() = 0;
    virtual std::string ExcludeText() = 0;
};

// What a copy run tells as it goes. The run never asks anything else of its caller.
class CopyObserver : public LiveTexts {
  public:
    // The walk begins at from, the From text with its closing backslash; a cancel asked for
    // before this point no longer counts.
    virtual void WalkStarts(const std::string& from) = 0;
    // A list line for a file about to be copied or a failure; the number returned names the
    // line from then on, and no other.
    virtual std::size_t Listed(const std::string& line) = 0;
    // That line failed: suffix says why; text is the line as listed.
    virtual void Failed(std::size_t line, const std::string& text, const std::string& suffix) = 0;
    // Lets the caller handle its events; true to cancel the run.
    virtual bool Pump() = 0;

    // How a path shows in list lines: the folder text itself unless the caller speaks
    // another form.
    virtual std::string ShownPath(const std::string& folderText) { return folderText; }
    // As a file's copy or check starts (done 0) and after each of its chunks: done of its
    // size bytes.
    virtual void FileProgress(std::uint64_t /*done*/, std::uint64_t /*size*/) {}
};

}  // namespace zarvik3
