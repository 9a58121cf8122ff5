#include "calendar/DayText.h"

#include "calendar/Calendar.h"
#include "platform/Clock.h"
#include "platform/Guard.h"

#include <cstring>

namespace {
const char kHeader[] = "今日は、%04d/%02d/%02d %s曜日です。\n";
const char kSeparator[] = "\r\n";
const char kNone[] = "\r\nなし";
const char kErrorText[] = "データファイル読み込みエラー";
const char kNoticeColon[] = "：";

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

// Where the hits of the walks go: day D's names to the text, the names of day D+k to the
// notice lines of k.
class CTextParts : public CHitSink {
public:
    explicit CTextParts(std::string& text) : text(text), headerLength(text.size()) {}
    // The walk about to run asks about days ahead[0], ahead[1] ... (0 for day D).
    void Walking(const unsigned* ahead) {
        daysAhead = ahead;
        for (unsigned k = 0; k <= MAX_NOTICE_DAYS; ++k)
            start[k] = marked[k] = Part(k).size();
    }
    void Hit(unsigned i, const DayHit& h) override {
        const unsigned k = daysAhead[i];
        std::string& to = Part(k);
        if (k != 0 && lead[k].empty())
            lead[k] = kSeparator + NoticeLabel(k) + kNoticeColon;
        to += k == 0 ? kSeparator : lead[k].c_str();
        to.append(h.name, h.nameLength);
    }
    void Mark() override {
        for (unsigned k = 0; k <= MAX_NOTICE_DAYS; ++k)
            marked[k] = Part(k).size();
    }
    // What this walk gave before its last Mark comes again: the rest waits aside meanwhile.
    void Redo() override {
        for (unsigned k = 0; k <= MAX_NOTICE_DAYS; ++k) {
            std::string& part = Part(k);
            rest[k].assign(part, marked[k], std::string::npos);
            part.resize(start[k]);
        }
    }
    void Resume() override {
        for (unsigned k = 0; k <= MAX_NOTICE_DAYS; ++k)
            Part(k) += rest[k];
    }
    // The text whole: "なし" when day D had no name, then the notice lines by day.
    void Finish(unsigned notice) {
        if (text.size() == headerLength)
            text += kNone;
        for (unsigned k = 1; k <= notice; ++k)
            text += lines[k];
    }

private:
    std::string& Part(unsigned k) { return k == 0 ? text : lines[k]; }

    std::string& text;
    const std::size_t headerLength;
    const unsigned* daysAhead = nullptr;
    std::string lines[1 + MAX_NOTICE_DAYS], rest[1 + MAX_NOTICE_DAYS];
    std::string lead[1 + MAX_NOTICE_DAYS]; // "\r\n明日：" and so on, made once
    std::size_t start[1 + MAX_NOTICE_DAYS] = {}, marked[1 + MAX_NOTICE_DAYS] = {};
};

bool BuildText(const char* chipText, const SYSTEMTIME& date, const char* folder,
               std::vector<SkippedFile>* skipped, std::vector<CutFile>* cut, bool& readAny,
               std::string& text) {
    char work[MEMO_WORK_SIZE];
    // The date comes from outside and its weekday is trusted; one out of range is recomputed
    // where the month allows (WeekdayName takes any weekday modulo 7).
    unsigned dow = date.wDayOfWeek;
    if (dow >= 7 && date.wMonth >= 1 && date.wMonth <= 12)
        dow = DayOfWeek(date.wYear, date.wMonth, date.wDay);
    wsprintfA(work, kHeader, date.wYear, date.wMonth, date.wDay, WeekdayName(dow));
    text = work;

    // Day D+k shows what the chip shows with the clock at D+k: the files and holidays of its
    // year. Those that day D's files give are asked with day D; the others are read for their
    // year, each year's files walked once for all of its days.
    // (The holidays of day D are those of the current year, whatever date is shown.)
    SYSTEMTIME now;
    ReadLocalTime(&now);
    SYSTEMTIME dates[1 + MAX_NOTICE_DAYS] = {date};
    unsigned ahead[1 + MAX_NOTICE_DAYS] = {0};
    unsigned count = 1;
    const unsigned notice = IsRealDate(date) ? MostNoticeDays(chipText) : 0;
    SYSTEMTIME day = date;
    for (unsigned k = 1; k <= notice && AddDays(day, 1); ++k) {
        dates[count] = day;
        ahead[count++] = k;
    }
    CTextParts parts(text);
    unsigned first = 0; // of the dates not yet walked
    readAny = false;
    while (first < count) {
        // Day D with the days ahead that read its files with its holidays, or one year's days.
        const bool dayD = first == 0;
        const unsigned year = dates[first].wYear;
        const unsigned holidayYear = dayD ? now.wYear : year;
        unsigned last = first + 1;
        while (last < count && dates[last].wYear == year && year == holidayYear)
            ++last;
        CChipFiles files(folder ? folder : "");
        std::vector<SkippedFile> yearSkipped;
        std::vector<CutFile> yearCut;
        parts.Walking(ahead + first);
        if (!files.LoadAndWalk(chipText, year, holidayYear, dates + first, ahead + first,
                               last - first, parts, dayD ? skipped : &yearSkipped,
                               dayD ? cut : &yearCut))
            return false;
        AddFileNotes(yearSkipped, yearCut, skipped, cut);
        readAny = readAny || files.FileCount() != 0;
        first = last;
    }
    parts.Finish(notice);
    return true;
}

bool BuildTextGuarded(const char* chipText, const SYSTEMTIME& date, const char* folder,
                      std::vector<SkippedFile>* skipped, std::vector<CutFile>* cut, bool& readAny,
                      std::string& text) {
    KOYOMI_GUARD_BEGIN
    return BuildText(chipText, date, folder, skipped, cut, readAny, text);
    KOYOMI_GUARD_END(false)
}
} // namespace

std::string MakeDayText(const char* chipText, const SYSTEMTIME& date,
                        std::vector<SkippedFile>* skipped, std::vector<CutFile>* cut, bool* readAny,
                        const char* folder) {
    // A text that could not be built whole is no answer: the error text stands instead.
    std::string text;
    bool read = false;
    const bool built = chipText && chipText[0] &&
                       BuildTextGuarded(chipText, date, folder, skipped, cut, read, text);
    if (readAny)
        *readAny = read;
    if (built)
        return text;
    KOYOMI_GUARD_BEGIN
    return kErrorText;
    KOYOMI_GUARD_END(std::string())
}

void AddFileNotes(const std::vector<SkippedFile>& skipped, const std::vector<CutFile>& cut,
                  std::vector<SkippedFile>* toSkipped, std::vector<CutFile>* toCut) {
    for (const SkippedFile& s : skipped)
        AddOnce(toSkipped, s);
    for (const CutFile& c : cut)
        AddOnce(toCut, c);
}
