// A save recorded step by step and replayed into every state a power cut may leave, and a save
// stopped at each step (a failure, natively a kill): the old or new generation whole, always.
#include "KmbBuilder.h"
#include "TestUtil.h"
#include "data/KmdEntryFile.h"
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

// Records every step of the saves it watches; refuses step `stopAt`, or with `kill` ends the
// process before it.
struct CRecorder : IFileOpObserver {
    std::vector<Op> ops;
    std::string steps; // one letter a step, R for a rename written through
    long stopAt;
    bool kill;
    explicit CRecorder(long stop = -1, bool k = false) : stopAt(stop), kill(k) {
        ObserveFileOps(this);
    }
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
        steps += e.writeThrough ? 'R' : "cwfxrsd"[e.op];
        return !stop;
    }
};

typedef std::map<std::string, std::string> Disk; // path -> bytes

// A target holding the old generation, its backup an older one, and what an interrupted save
// left beside both; the save puts an empty list in place as the editor saves.
struct CSaveCase {
    const std::string dir, target = dir + "/a.kmb", backup = dir + "/a.bak";
    const std::string older = "generation 1", old = "generation 2, longer";
    const std::string fresh = Header(0);

    explicit CSaveCase(const std::string& name) : dir(FreshDir(name)) {
        WriteBytes(target, old);
        WriteBytes(backup, older);
        WriteBytes(target + ".tmp~", "cut");
        WriteBytes(backup + ".tmp~1", "cut");
    }
    bool Save() const {
        return MakeBackup(target.c_str()) && CKmdEntryFile().Write(target.c_str());
    }
    Disk OnDisk() const {
        Disk d;
        for (const std::string& path : FilesIn(dir)) // "\\" on Windows
            d[dir + "/" + path.substr(dir.size() + 1)] = ReadBytes(path);
        return d;
    }
    // Once the save told its success only the new generation with the old as its backup will do.
    bool Sound(const Disk& d, bool succeeded) const {
        const auto at = [&d](const std::string& p) { return d.count(p) ? d.at(p) : "missing"; };
        const std::string t = at(target), b = at(backup);
        return succeeded ? t == fresh && b == old
                         : (t == old || t == fresh) && (b == older || b == old);
    }
};

// Every state a power cut after the first `done` steps may leave of the disk `before`: the data
// of each file kept or lost since its last flush; the folder's changes since it was last
// flushed (creations, renames, removals) kept or undone in any combination.
std::vector<Disk> CrashStates(const Disk& before, const std::vector<Op>& ops, std::size_t done) {
    std::vector<std::string> flushed, written; // by file
    std::map<std::string, int> names;          // as the program sees them
    const auto add = [&](const std::string& name, const std::string& bytes) {
        names[name] = static_cast<int>(flushed.size());
        flushed.push_back(bytes);
        written.push_back(bytes);
    };
    for (const auto& f : before)
        add(f.first, f.second);
    std::map<std::string, int> lasting = names; // as the disk keeps them whatever happens
    std::vector<std::pair<const Op*, int>> pending;
    const auto apply = [](std::map<std::string, int>& m, const std::pair<const Op*, int>& c) {
        m.erase(c.first->path);
        if (c.first->op != FOP_REMOVE)
            m[c.first->op == FOP_RENAME ? c.first->to : c.first->path] = c.second;
    };
    for (std::size_t i = 0; i < done; ++i) {
        const Op& o = ops[i];
        if (o.op == FOP_CREATE)
            add(o.path, "");
        const int file = names[o.path];
        if (o.op == FOP_WRITE)
            written[file] += o.bytes;
        if (o.op == FOP_FLUSH)
            flushed[file] = written[file];
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
        for (unsigned lost = 0; lost < 1u << m.size(); ++lost) {
            Disk d;
            unsigned bit = 0;
            for (const auto& n : m)
                d[n.first] = lost >> bit++ & 1 ? flushed[n.second] : written[n.second];
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

// The save stopped before step `step` (refused, or killed in a child); false if it ended first.
bool StopSaveAt(const CSaveCase& c, long step, bool kill) {
#ifndef _WIN32
    if (kill) {
        const pid_t child = fork();
        if (child == 0) {
            CRecorder r(step, true);
            c.Save();
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFSIGNALED(status);
    }
#endif
    CRecorder r(step, kill); // false here: kills go above
    const bool saved = c.Save(), stopped = static_cast<long>(r.ops.size()) > step;
    // A stale temporary that stays is no failure of the save.
    EXPECT_FALSE(saved && stopped && r.ops[step].op != FOP_REMOVE);
    return stopped;
}
} // namespace

TEST(CrashSafeSave, EveryCrashStateOfARecordedSaveHoldsWholeGenerations) {
    const CSaveCase c("crash_states");
    const Disk before = c.OnDisk();
    CRecorder r;
    ASSERT_TRUE(c.Save());
    // What an interrupted save left goes first; each file is created beside, written, flushed,
    // closed and renamed; natively the folder is flushed after each rename, on Windows each
    // rename is written through.
#ifdef _WIN32
    EXPECT_EQ("dcwfxRdcwfxR", r.steps);
#else
    EXPECT_EQ("dcwfxrsdcwfxrs", r.steps);
#endif
    EXPECT_EQ((Disk{{c.backup, c.old}, {c.target, c.fresh}}), c.OnDisk());
    EXPECT_EQ(0, UnsoundStates(c, before, r.ops));

    // The replay has teeth: without the data flushes, or with the renames left to the folder's
    // own good time, crash states lose a generation.
    std::vector<Op> unflushed, folderLeft;
    for (Op o : r.ops) {
        if (o.op != FOP_FLUSH)
            unflushed.push_back(o);
        o.writeThrough = false;
        if (o.op != FOP_FLUSH_FOLDER)
            folderLeft.push_back(o);
    }
    EXPECT_GT(UnsoundStates(c, before, unflushed), 0);
    EXPECT_GT(UnsoundStates(c, before, folderLeft), 0);
}

// Whole generations after the stop, and the next save succeeds and leaves nothing beside.
TEST(CrashSafeSave, SaveStoppedAtEachStepLeavesWholeGenerations) {
#ifdef _WIN32
    const bool kills[] = {false}; // no fork: the kills are made natively
#else
    const bool kills[] = {false, true};
#endif
    for (bool kill : kills) {
        long step = 0;
        for (;; ++step) {
            SCOPED_TRACE((kill ? "killed at step " : "failed at step ") + std::to_string(step));
            const CSaveCase c("stopped");
            if (!StopSaveAt(c, step, kill))
                break;
            EXPECT_TRUE(c.Sound(c.OnDisk(), false));
            const std::string was = ReadBytes(c.target);
            ASSERT_TRUE(c.Save());
            EXPECT_EQ((Disk{{c.backup, was}, {c.target, c.fresh}}), c.OnDisk());
        }
        EXPECT_GE(step, 12);
    }
}
