#include "calendar/DayText.h"

#include "calendar/Calendar.h"
#include "platform/Clock.h"
#include "platform/Guard.h"

#include <cstring>

namespace {
const char* const kWeekdays[7] = {"日", "月", "火", "水", "木", "金", "土"};
const char kHeader[] = "今日は、%04d/%02d/%02d %s曜日です。\n";
const char kSeparator[] = "\r\n";
const char kNone[] = "\r\nなし";
const char kErrorText[] = "データファイル読み込みエラー";
const char kNoticeColon[] = "：";
constexpr unsigned kLastNoticeYear = 9999; // a header's four digits

// The label of a notice line k days ahead: 明日, 明後日, then "3日後" and on.
std::string NoticeLabel(unsigned k) {
    if (k == 1)
        return "明日";
    if (k == 2)
        return "明後日";
    return std::to_string(k) + "日後";
}

bool IsRealDate(const SYSTEMTIME& d) {
    return d.wMonth >= 1 && d.wMonth <= 12 && d.wDay >= 1 &&
           d.wDay <= DaysInMonth(d.wYear, d.wMonth);
}

// A path once in a list that several years' loads add to.
template <class T> void AddOnce(std::vector<T>* list, const T& item) {
    if (!list)
        return;
    for (const T& t : *list)
        if (t.path == item.path)
            return;
    list->push_back(item);
}

// Where the hits of one walk go: day D's names to the text, the names of day D+k to the
// notice lines of k.
struct TextParts {
    std::string* text;
    std::size_t dayNames = 0;
    std::string ahead[1 + MAX_NOTICE_DAYS];
    const unsigned* daysAhead; // k of each date walked, 0 for day D
};

void AddHit(unsigned i, const DayHit& h, void* context) {
    TextParts& t = *static_cast<TextParts*>(context);
    const unsigned k = t.daysAhead[i];
    if (k == 0) {
        *t.text += kSeparator;
        t.text->append(h.name, h.nameLength);
        ++t.dayNames;
        return;
    }
    std::string& line = t.ahead[k];
    line += kSeparator;
    line += NoticeLabel(k);
    line += kNoticeColon;
    line.append(h.name, h.nameLength);
}

bool BuildText(const char* chipText, const SYSTEMTIME& date, std::vector<SkippedFile>* skipped,
               std::vector<CutFile>* cut, bool& readAny, std::string& text) {
    char work[MEMO_WORK_SIZE];
    // The date comes from outside and its weekday is trusted; one out of range is recomputed
    // rather than read past the table.
    unsigned dow = date.wDayOfWeek;
    if (dow >= 7)
        dow = date.wMonth >= 1 && date.wMonth <= 12 ? DayOfWeek(date.wYear, date.wMonth, date.wDay)
                                                    : dow % 7;
    wsprintfA(work, kHeader, date.wYear, date.wMonth, date.wDay, kWeekdays[dow]);
    text = work;

    // The holidays are those of the current year, whatever date is shown.
    SYSTEMTIME now;
    ReadLocalTime(&now);
    CChipFiles files;
    if (!files.Load(chipText, date.wYear, now.wYear, skipped, cut))
        return false;
    readAny = files.FileCount() != 0;

    // Day D+k shows what the chip shows with the clock at D+k: the files and holidays of its
    // year. Those that day D's files give as they are walked with day D; the others are read
    // for their year, each year's files walked once for all of its days.
    SYSTEMTIME dates[1 + MAX_NOTICE_DAYS];
    unsigned daysAhead[1 + MAX_NOTICE_DAYS];
    unsigned count = 0;
    const unsigned notice = IsRealDate(date) ? files.MostNotice() : 0;
    std::uint32_t y = date.wYear, m = date.wMonth, d = date.wDay;
    for (unsigned k = 1; k <= notice; ++k) {
        NextDay(y, m, d);
        if (y > kLastNoticeYear)
            break;
        dates[count] = MakeDate(y, m, d);
        daysAhead[count++] = k;
    }
    TextParts parts;
    parts.text = &text;
    const std::size_t total = count;
    std::size_t first = 0; // of the notice days not yet walked
    {
        // Day D, and the notice days that read the same files with the same holidays.
        std::size_t same = 0;
        while (same < total && dates[same].wYear == date.wYear && now.wYear == date.wYear)
            ++same;
        SYSTEMTIME walk[1 + MAX_NOTICE_DAYS] = {date};
        unsigned ahead[1 + MAX_NOTICE_DAYS] = {0};
        for (std::size_t i = 0; i < same; ++i) {
            walk[1 + i] = dates[i];
            ahead[1 + i] = daysAhead[i];
        }
        parts.daysAhead = ahead;
        if (!files.ForEachHitOn(walk, ahead, static_cast<unsigned>(1 + same), AddHit, &parts))
            return false;
        first = same;
    }
    while (first < total) {
        const unsigned year = dates[first].wYear;
        std::size_t last = first;
        while (last < total && dates[last].wYear == year)
            ++last;
        CChipFiles other;
        std::vector<SkippedFile> otherSkipped;
        std::vector<CutFile> otherCut;
        if (!other.Load(chipText, year, year, &otherSkipped, &otherCut))
            return false;
        for (const SkippedFile& s : otherSkipped)
            AddOnce(skipped, s);
        for (const CutFile& c : otherCut)
            AddOnce(cut, c);
        readAny = readAny || other.FileCount() != 0;
        parts.daysAhead = daysAhead + first;
        if (!other.ForEachHitOn(dates + first, daysAhead + first,
                                static_cast<unsigned>(last - first), AddHit, &parts))
            return false;
        first = last;
    }
    if (parts.dayNames == 0)
        text += kNone;
    for (unsigned k = 1; k <= notice; ++k)
        text += parts.ahead[k];
    return true;
}

bool BuildTextGuarded(const char* chipText, const SYSTEMTIME& date,
                      std::vector<SkippedFile>* skipped, std::vector<CutFile>* cut, bool& readAny,
                      std::string& text) {
    KOYOMI_GUARD_BEGIN
    return BuildText(chipText, date, skipped, cut, readAny, text);
    KOYOMI_GUARD_END(false)
}
} // namespace

std::string MakeDayText(const char* chipText, const SYSTEMTIME& date,
                        std::vector<SkippedFile>* skipped, std::vector<CutFile>* cut,
                        bool* readAny) {
    // A text that could not be built whole is no answer: the error text stands instead.
    std::string text;
    bool read = false;
    const bool built =
        chipText && chipText[0] && BuildTextGuarded(chipText, date, skipped, cut, read, text);
    if (readAny)
        *readAny = read;
    if (built)
        return text;
    KOYOMI_GUARD_BEGIN
    return kErrorText;
    KOYOMI_GUARD_END(std::string())
}
