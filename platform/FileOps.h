// The steps by which a file is put in place, as a test can watch them: each step is told to
// the observer before it is carried out, and the observer may refuse it, so that a test can
// record a save, replay every crash state it may leave, or stop it at any step.
#pragma once

#include <cstddef>

enum FileOp {
    FOP_CREATE,       // a fresh temporary file
    FOP_WRITE,        // bytes appended to it
    FOP_FLUSH,        // its data flushed to the disk
    FOP_CLOSE,        // closed
    FOP_RENAME,       // moved over the target
    FOP_FLUSH_FOLDER, // the folder's entries flushed (natively)
    FOP_REMOVE,       // a temporary removed
};

struct FileOpEvent {
    FileOp op;
    const char* path;  // the file; the folder for FOP_FLUSH_FOLDER; the source of a rename
    const char* to;    // FOP_RENAME: the target
    const void* bytes; // FOP_WRITE
    std::size_t size;  // FOP_WRITE
    bool writeThrough; // FOP_RENAME: lasting on the disk once it returns (Windows)
};

class IFileOpObserver {
public:
    virtual ~IFileOpObserver() = default;
    // False makes the step fail as if the system had refused it.
    virtual bool Before(const FileOpEvent& event) = 0;
};

// The observer of this process, null for none. Tests only.
void ObserveFileOps(IFileOpObserver* observer);

// Tells the observer of a step about to be taken; false when it refuses the step.
bool NoteFileOp(FileOp op, const char* path, const char* to = nullptr, const void* bytes = nullptr,
                std::size_t size = 0, bool writeThrough = false);
