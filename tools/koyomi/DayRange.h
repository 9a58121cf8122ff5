// A run of days, both ends inclusive, and the walk over it that gives each day the entries a
// chip shows for it: "%year%" is the day's year and the holiday table is the one built for
// that year, as `koyomi --now D --date D` shows day D. The files are loaded once per year.
#pragma once

#include "calendar/Calendar.h"
#include "calendar/DayText.h"
#include "platform/Platform.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// The longest range a command takes: ten years and a little.
constexpr unsigned MAX_RANGE_DAYS = 3660;

class CDayWalk {
public:
    // One day's named entries in chip order; `files` is the year's loaded set (for PathOf).
    // Returning false stops the walk.
    using Visit = std::function<bool(const SYSTEMTIME& date, const CChipFiles& files,
                                     const std::vector<DayHit>& hits)>;
    // The chip's relative lines are read from folder (empty: the current folder).
    explicit CDayWalk(std::string folder = std::string()) : folder(std::move(folder)) {}

    // Visits every day of [from, to]. False when memory ran out or a visit stopped it.
    bool Run(const std::string& chip, const SYSTEMTIME& from, const SYSTEMTIME& to,
             const Visit& visit);
    // On standard error: each file that added nothing, and each cut short, once per path
    // however many years named it.
    void Warn() const;
    // Whether some year of the walk had a file to read.
    bool ReadAny() const { return readAny; }

private:
    std::string folder;
    std::vector<SkippedFile> skipped;
    std::vector<CutFile> cut;
    bool readAny = false;
};
