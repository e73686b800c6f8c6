#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/filestore/reg_document.h"
#include "platform/filestore/reg_parser.h"
#include "ports/dialogs.h"
#include "ports/value_store.h"

namespace pultara::filestore {

// The current user's keys in one file in the text format of a registry
// export (see file_access.h for where it lives).
//
// - Every open re-reads the file, so a second instance's saves are seen;
//   values not yet on the disk are never dropped for that.
// - Writes collect in memory; closing a written key writes the whole file
//   crash-safely, and only when its content changed. A failure is reported
//   by StoreKey::Close, and the values stay in memory for the next try.
// - A file that cannot be read completely is used as far as it can be read.
//   Before the first save replaces it, it is kept beside it under a dated
//   "-damaged-" name and the user is told once, by a message box through
//   `dialogs` (when given) and through KeptAside().
// - A read-only file is a read-only key: it is left as it is, and no key can
//   be opened for writing.
// - KeepCopy keeps the whole file under the same dated "-damaged-" name.
class FileValueStore : public ValueStore {
public:
    explicit FileValueStore(std::filesystem::path file, Dialogs* dialogs = nullptr);

    std::unique_ptr<StoreKey> OpenForRead(const std::string& path) override;
    std::unique_ptr<StoreKey> CreateForWrite(const std::string& path) override;
    std::optional<std::string> KeepCopy(const std::string& path) override;

    const std::filesystem::path& File() const { return file_; }
    // Where a damaged file was kept, once that has happened.
    const std::optional<std::filesystem::path>& KeptAside() const { return keptAside_; }
    // What could not be read at the last reading of the file.
    const std::vector<ParseProblem>& Problems() const { return problems_; }

private:
    friend class FileKey;

    void Refresh();
    bool Commit();
    bool KeepDamagedFile();
    void TellAboutKeptFile();

    std::filesystem::path file_;
    Dialogs* dialogs_;
    RegDocument document_;
    std::vector<ParseProblem> problems_;
    std::string diskBytes_;    // the file as last read or written
    bool diskKnown_ = false;   // diskBytes_ holds the file (false: no file yet)
    bool readFailed_ = false;  // the file exists but cannot be read: never replace it
    bool damaged_ = false;     // the file on the disk was not read completely
    bool unsaved_ = false;     // memory holds values the file lacks
    bool tellPending_ = false;
    bool leftoversRemoved_ = false;  // once per run, after the first save
    int openWriteKeys_ = 0;
    std::optional<std::filesystem::path> keptAside_;
};

}  // namespace pultara::filestore
