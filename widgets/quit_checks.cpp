#include "widgets/quit_checks.h"

#include <QObject>
#include <QPointer>

#include <algorithm>

#include <vector>

namespace {
struct Entry {
    QPointer<QObject> owner;
    QuitCheck check;
};
std::vector<Entry> &checks()
{
    static std::vector<Entry> all;
    return all;
}
}  // namespace

void addQuitCheck(QObject *owner, QuitCheck check)
{
    checks().push_back({owner, std::move(check)});
}

bool mayQuit()
{
    auto &all = checks();
    all.erase(std::remove_if(all.begin(), all.end(), [](const Entry &e) { return !e.owner; }), all.end());
    const std::vector<Entry> now = all;  // a check may add or close windows
    for (const Entry &e : now)
        if (e.owner && !e.check())
            return false;
    return true;
}
