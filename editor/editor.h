// Opening the quiz editor from a board (a right-button release on a game box).
#pragma once

#include <functional>

class FrmInput;
class QWidget;
struct Shared;

// Sets Edit_Game_No to gameIndex and shows the editor on that game, modeless
// and centred. While an editor is open, another call only brings it forward:
// it keeps the game it shows (Edit_Game_No is set back to that game), so
// nothing typed is lost and a save writes the game on screen. mainRenew is
// Main_Renew, called when the editor is left without saving. With an owner
// the editor stays in front of it. Returns the editor shown.
FrmInput *openEditor(Shared &s, int gameIndex, std::function<void()> mainRenew,
                     QWidget *owner = nullptr);

// The editor that is open, or null.
FrmInput *openedEditor();
