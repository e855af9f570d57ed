// The reasons to ask before the program quits (종료, or closing a board).
// Each check asks the host when it has something to lose and answers whether
// quitting may go on; the first that says no stops the quit. A new reason is
// one more addQuitCheck.
#pragma once

#include <functional>

class QObject;

using QuitCheck = std::function<bool()>;

// Adds check, asked while owner lives.
void addQuitCheck(QObject *owner, QuitCheck check);

// Asks every check in the order added; false as soon as one says stay.
bool mayQuit();
