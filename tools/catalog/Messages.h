// koyomi's and koyomihost's texts for people (messages, warnings, the help) in the user's
// language: one catalog of message ids with the English and the Japanese of each
// (MessageList.h). Machine output (the chip text's bytes, --tsv, iCalendar) is no message and
// never changes with the language.
#pragma once

#include "data/KmdEntryFile.h"
#include "platform/Files.h"

#include <initializer_list>
#include <string>
#include <vector>

enum MessageId : unsigned {
#define MSG(id, english, japanese) id,
#include "tools/catalog/MessageList.h"
#undef MSG
    MSG_COUNT
};

enum class Language { English, Japanese };

// Japanese on a Japanese system: the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty starts with "ja"; when none is set, Windows' user interface language is Japanese.
// English otherwise (LANG=C included). Decided once.
Language UserLanguage();
// Which the environment's values and Windows' language give; null for a variable not set.
Language LanguageOf(const char* lcAll, const char* lcMessages, const char* lang,
                    bool japaneseWindows);

// The text of a message as the catalog holds it (UTF-8), with its placeholders %1 ... %9.
const char* MessageText(MessageId id, Language language);
// The message in the user's language with %1 ... %9 replaced by args (UTF-8).
std::string Msg(MessageId id, std::initializer_list<std::string> args = {});
std::string Msg(MessageId id, const std::vector<std::string>& args);

// Why a named file added nothing, in words ("no such file").
std::string LoadFailureText(LoadFailure why);
// Why a file could not be read, in words.
std::string OpenFailureText(OpenFailure why);
// "PATH: why; it adds nothing" for a chip line that added nothing, all UTF-8. For a line read
// relative to a folder (`folder` non-empty) a missing file, or a path too long with the
// folder, says which.
std::string NothingAddedText(const std::string& path, LoadFailure why, const std::string& folder);
