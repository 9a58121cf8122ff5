#include "tools/catalog/Messages.h"

#include "calendar/DayText.h"
#include "platform/Platform.h"

#include <cstdlib>
#include <cstring>

namespace {
struct Entry {
    const char* english;
    const char* japanese;
};

// u8: the catalog is UTF-8, unlike the code page 932 of the program's other literals.
const Entry kCatalog[MSG_COUNT] = {
#define MSG(id, english, japanese) {english, japanese},
#include "tools/catalog/MessageList.h"
#undef MSG
};

bool Set(const char* value) {
    return value && value[0];
}

// The plug-in's limit on a chip line's path, in bytes.
std::string LongestPath() {
    return std::to_string(MEMO_LINE_SIZE - 1);
}

bool JapaneseWindows() {
#ifdef _WIN32
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
#else
    return false;
#endif
}
} // namespace

Language LanguageOf(const char* lcAll, const char* lcMessages, const char* lang,
                    bool japaneseWindows) {
    // As the C library picks the locale of messages: the first variable that is set decides.
    for (const char* value : {lcAll, lcMessages, lang})
        if (Set(value))
            return std::strncmp(value, "ja", 2) == 0 ? Language::Japanese : Language::English;
    return japaneseWindows ? Language::Japanese : Language::English;
}

Language UserLanguage() {
    static const Language language = LanguageOf(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                                std::getenv("LANG"), JapaneseWindows());
    return language;
}

const char* MessageText(MessageId id, Language language) {
    if (id >= MSG_COUNT)
        return "";
    return language == Language::Japanese ? kCatalog[id].japanese : kCatalog[id].english;
}

std::string Msg(MessageId id, std::initializer_list<std::string> args) {
    return Msg(id, std::vector<std::string>(args));
}

std::string Msg(MessageId id, const std::vector<std::string>& args) {
    const char* text = MessageText(id, UserLanguage());
    std::string out;
    for (const char* p = text; *p; ++p) {
        const unsigned n = p[0] == '%' && p[1] >= '1' && p[1] <= '9' ? p[1] - '0' : 0;
        if (n == 0) {
            out += *p;
        } else {
            if (n <= args.size())
                out += args[n - 1];
            ++p;
        }
    }
    return out;
}

std::string LoadFailureText(LoadFailure why) {
    switch (why) {
    case LOAD_MISSING:
        return Msg(MSG_NO_SUCH_FILE);
    case LOAD_NOT_REGULAR:
        return Msg(MSG_NOT_REGULAR);
    case LOAD_NOT_DATA_FILE:
        return Msg(MSG_NOT_DATA_FILE);
    case LOAD_PATH_TOO_LONG:
        return Msg(MSG_PATH_TOO_LONG, {LongestPath()});
    case LOAD_TOO_LARGE:
        return Msg(MSG_TOO_LARGE);
    default:
        return Msg(MSG_UNREADABLE);
    }
}

std::string OpenFailureText(OpenFailure why) {
    return Msg(why == OPEN_MISSING       ? MSG_NO_SUCH_FILE
               : why == OPEN_NOT_REGULAR ? MSG_NOT_REGULAR
               : why == OPEN_NO_MEMORY   ? MSG_OUT_OF_MEMORY
                                         : MSG_ACCESS_DENIED);
}

std::string NothingAddedText(const std::string& path, LoadFailure why, const std::string& folder) {
    const std::string reason = folder.empty()        ? LoadFailureText(why)
                               : why == LOAD_MISSING ? Msg(MSG_NOT_IN_FOLDER, {folder})
                               : why == LOAD_PATH_TOO_LONG
                                   ? Msg(MSG_PATH_TOO_LONG_IN, {folder, LongestPath()})
                                   : LoadFailureText(why);
    return Msg(MSG_ADDS_NOTHING, {path, reason});
}
