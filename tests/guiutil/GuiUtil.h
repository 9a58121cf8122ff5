// Helpers of every Windows GUI test: child processes, the working directory, screenshots of
// windows and a message pump.
#pragma once

#include <windows.h>

#include <string>

// Runs a command line, standard output into outFile (and standard error into errFile when one
// is given); the exit code, or -1 when it did not start. The child starts in dir when one is
// given.
int RunProcess(const std::string& commandLine, const std::string& outFile,
               const std::string& dir = std::string(), const std::string& errFile = std::string());

// A program started by a test, its window driven from outside. Whatever still runs when the
// object goes is ended, so that a failed test leaves no program behind.
class CProgram {
public:
    // The child starts in dir when one is given; Started() tells whether it runs.
    explicit CProgram(const std::string& commandLine, const std::string& dir = std::string());
    ~CProgram();
    CProgram(const CProgram&) = delete;
    CProgram& operator=(const CProgram&) = delete;

    bool Started() const { return started; }
    DWORD Id() const { return pi.dwProcessId; }
    // Whether it ended within ms milliseconds.
    bool WaitEnd(DWORD ms) const;
    // Its exit code once ended (STILL_ACTIVE while it runs).
    DWORD ExitCode() const;

private:
    PROCESS_INFORMATION pi = {};
    bool started = false;
};

// Directory of this process's working directory as a Windows path with a trailing backslash.
std::string WorkDir();

// Saves what the screen shows of the window as screenshots/NAME.png in the working directory.
bool SaveScreenshot(HWND window, const std::string& name);
bool SaveScreenRect(const RECT& rect, const std::string& name);
// Lets posted messages and paints through for about ms milliseconds.
void Pump(DWORD ms);

// A dialog's client size, and a control's rectangle (x, y, width, height), in dialog units.
SIZE DialogUnits(HWND dialog);
RECT ItemUnits(HWND dialog, int id);
// Expects the control at these dialog units, to a unit's rounding.
void ExpectUnits(HWND dialog, int id, int x, int y, int w, int h);
