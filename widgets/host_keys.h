// The host's keys as the boards understand them. Letters are recognised by the
// key whatever the keyboard layout or input state: by Qt's key code, by the
// physical key (X11/evdev key code) or by the jamo the Korean layout gives it.
#pragma once

#include "board/host_key.h"

#include <optional>

class QKeyEvent;

struct HostKeyPress {
    HostKey key;
    int tile = 0;  // 1 to 9 for HostKey::Tile
};

std::optional<HostKeyPress> hostKeyOf(const QKeyEvent &e);

// Keys that type into an open answer box instead (letters, digits, Space, Enter).
bool typesIntoAnswerBox(HostKey key);
