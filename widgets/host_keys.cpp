#include "widgets/host_keys.h"

#include <QKeyEvent>

namespace {

// X11 and Wayland key codes (evdev + 8) of the physical keys.
constexpr quint32 kScanZ = 52, kScanN = 57, kScanO = 32, kScanX = 53, kScanP = 33, kScanM = 58;
constexpr quint32 kScanDigit1 = 10;  // top row 1 to 9: 10 to 18

// A letter key: its Qt key, its physical key, and the jamo the two-set layout
// types with it (plain and shifted).
bool isLetter(const QKeyEvent &e, int qtKey, quint32 scan, const char16_t *jamo)
{
    if (e.key() == qtKey || (e.nativeScanCode() != 0 && e.nativeScanCode() == scan))
        return true;
    const QString text = e.text();
    return text.size() == 1 && QString::fromUtf16(jamo).contains(text.at(0));
}

// Keypad keys with Num Lock off still choose their tile.
int keypadTile(int key)
{
    switch (key) {
    case Qt::Key_End: return 1;
    case Qt::Key_Down: return 2;
    case Qt::Key_PageDown: return 3;
    case Qt::Key_Left: return 4;
    case Qt::Key_Clear: return 5;
    case Qt::Key_Right: return 6;
    case Qt::Key_Home: return 7;
    case Qt::Key_Up: return 8;
    case Qt::Key_PageUp: return 9;
    default: return 0;
    }
}

}  // namespace

std::optional<HostKeyPress> hostKeyOf(const QKeyEvent &e)
{
    const Qt::KeyboardModifiers mods = e.modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & (Qt::AltModifier | Qt::MetaModifier);
    const bool keypad = mods & Qt::KeypadModifier;
    const int key = e.key();
    if (alt)
        return std::nullopt;
    if (ctrl) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return HostKeyPress{HostKey::Overrule};
        if (mods & Qt::ShiftModifier)
            return std::nullopt;
        if (key == Qt::Key_Z || e.nativeScanCode() == kScanZ)
            return HostKeyPress{HostKey::Undo};
        if (key == Qt::Key_N || e.nativeScanCode() == kScanN)
            return HostKeyPress{HostKey::StartOver};
        return std::nullopt;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_9)
        return HostKeyPress{HostKey::Tile, key - Qt::Key_0};
    if (keypad && keypadTile(key))
        return HostKeyPress{HostKey::Tile, keypadTile(key)};
    const quint32 scan = e.nativeScanCode();
    if (!keypad && scan >= kScanDigit1 && scan < kScanDigit1 + 9)
        return HostKeyPress{HostKey::Tile, int(scan - kScanDigit1) + 1};
    switch (key) {
    case Qt::Key_F5: return HostKeyPress{HostKey::Start};
    case Qt::Key_F1: return HostKeyPress{HostKey::Help};
    case Qt::Key_Escape: return HostKeyPress{HostKey::Escape};
    case Qt::Key_PageDown: return HostKeyPress{HostKey::Next};
    case Qt::Key_PageUp: return HostKeyPress{HostKey::Back};
    case Qt::Key_Space: return HostKeyPress{HostKey::Answer};
    case Qt::Key_Return:
    case Qt::Key_Enter: return HostKeyPress{HostKey::Confirm};
    default: break;
    }
    if (isLetter(e, Qt::Key_O, kScanO, u"ㅐㅒ"))
        return HostKeyPress{HostKey::Right};
    if (isLetter(e, Qt::Key_X, kScanX, u"ㅌ"))
        return HostKeyPress{HostKey::Wrong};
    if (isLetter(e, Qt::Key_P, kScanP, u"ㅔㅖ"))
        return HostKeyPress{HostKey::Pause};
    if (isLetter(e, Qt::Key_M, kScanM, u"ㅡ"))
        return HostKeyPress{HostKey::Mute};
    return std::nullopt;
}

bool typesIntoAnswerBox(HostKey key)
{
    switch (key) {
    case HostKey::Tile:
    case HostKey::Answer:
    case HostKey::Right:
    case HostKey::Wrong:
    case HostKey::Pause:
    case HostKey::Mute:
    case HostKey::Confirm:
        return true;
    default:
        return false;
    }
}
