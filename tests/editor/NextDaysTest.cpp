// The edit dialog's preview line against the day-by-day definition, for random working values
// and random holiday entries of the open file: day by day from today, the days a chip lists
// the packed entry on, the chip naming the entry's file and that year's national holiday file
// (made as `koyomi holidays` makes it), are the days the line shows; values OK refuses show
// that no day can be decided.
#include "EntryEditFake.h"
#include "EntryUtil.h"
#include "TestUtil.h"
#include "calendar/Calendar.h"
#include "calendar/DayText.h"
#include "calendar/JapanHolidays.h"
#include "calendar/KmdDataFile.h"

#include <map>
#include <random>
#include <set>

namespace {
class NextDaysDefinition : public testing::Test {
protected:
    std::string dir = FreshDir("next_days");
    std::mt19937 rng{25};
    std::set<unsigned> written;

    int Pick(int from, int to) { return from + static_cast<int>(rng() % (to - from + 1)); }

    // The national holiday file of a year, as the tool writes it, once.
    void WriteNationalYear(unsigned year) {
        std::vector<JapanHoliday> days;
        if (!written.insert(year).second || !JapanHolidays(year, days))
            return;
        CKmdDataFile file;
        for (const JapanHoliday& h : days)
            file.Add(RawEntry(h.month << 4, h.day, 0, 0, DF_HOLIDAY, h.name));
        const std::string path = dir + "/holidays-" + std::to_string(year) + ".kmb";
        ASSERT_TRUE(file.Write(path.c_str()));
    }

    // The first days from `today` on on which the chip lists entry `record` of `file`.
    std::vector<SYSTEMTIME> ChipDays(const CKmdDataFile& file, int record,
                                     const SYSTEMTIME& today) {
        const std::string path = dir + "/entries.kmb";
        EXPECT_TRUE(file.Write(path.c_str()));
        const std::string chip = path + "\r\n" + dir + "/holidays-%year%.kmb";
        std::map<unsigned, CChipFiles> years;
        std::vector<SYSTEMTIME> found;
        std::uint32_t y = today.wYear, m = today.wMonth, d = today.wDay;
        for (unsigned i = 0; i < NEXT_DAYS_SPAN && found.size() < NEXT_DAYS_SHOWN;
             ++i, NextDay(y, m, d)) {
            if (!years.count(y)) {
                WriteNationalYear(y);
                years[y].Load(chip.c_str(), y, y);
            }
            // Whether the day's walk over the files meets the entry.
            struct CEntryHit : CHitSink {
                int record = 0;
                bool met = false;
                void Hit(unsigned, const DayHit& h) override {
                    met = met || (h.file == 0 && static_cast<int>(h.record) == record);
                }
            } entry;
            entry.record = record;
            const SYSTEMTIME day = MakeDate(y, m, d);
            const unsigned every = 0;
            years[y].ForEachHitOn(&day, &every, 1, entry);
            if (entry.met)
                found.push_back(day);
        }
        return found;
    }
};
} // namespace

TEST_F(NextDaysDefinition, RandomValuesShowTheDaysAChipWouldList) {
    int shown = 0, none = 0, refused = 0;
    for (int trial = 0; trial < 200; ++trial) {
        const SYSTEMTIME from = MakeDate(Pick(2024, 2040), Pick(1, 12), Pick(1, 28));
        CKmdDataFile file;
        std::vector<KmdRule> rules;
        for (int k = Pick(0, 3); k > 0; --k) {
            const CKmdDate h = RawEntry(Pick(1, 12) << 4 | Pick(1, 12), Pick(1, 31), Pick(1, 31),
                                        Pick(0, 7), Pick(0, 8) | DF_HOLIDAY | Pick(0, 7) << 5);
            file.Add(h);
            rules.push_back(h.GetRule());
        }
        CFakeEntryView v;
        CEntryEditDialog& w = v.dialog;
        w.holidays.SetRules(rules);
        w.type = Pick(0, 20) == 0 ? -1 : Pick(0, 8);
        w.odd = Pick(0, 1) == 1;
        w.month = Pick(0, 12);
        w.day = Pick(0, 5) == 0 ? 0 : Pick(1, 31);
        w.lastDay = Pick(0, 3) == 0;
        w.weekday = Pick(0, 7);
        w.week = Pick(-1, 5);
        w.holiday = Pick(0, 3);
        w.direction = Pick(0, 1);
        w.payday = Pick(0, 1);
        w.periodStartMonth = Pick(0, 12);
        w.periodStartDay = Pick(0, 31);
        w.periodEndMonth = Pick(w.periodStartMonth, 12);
        w.periodEndDay = Pick(0, 31);
        w.nameText = Pick(0, 1) ? "" : "名前"; // an empty name does not stop the preview
        const std::string line = w.PreviewText(from);

        w.nameText = "対象";
        if (!w.OnOk()) {
            EXPECT_EQ("（日付を決められません）", line) << "trial " << trial;
            ++refused;
            continue;
        }
        file.Add(w.entry);
        const std::vector<SYSTEMTIME> days = ChipDays(file, file.GetCount() - 1, from);
        if (days.empty()) {
            EXPECT_EQ("（２年以内に該当日はありません）", line) << "trial " << trial;
            ++none;
        } else {
            EXPECT_EQ(NextDaysText(days, from.wYear), line) << "trial " << trial;
            ++shown;
        }
        if (HasFailure())
            return;
    }
    // Every outcome is met often enough to mean something.
    EXPECT_GT(shown, 80);
    EXPECT_GT(none, 4);
    EXPECT_GT(refused, 10);
}
