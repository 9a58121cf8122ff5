// One date entry: a named rule for recurring dates.
#pragma once

#include "data/KmbLayout.h"
#include "data/KmbRecords.h"
#include "data/KmdDateFlags.h"
#include "data/KmdRule.h"
#include "platform/Platform.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

class CKmdDate {
public:
    CKmdDate();
    CKmdDate(const CKmdDate& other);
    CKmdDate& operator=(const CKmdDate& other);
    virtual ~CKmdDate();

    void Clear();

    bool SetStartMonth(unsigned m);
    bool SetEndMonth(unsigned m);
    bool SetStartDay(unsigned d);
    bool SetEndDay(unsigned d);
    bool SetWeekday(unsigned w);

    unsigned GetStartMonth() const { return months >> 4; }
    unsigned GetEndMonth() const { return months & 0x0F; }
    unsigned GetStartDay() const { return startDay; }
    unsigned GetEndDay() const { return endDay; }
    // 0 = none, 1 = Sunday ... 7 = Saturday.
    unsigned GetWeekday() const { return weekday & 0x0F; }

    CKmdDateFlags GetFlags() const { return flags; }
    void SetFlags(const CKmdDateFlags& f) { flags = f; }

    // At most 127 bytes are kept (a byte cut, which may split a double-byte character);
    // one trailing line feed is dropped.
    bool SetName(const char* text);
    // Copies all 128 name bytes into out, which must hold 128 bytes.
    bool GetName(char* out) const;
    const char* NameField() const { return name; }
    bool IsEmpty() const { return name[0] == 0; }

    static constexpr std::size_t PackedSize() { return PACKED_SIZE; }
    bool Pack(unsigned char* out, std::size_t size) const;
    bool Unpack(const unsigned char* in, std::size_t size);

    // The on-disk record of the binary data file. ReadFrom keeps the fields read in full
    // (the others empty) and returns false when the stream ended inside the record.
    bool ReadFrom(std::istream& in);
    // The same from a record in memory, as TakeRecord found it.
    void ReadFrom(const KmbRecordBytes& record);
    bool WriteTo(std::ostream& out) const;
    // The record's bytes appended to `out`.
    void WriteTo(std::string& out) const;

    // The fields matching reads, as a record's bytes give them.
    KmdRule GetRule() const;

private:
    // The fields' six bytes, laid out alike in a record, a rule and the packed image.
    void HeadTo(unsigned char head[RULE_SIZE]) const;
    void HeadFrom(const unsigned char head[RULE_SIZE]);

    std::uint8_t months;   // start month in bits 4-7, end month in bits 0-3
    std::uint8_t startDay; // 0 = not set
    std::uint8_t endDay;   // period end only
    std::uint8_t weekday;  // weekday in bits 0-3; bits 4-7 are carried as read
    CKmdDateFlags flags;
    char name[KMD_NAME_SIZE];
};
