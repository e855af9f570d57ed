// What the host asks of a board from the keyboard or a presenter remote. The
// window turns key presses into these; the board decides what each does now.
#pragma once

enum class HostKey {
    Start,      // F5: "시 작"
    Tile,       // 1 to 9: the tile with that number, as a click would
    Answer,     // Space: "정답" in the one-team panel
    Right,      // O: "성공"
    Wrong,      // X: "실패"
    Next,       // PageDown: the next step of a one-team game
    Back,       // PageUp: "실패" once the answer shows
    Undo,       // Ctrl+Z: takes back the newest verdict
    Pause,      // P: stops or restarts the one-team clock
    Mute,       // M: sound on or off
    Escape,     // Esc: closes what is open (question, help, bingo, score panel)
    Help,       // F1: the key table
    Overrule,   // Ctrl+Enter: the open two-team question is right anyway
    StartOver,  // Ctrl+N: abandons the running game (asks first)
    Confirm,    // Enter: "예" while the board asks something
};
