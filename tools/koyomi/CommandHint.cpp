#include "tools/koyomi/Commands.h"

#include <algorithm>
#include <vector>

namespace {
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Edits (insert, delete, replace, swap of neighbours) that turn a into b, ASCII case ignored.
std::size_t Distance(const std::string& a, const std::string& b) {
    const std::size_t n = a.size(), m = b.size();
    std::vector<std::vector<std::size_t>> d(n + 1, std::vector<std::size_t>(m + 1));
    for (std::size_t i = 0; i <= n; ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= m; ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= m; ++j) {
            const bool same = Lower(a[i - 1]) == Lower(b[j - 1]);
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + !same});
            if (i > 1 && j > 1 && Lower(a[i - 1]) == Lower(b[j - 2]) &&
                Lower(a[i - 2]) == Lower(b[j - 1]))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[n][m];
}
} // namespace

const char* NearCommand(const std::string& word) {
    // A short name allows one slip, a long one two: "dmp", "holiday", "convrt".
    if (word.size() > 12)
        return nullptr;
    for (const Command& command : AllCommands()) {
        const std::string c(command.name);
        if (!c.empty() && Distance(word, c) <= (c.size() > 4 ? 2u : 1u))
            return command.name;
    }
    return nullptr;
}
