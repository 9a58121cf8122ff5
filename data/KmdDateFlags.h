// The flags word of a date entry: the entry type in bits 0-3 and the options above it.
#pragma once

#include <cstddef>
#include <cstdint>

enum DateType : unsigned {
    DT_DAY = 0,
    DT_WEEKLY = 1,
    DT_BIWEEKLY = 2,
    DT_MONTHLY = 3,
    DT_BIMONTHLY = 4,
    DT_QUARTER1 = 5,
    DT_QUARTER2 = 6,
    DT_QUARTER3 = 7,
    DT_PERIOD = 8,
};

enum : std::uint16_t {
    DF_TYPE_MASK = 0x000F,
    DF_ODD = 0x0010,
    DF_WEEK_MASK = 0x00E0,
    DF_LAST = 0x0100,
    DF_HOLIDAY = 0x0200,
    DF_SHIFT_SUN_HOL = 0x0400,
    DF_SHIFT_SAT_SUN_HOL = 0x0800,
    DF_PAYDAY_SHIFT = 0x1000,
    DF_SHIFT_LATER = 0x2000,
};
constexpr unsigned DF_WEEK_SHIFT = 5;

class CKmdDateFlags {
public:
    CKmdDateFlags() = default;
    explicit CKmdDateFlags(std::uint16_t w) : word(w) {}

    void Clear() { word = 0; }
    std::uint16_t GetWord() const { return word; }
    void SetWord(std::uint16_t w) { word = w; }

    bool SetType(unsigned t);
    unsigned GetType() const { return word & DF_TYPE_MASK; }
    // Week of month 1-5 of an nth-weekday rule, 0 for none.
    bool SetWeek(unsigned n);
    unsigned GetWeek() const { return (word >> DF_WEEK_SHIFT) & 7u; }

    void SetOdd(bool on) { SetBit(DF_ODD, on); }
    void SetLast(bool on) { SetBit(DF_LAST, on); }
    void SetHoliday(bool on) { SetBit(DF_HOLIDAY, on); }
    void SetShiftSunHol(bool on) { SetBit(DF_SHIFT_SUN_HOL, on); }
    void SetShiftSatSunHol(bool on) { SetBit(DF_SHIFT_SAT_SUN_HOL, on); }
    void SetPaydayShift(bool on) { SetBit(DF_PAYDAY_SHIFT, on); }
    void SetShiftLater(bool on) { SetBit(DF_SHIFT_LATER, on); }

    bool IsOdd() const { return word & DF_ODD; }
    bool IsLast() const { return word & DF_LAST; }
    bool IsHoliday() const { return word & DF_HOLIDAY; }
    bool IsShiftSunHol() const { return word & DF_SHIFT_SUN_HOL; }
    bool IsShiftSatSunHol() const { return word & DF_SHIFT_SAT_SUN_HOL; }
    bool IsPaydayShift() const { return word & DF_PAYDAY_SHIFT; }
    bool IsShiftLater() const { return word & DF_SHIFT_LATER; }

    static constexpr std::size_t PackedSize() { return 2; }
    // Little-endian; false when fewer than 2 bytes are available.
    bool Pack(unsigned char* out, std::size_t size) const;
    bool Unpack(const unsigned char* in, std::size_t size);

private:
    void SetBit(std::uint16_t mask, bool on) {
        word = static_cast<std::uint16_t>(on ? (word | mask) : (word & ~mask));
    }

    std::uint16_t word = 0;
};
