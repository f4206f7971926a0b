#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace zarvik3::test {

// A file system that passes every call to another one, except where a hook says otherwise.
// Every hook is empty by default, which means pass-through.
class FaultyFileSystem : public FileSystem {
  public:
    explicit FaultyFileSystem(FileSystem& inner) : inner_(inner) {}

    // The failure a full disk gives.
    static CopyOutcome DiskFull() { return {false, "No space left on device"}; }

    // The reason the system gives for a folder it refuses to open.
    static std::string AccessDenied() { return "Permission denied"; }
    static std::string InputOutputError() { return "Input/output error"; }

    // True: FindFirst(pattern) fails as if the folder could not be opened (AccessDenied).
    std::function<bool(const std::string& pattern)> failFindFirst;
    // A value: the enumeration of pattern delivers that many entries, then fails to read
    // further (InputOutputError).
    std::function<std::optional<int>(const std::string& pattern)> failReadingAfter;
    // Applied to every entry an enumeration delivers; false drops the entry.
    std::function<bool(DirEntry& entry)> transformEntry;
    // A value replaces FileAge(path); nullopt passes through.
    std::function<std::optional<FileStamp>(const std::string& path)> fileAge;
    // A value replaces DirectoryExists(path); nullopt passes through.
    std::function<std::optional<bool>(const std::string& path)> directoryExists;
    // True: CreateDirectory(path) fails without creating anything.
    std::function<bool(const std::string& path)> failCreateDirectory;
    // A value replaces the copy, which then does not happen; nullopt copies for real.
    std::function<std::optional<CopyOutcome>(const std::string& source,
                                             const std::string& destination)>
        copyFile;
    // Set: each copy that succeeds is reported staged, and named when the next copy starts or
    // at Flush, with the hook's outcome (nullopt: named).
    std::function<std::optional<CopyOutcome>(const std::string& destination)> nameOutcome;
    // Set: each copy's progress answers as the caller's for this many KeepGoing calls, then
    // says stop.
    std::optional<int> stopCopyAfterKeepGoing;

    // Calls made, for tests that count them.
    int findFirstCalls = 0;
    int copyFileCalls = 0;
    int createDirectoryCalls = 0;

    using FileSystem::FindFirst;
    std::unique_ptr<DirEnumeration> FindFirst(const std::string& pattern, std::uint32_t filter,
                                              EntryDetail detail, std::string& failure) override {
        ++findFirstCalls;
        if (failFindFirst && failFindFirst(pattern)) {
            failure = AccessDenied();
            return nullptr;
        }
        auto inner = inner_.FindFirst(pattern, filter, detail, failure);
        const std::optional<int> readable =
            failReadingAfter ? failReadingAfter(pattern) : std::nullopt;
        if (!readable && (!inner || !transformEntry)) return inner;
        auto wrapped = std::make_unique<TransformingEnumeration>(
            std::move(inner), transformEntry ? transformEntry : [](DirEntry&) { return true; },
            readable);
        // Like the real one, an enumeration with nothing to deliver does not open.
        if (wrapped->Prime()) return wrapped;
        failure = wrapped->ReadError();
        return nullptr;
    }

    FileStamp FileAge(const std::string& path) override {
        if (fileAge) {
            if (const auto age = fileAge(path)) return *age;
        }
        return inner_.FileAge(path);
    }

    bool DirectoryExists(const std::string& path) override {
        if (directoryExists) {
            if (const auto exists = directoryExists(path)) return *exists;
        }
        return inner_.DirectoryExists(path);
    }

    DestinationState StateOf(const std::string& path) override {
        // Built on FileAge, so that its hook applies.
        return fileAge ? FileSystem::StateOf(path) : inner_.StateOf(path);
    }

    CopyOutcome CreateDirectory(const std::string& path, const std::string& like) override {
        ++createDirectoryCalls;
        if (failCreateDirectory && failCreateDirectory(path)) return DiskFull();
        return inner_.CreateDirectory(path, like);
    }

    void SweepLeftovers(const std::string& folder) override { inner_.SweepLeftovers(folder); }
    void EnterFolder(const std::string& folder) override { inner_.EnterFolder(folder); }
    bool MarkOutdated(const std::string& path) override { return inner_.MarkOutdated(path); }
    std::unique_ptr<FileReader> OpenRead(const std::string& path, ReadFrom from,
                                         std::string& failure) override {
        return inner_.OpenRead(path, from, failure);
    }
    CopyOutcome Flush() override {
        const CopyOutcome flushed = inner_.Flush();
        NameStaged();
        return flushed;
    }
    std::vector<NamedCopy> TakeNamed() override {
        std::vector<NamedCopy> inner = inner_.TakeNamed();
        if (!nameOutcome) return inner;
        return std::exchange(named_, {});
    }

    CopyOutcome CopyFile(const std::string& source, const std::string& destination,
                         CopyProgress& progress) override {
        ++copyFileCalls;
        NameStaged();
        if (copyFile) {
            if (auto outcome = copyFile(source, destination)) return *outcome;
        }
        CopyOutcome outcome;
        if (!stopCopyAfterKeepGoing) {
            outcome = inner_.CopyFile(source, destination, progress);
        } else {
            StoppingProgress stopping(progress, *stopCopyAfterKeepGoing);
            outcome = inner_.CopyFile(source, destination, stopping);
        }
        if (nameOutcome && outcome.ok) {
            outcome.staged = true;
            staged_.push_back(destination);
        }
        return outcome;
    }

    bool SameFolder(const std::string& a, const std::string& b) override {
        return inner_.SameFolder(a, b);
    }

    bool SetCurrentDirectory(const std::string& path) override {
        return inner_.SetCurrentDirectory(path);
    }

    void Refresh() override { inner_.Refresh(); }

  private:
    // Entries of another enumeration (none when it is null), passed through transformEntry,
    // up to a read failure when one is set.
    class TransformingEnumeration : public DirEnumeration {
      public:
        TransformingEnumeration(std::unique_ptr<DirEnumeration> inner,
                                std::function<bool(DirEntry&)> transform,
                                std::optional<int> readable)
            : inner_(std::move(inner)), transform_(std::move(transform)), readable_(readable) {}

        bool Prime() {
            DirEntry first;
            if (!Read(first)) return false;
            pending_ = std::move(first);
            return true;
        }
        bool Next(DirEntry& entry) override {
            if (!pending_) return Read(entry);
            entry = std::move(*pending_);
            pending_.reset();
            return true;
        }
        bool MetNoFolder() const override {
            return readError_.empty() && inner_ && inner_->MetNoFolder();
        }
        std::string ReadError() const override {
            if (!readError_.empty() || !inner_) return readError_;
            return inner_->ReadError();
        }

      private:
        bool Read(DirEntry& entry) {
            if (readable_ && (*readable_)-- <= 0) {
                readError_ = InputOutputError();
                return false;
            }
            while (inner_ && inner_->Next(entry)) {
                if (transform_(entry)) return true;
            }
            return false;
        }

        std::unique_ptr<DirEnumeration> inner_;
        std::function<bool(DirEntry&)> transform_;
        std::optional<int> readable_;
        std::string readError_;
        std::optional<DirEntry> pending_;
    };

    // Answers as the caller's progress for a number of calls, then stops the copy.
    class StoppingProgress : public CopyProgress {
      public:
        StoppingProgress(CopyProgress& inner, int allowed) : inner_(inner), left_(allowed) {}
        bool KeepGoing() override { return left_-- > 0 && inner_.KeepGoing(); }

      private:
        CopyProgress& inner_;
        int left_;
    };

    void NameStaged() {
        for (const std::string& destination : staged_) {
            named_.push_back({destination, nameOutcome(destination).value_or(CopyOutcome{})});
        }
        staged_.clear();
    }

    FileSystem& inner_;
    std::vector<std::string> staged_;
    std::vector<NamedCopy> named_;
};

}  // namespace zarvik3::test
