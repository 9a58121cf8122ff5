// A save, recorded step by step through the platform's observer, replayed into every state a
// power cut may leave; and a save stopped at each of its steps, by a failure there or (natively)
// by a kill. Each state must hold the target's old or new generation whole and a whole backup.
#include "TestUtil.h"
#include "calendar/KmdDataFile.h"
#include "platform/FileOps.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>
#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {
struct Op {
    FileOp op;
    std::string path, to, bytes;
    bool writeThrough;
};

// Records every step of the save it watches; refuses step `stopAt`, or kills the process
// before it when `kill` is set.
class CRecorder : public IFileOpObserver {
public:
    std::vector<Op> ops;
    long stopAt = -1;
    bool kill = false;
    CRecorder() { ObserveFileOps(this); }
    ~CRecorder() override { ObserveFileOps(nullptr); }
    bool Before(const FileOpEvent& e) override {
        const bool stop = static_cast<long>(ops.size()) == stopAt;
#ifndef _WIN32
        if (stop && kill)
            raise(SIGKILL);
#endif
        const char* bytes = static_cast<const char*>(e.bytes);
        ops.push_back({e.op, e.path, e.to ? e.to : "", bytes ? std::string(bytes, e.size) : "",
                       e.writeThrough});
        return !stop;
    }
};

// One letter a step, "R" for a rename written through.
std::string Steps(const std::vector<Op>& ops) {
    std::string s;
    for (const Op& o : ops)
        s += o.writeThrough ? 'R' : "cwfxrsd"[o.op];
    return s;
}

typedef std::map<std::string, std::string> Disk; // path -> bytes

CKmdDataFile Generation(int n) {
    CKmdDataFile file;
    for (int i = 0; i < n; ++i) {
        CKmdDate e;
        e.SetName(("第" + std::to_string(n) + "版").c_str());
        file.Add(e);
    }
    return file;
}

std::string BytesOf(int generation) {
    std::string bytes;
    Generation(generation).WriteBytes(bytes);
    return bytes;
}

// A target holding generation 2, its backup generation 1, and what an interrupted save left
// beside both; the save puts generation 3 in place, as the editor saves.
struct CSaveCase {
#ifdef _WIN32
    const char* sep = "\\";
#else
    const char* sep = "/";
#endif
    const std::string dir, target, backup, older = BytesOf(1), old = BytesOf(2), fresh = BytesOf(3);

    explicit CSaveCase(const std::string& name)
        : dir(FreshDir(name)), target(dir + sep + "a.kmb"), backup(dir + sep + "a.bak") {
        WriteBytes(target, old);
        WriteBytes(backup, older);
        WriteBytes(target + ".tmp~", "cut");
        WriteBytes(backup + ".tmp~1", "cut");
    }
    bool Save() const {
        return MakeBackup(target.c_str()) && Generation(3).Write(target.c_str());
    }
    Disk OnDisk() const {
        Disk d;
        for (const std::string& path : FilesIn(dir))
            d[path] = ReadBytes(path);
        return d;
    }
    // Once the save told its success only the new generation with the old as its backup will do.
    bool Sound(const Disk& d, bool succeeded) const {
        const auto t = d.find(target), b = d.find(backup);
        if (t == d.end() || b == d.end())
            return false;
        if (succeeded)
            return t->second == fresh && b->second == old;
        return (t->second == old || t->second == fresh) && (b->second == older || b->second == old);
    }
};

// Every state a power cut after the first `done` steps may leave of the disk `before`: data not
// flushed kept, lost or half lost, file by file; the folder's changes since it was last flushed
// (creations, renames, removals) kept or undone in any combination.
std::vector<Disk> CrashStates(const Disk& before, const std::vector<Op>& ops, std::size_t done) {
    struct File {
        std::string flushed, written;
    };
    struct Change {
        const Op* op;
        int file;
    };
    std::vector<File> files;
    std::map<std::string, int> names; // as the program sees them
    for (const auto& f : before) {
        names[f.first] = static_cast<int>(files.size());
        files.push_back({f.second, f.second});
    }
    std::map<std::string, int> lasting = names; // as the disk keeps them whatever happens
    std::vector<Change> pending;
    const auto apply = [](std::map<std::string, int>& m, const Change& c) {
        m.erase(c.op->path);
        if (c.op->op != FOP_REMOVE)
            m[c.op->op == FOP_RENAME ? c.op->to : c.op->path] = c.file;
    };
    for (std::size_t i = 0; i < done; ++i) {
        const Op& o = ops[i];
        if (o.op == FOP_CREATE)
            files.push_back({});
        const int file = o.op == FOP_CREATE ? static_cast<int>(files.size()) - 1 : names[o.path];
        if (o.op == FOP_WRITE)
            files[file].written += o.bytes;
        if (o.op == FOP_FLUSH)
            files[file].flushed = files[file].written;
        if (o.op == FOP_CREATE || o.op == FOP_RENAME || o.op == FOP_REMOVE) {
            pending.push_back({&o, file});
            apply(names, pending.back());
        }
        if (o.op == FOP_FLUSH_FOLDER || o.writeThrough) {
            lasting = names;
            pending.clear();
        }
    }
    std::vector<Disk> states;
    for (unsigned kept = 0; kept < 1u << pending.size(); ++kept) {
        std::map<std::string, int> m = lasting;
        for (std::size_t i = 0; i < pending.size(); ++i)
            if (kept >> i & 1)
                apply(m, pending[i]);
        std::size_t variants = 1;
        for (const auto& n : m)
            variants *= files[n.second].flushed == files[n.second].written ? 1 : 3;
        for (std::size_t v = 0; v < variants; ++v) {
            Disk d;
            std::size_t rest = v;
            for (const auto& n : m) {
                const File& f = files[n.second];
                std::string tail = f.written.substr(f.flushed.size());
                if (f.flushed != f.written) {
                    tail =
                        rest % 3 == 0 ? tail : tail.substr(0, rest % 3 == 1 ? 0 : tail.size() / 2);
                    rest /= 3;
                }
                d[n.first] = f.flushed + tail;
            }
            states.push_back(d);
        }
    }
    return states;
}

int UnsoundStates(const CSaveCase& c, const Disk& before, const std::vector<Op>& ops) {
    int unsound = 0;
    for (std::size_t done = 0; done <= ops.size(); ++done)
        for (const Disk& d : CrashStates(before, ops, done))
            unsound += c.Sound(d, done == ops.size()) ? 0 : 1;
    return unsound;
}

#ifndef _WIN32
// The save in a child process killed before its step `step`; false when it ended before that.
bool SaveKilledAt(const CSaveCase& c, long step) {
    const pid_t child = fork();
    if (child == 0) {
        CRecorder r;
        r.stopAt = step;
        r.kill = true;
        c.Save();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}
#endif
} // namespace

TEST(CrashSafeSave, EveryCrashStateOfARecordedSaveHoldsWholeGenerations) {
    const CSaveCase c("crash_states");
    const Disk before = c.OnDisk();
    std::vector<Op> ops;
    {
        CRecorder r;
        ASSERT_TRUE(c.Save());
        ops = r.ops;
    }
    // What an interrupted save left goes first; each file is written beside, flushed, closed
    // and renamed; natively the folder is flushed after each rename, on Windows each rename is
    // written through.
#ifdef _WIN32
    EXPECT_EQ("dcwfxR"
              "dcwfxR",
              Steps(ops));
#else
    EXPECT_EQ("dcwfxrs"
              "dcwfxrs",
              Steps(ops));
#endif
    EXPECT_EQ((Disk{{c.backup, c.old}, {c.target, c.fresh}}), c.OnDisk());
    EXPECT_EQ(0, UnsoundStates(c, before, ops));

    // The replay has teeth: without the data flushes, or with the renames left to the folder's
    // own good time, crash states lose a generation.
    std::vector<Op> unflushed, folderLeft;
    for (Op o : ops) {
        if (o.op != FOP_FLUSH)
            unflushed.push_back(o);
        o.writeThrough = false;
        if (o.op != FOP_FLUSH_FOLDER)
            folderLeft.push_back(o);
    }
    EXPECT_GT(UnsoundStates(c, before, unflushed), 0);
    EXPECT_GT(UnsoundStates(c, before, folderLeft), 0);
}

// A step that fails, or natively a kill before it: whole generations on the disk, no success
// told for a save that failed, and the next save succeeds and leaves nothing beside.
TEST(CrashSafeSave, SaveStoppedAtEachStepLeavesWholeGenerations) {
    for (bool kill : {false, true}) {
#ifdef _WIN32
        if (kill)
            continue; // no fork: the kills are made natively
#endif
        long step = 0;
        for (;; ++step) {
            SCOPED_TRACE(std::string(kill ? "killed" : "failed") + " at step " +
                         std::to_string(step));
            const CSaveCase c("stopped");
            bool stopped = false;
#ifndef _WIN32
            if (kill)
                stopped = SaveKilledAt(c, step);
#endif
            if (!kill) {
                CRecorder r;
                r.stopAt = step;
                const bool saved = c.Save();
                stopped = static_cast<long>(r.ops.size()) > step;
                // A stale temporary that stays is no failure of the save.
                if (stopped && r.ops[step].op != FOP_REMOVE) {
                    EXPECT_FALSE(saved);
                }
            }
            if (!stopped)
                break;
            EXPECT_TRUE(c.Sound(c.OnDisk(), false));
            const std::string was = ReadBytes(c.target);
            ASSERT_TRUE(c.Save());
            EXPECT_EQ((Disk{{c.backup, was}, {c.target, c.fresh}}), c.OnDisk());
        }
        EXPECT_GE(step, 12);
    }
}
