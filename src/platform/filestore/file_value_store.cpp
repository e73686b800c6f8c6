#include "platform/filestore/file_value_store.h"

#include "platform/filestore/file_access.h"
#include "platform/filestore/reg_writer.h"

namespace pultara::filestore {

namespace {

constexpr std::string_view kUserRoot = "HKEY_CURRENT_USER";

// "\Software\X" under the current user, as the file names it.
std::string FullPath(const std::string& path) {
    return NormaliseKeyPath(std::string(kUserRoot) + "\\" + path);
}

// Names and paths the file format cannot hold.
bool Writable(std::string_view text) {
    return text.find('\n') == std::string_view::npos;
}

bool IsBlank(std::string_view bytes) {
    return bytes.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

// An open key; a key opened for writing writes the file when it is closed.
class FileKey : public StoreKey {
public:
    FileKey(FileValueStore& store, std::string path, bool forWrite)
        : store_(store), path_(std::move(path)), forWrite_(forWrite) {
        store_.openWriteKeys_ += forWrite_ ? 1 : 0;
    }
    ~FileKey() override { Close(); }

    std::optional<StoredValue> Read(const std::string& name) override {
        const RegKey* key = store_.document_.Find(path_);
        const StoredValue* value = key != nullptr ? key->Find(name) : nullptr;
        return value != nullptr ? std::optional<StoredValue>(*value) : std::nullopt;
    }

    bool Write(const std::string& name, const StoredValue& value) override {
        if (!forWrite_ || closed_ || !Writable(name)) {
            return false;
        }
        store_.document_.Create(path_).Set(name, value);
        store_.unsaved_ = true;
        return true;
    }

    bool Close() override {
        if (closed_ || !forWrite_) {
            closed_ = true;
            return true;
        }
        closed_ = true;
        --store_.openWriteKeys_;
        return store_.Commit();
    }

private:
    FileValueStore& store_;
    std::string path_;
    bool forWrite_;
    bool closed_ = false;
};

FileValueStore::FileValueStore(std::filesystem::path file, Dialogs* dialogs)
    : file_(std::move(file)), dialogs_(dialogs) {}

std::unique_ptr<StoreKey> FileValueStore::OpenForRead(const std::string& path) {
    Refresh();
    std::string full = FullPath(path);
    if (document_.Find(full) == nullptr) {
        return nullptr;
    }
    return std::make_unique<FileKey>(*this, full, false);
}

std::unique_ptr<StoreKey> FileValueStore::CreateForWrite(const std::string& path) {
    if (!Writable(path) || IsReadOnlyFile(file_)) {
        return nullptr;
    }
    Refresh();
    std::string full = FullPath(path);
    document_.Create(full);
    return std::make_unique<FileKey>(*this, full, true);
}

// The file holds every key, so the copy of any key is the whole file as it
// was read.
std::optional<std::string> FileValueStore::KeepCopy(const std::string& /*path*/) {
    Refresh();
    if (!diskKnown_) {
        return std::nullopt;
    }
    if (damaged_) {
        // One copy and one box: the caller names the copy.
        if (!KeepDamagedFile()) {
            return std::nullopt;
        }
        tellPending_ = false;
        return keptAside_->string();
    }
    const std::filesystem::path copy = DamagedCopyName(file_);
    if (!ReplaceFileAtomically(copy, diskBytes_)) {
        return std::nullopt;
    }
    return copy.string();
}

// Takes the file as it is now, unless memory holds values it lacks.
void FileValueStore::Refresh() {
    if (unsaved_ || openWriteKeys_ > 0) {
        return;
    }
    FileContents contents = ReadWholeFile(file_);
    readFailed_ = contents.status == ReadStatus::Failed;
    if (readFailed_ || (diskKnown_ && contents.bytes == diskBytes_)) {
        return;  // unreadable: keep what was known; unchanged: nothing to do
    }
    ParsedFile parsed =
        contents.status == ReadStatus::Read ? ParseRegFile(contents.bytes) : ParsedFile{};
    document_ = std::move(parsed.document);
    problems_ = std::move(parsed.problems);
    diskBytes_ = std::move(contents.bytes);
    diskKnown_ = contents.status == ReadStatus::Read;
    damaged_ = !problems_.empty() && !IsBlank(diskBytes_);
}

bool FileValueStore::Commit() {
    std::string text = WriteRegFile(document_);
    if (diskKnown_ && text == diskBytes_) {
        unsaved_ = false;
        return true;
    }
    // A file that could not be read, or not kept, is never replaced.
    bool ok =
        !readFailed_ && (!damaged_ || KeepDamagedFile()) && ReplaceFileAtomically(file_, text);
    if (!ok) {
        unsaved_ = true;
        return false;
    }
    if (!leftoversRemoved_) {
        leftoversRemoved_ = true;
        RemoveLeftoverTemporaryFiles(file_);
    }
    diskBytes_ = std::move(text);
    diskKnown_ = true;
    damaged_ = false;
    unsaved_ = false;
    problems_.clear();
    TellAboutKeptFile();
    return true;
}

bool FileValueStore::KeepDamagedFile() {
    std::filesystem::path copy = DamagedCopyName(file_);
    if (!ReplaceFileAtomically(copy, diskBytes_)) {
        return false;
    }
    keptAside_ = copy;
    tellPending_ = true;
    damaged_ = false;  // kept: the next try may replace the file
    return true;
}

// Told after the new file is in place, so that a save that runs while the
// box is open finds everything settled.
void FileValueStore::TellAboutKeptFile() {
    if (!tellPending_) {
        return;
    }
    tellPending_ = false;
    if (dialogs_ != nullptr) {
        dialogs_->ShowMessage(
            "Die Datei mit den Programmeinstellungen war beschädigt. Sie wurde unverändert als \"" +
                keptAside_->string() + "\" aufbewahrt.",
            "Information", MessageIcon::Information);
    }
}

}  // namespace pultara::filestore
