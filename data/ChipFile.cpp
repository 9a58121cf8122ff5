#include "data/ChipFile.h"

#include "data/LegacyText.h"
#include "platform/CodePage.h"

#include <cstring>

namespace {
const char kBom[] = "\xEF\xBB\xBF";
} // namespace

ChipFileText ChipTextOfBytes(const unsigned char* bytes, std::size_t size, bool cp932Names) {
    ChipFileText out{std::string(), CHIP_AS_NAMED, true};
    const bool bom = size >= 3 && std::memcmp(bytes, kBom, 3) == 0;
    const std::string file(reinterpret_cast<const char*>(bytes) + (bom ? 3 : 0),
                           size - (bom ? 3 : 0));
    const bool converted = cp932Names && LegacyTextToCp932(bytes, size, out.text);
    if (bom)
        out.encoding = CHIP_UTF8_BOM;
    else if (converted)
        out.encoding = CHIP_UTF8;
    if (!converted)
        out.text = file;
    // The plug-in's text ends at its first NUL, as the host's text does.
    out.text.resize(std::strlen(out.text.c_str()));
    out.whole = ChipFileBytes(out.text, out.encoding, cp932Names) ==
                (out.encoding == CHIP_UTF8_BOM ? kBom + file : file);
    return out;
}

bool ReadChipFile(const char* path, ChipFileText& out, OpenFailure& why) {
    CFileBytes bytes;
    why = OPEN_OK;
    if (!bytes.Load(path, &why))
        return false;
    out = ChipTextOfBytes(bytes.Data(), bytes.Size());
    return true;
}

std::string ChipFileBytes(const std::string& text, ChipEncoding encoding, bool cp932Names) {
    const std::string mark = encoding == CHIP_UTF8_BOM ? kBom : "";
    if (encoding == CHIP_AS_NAMED || !cp932Names)
        return mark + text;
    return mark + Cp932ToUtf8(text);
}
