// 도미솔게임: start-up. The program takes no arguments; its settings name
// the quiz set used last.
#include "core/paths.h"
#include "core/shared_state.h"
#include "editor/editor.h"
#include "screens/board_view.h"
#include "screens/board_window.h"
#include "screens/splash.h"
#include "screens/start_screen.h"
#include "widgets/fonts.h"
#include "widgets/qt_translations.h"
#include "widgets/window_util.h"

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include <csignal>

int main(int, char **argv)
{
    // Qt gets no command line options: the program has none.
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    // The user's data folder is ~/.local/share/domisol.
    QCoreApplication::setApplicationName(QStringLiteral("domisol"));
    installQtTranslations();

    Shared &s = shared();
    s.App_Dir = folderWithSeparator(QCoreApplication::applicationDirPath());
    // A write past the file-size limit fails and is reported, not fatal.
    std::signal(SIGXFSZ, SIG_IGN);
    StartScreen start(s, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (start.otherCopy())
        QMessageBox::information(nullptr, QStringLiteral("도미솔게임"),
                                 QStringLiteral("도미솔게임이 이 자료 폴더에서 이미 열려 있습니다.\n"
                                                "이 창은 읽기 전용으로 열립니다: 게임은 할 수 있지만, "
                                                "문제를 고쳐도 저장되지 않습니다.\n"
                                                "문제를 고치려면 먼저 연 창을 쓰세요."));
    frmSplash *splash = start.splash();

    QObject::connect(splash, &frmSplash::boardChosen, splash, [splash, &s](int kind) {
        registerFontsOnce(s);
        if (kind == 1)
            s.Board_Kind = 1;
        QWidget *board = createBoardWindow(s, kind);
        // A right click on a game ball opens the editor; Main_Renew enables the
        // board in use again (the only board of the run).
        if (auto *view = qobject_cast<BoardView *>(board)) {
            QObject::connect(view, &BoardView::editRequested, view, [view, &s](int game) {
                openEditor(s, game, [view] { view->setEnabled(true); }, view);
            });
        }
        showBoardWindow(board);
        splash->close();
        splash->deleteLater();
    });
    centreOnScreen(splash);
    splash->show();
    if (!start.problem().ok)
        QTimer::singleShot(0, splash, [splash, message = start.problem().message] {
            QMessageBox::warning(splash, QStringLiteral("도미솔게임"), message);
        });
    return app.exec();
}
