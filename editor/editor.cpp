#include "editor/editor.h"

#include "core/shared_state.h"
#include "editor/frm_input.h"
#include "widgets/window_util.h"

#include <QPointer>

namespace {
QPointer<FrmInput> g_editor;  // cleared when the editor is unloaded
}

FrmInput *openEditor(Shared &s, int gameIndex, std::function<void()> mainRenew, QWidget *owner)
{
    if (g_editor && g_editor->isVisible()) {
        s.Edit_Game_No = std::int16_t(g_editor->game());
    } else {
        if (g_editor)
            g_editor->deleteLater();  // left but not yet gone: a fresh one
        s.Edit_Game_No = std::int16_t(gameIndex);
        g_editor = new FrmInput(s, std::move(mainRenew), owner);
        centreOnScreen(g_editor);
    }
    g_editor->show();
    g_editor->raise();
    g_editor->activateWindow();
    return g_editor;
}

FrmInput *openedEditor()
{
    return g_editor && g_editor->isVisible() ? g_editor.data() : nullptr;
}
