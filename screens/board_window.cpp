#include "board_window.h"

#include "frm_main1.h"
#include "layout.h"
#include "shared_state.h"

#include <QWidget>

QWidget *createBoardWindow(Shared &s, int boardKind)
{
    if (boardKind == 1) {
        auto *w = new FrmMain1(s);
        w->setAttribute(Qt::WA_DeleteOnClose);
        return w;
    }
    auto *w = new QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setFixedSize(layout::kClientWidth, layout::kClientHeight);
    w->setWindowTitle(QStringLiteral("도미솔게임 - 2팀용"));
    return w;
}
