#include "tools/koyomi/Args.h"

#include "platform/CodePage.h"
#include "tools/catalog/Messages.h"
#include "tools/koyomi/ArgValues.h"
#include "tools/koyomi/Usage.h"

#include <cstring>

CArgWalk::CArgWalk(int argc, char** argv, bool mainMode)
    : argc(argc), argv(argv), command(mainMode ? "" : argv[0]) {}

bool CArgWalk::Next() {
    while (status == ARGS_PARSED && ++at < argc) {
        const char* a = argv[at];
        operand = ended || a[0] != '-' || a[1] == 0;
        if (operand)
            return true;
        if (std::strcmp(a, "--") == 0) {
            ended = true;
        } else if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
            PrintHelp();
            status = 0;
        } else {
            return true;
        }
    }
    return false;
}

bool CArgWalk::Flag(const char* name) const {
    return !operand && std::strcmp(argv[at], name) == 0;
}

bool CArgWalk::Value(const char* name, std::string& value) {
    const std::size_t n = std::strlen(name);
    const char* a = argv[at];
    if (operand || std::strncmp(a, name, n) != 0 || (a[n] != 0 && a[n] != '='))
        return false;
    if (a[n] == '=')
        value = a + n + 1;
    else
        value = at + 1 < argc ? argv[++at] : "";
    return true;
}

bool CArgWalk::Date(const char* name, SYSTEMTIME& date) {
    std::string value;
    if (!Value(name, value))
        return false;
    if (!ParseDate(value, date))
        Error(Msg(MSG_BAD_DATE, {name, SystemToUtf8(value)}));
    return true;
}

void CArgWalk::Error(const std::string& message) {
    status = UsageError(command, message);
}

void CArgWalk::Unknown() {
    Error(Msg(MSG_UNKNOWN_OPTION, {SystemToUtf8(Arg())}));
}

int TakeOperands(int argc, char** argv, std::size_t count, MessageId wrongCount,
                 std::vector<std::string>& operands) {
    CArgWalk w(argc, argv);
    while (w.Next())
        if (w.Operand())
            operands.push_back(w.Arg());
        else
            w.Unknown();
    if (w.Status() == ARGS_PARSED && operands.size() != count)
        w.Error(Msg(wrongCount));
    return w.Status();
}
