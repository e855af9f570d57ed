// Benchmark of the one-team board: start-up (in this process, and exec to the
// first paint beside the least Qt window), opening the board, choosing games
// (default pictures and a 12-megapixel JPEG made here) and resident memory over
// fifty choices; then both boards full screen at 3840 x 2160: choosing a game,
// each step of the question panel's slide and of the heart's pulse, painted.
// Prints each measure beside its baseline and target.
// Optional argument: the run folder (default: the build's run folder).
// "--start-child RUN_DIR": the program's start-up alone, up to "painted" on stdout.
#include "core/shared_state.h"
#include "data/datafiles.h"
#include "screens/board_window.h"
#include "screens/frm_main1.h"
#include "screens/frm_main2.h"
#include "screens/splash.h"
#include "screens/start_screen.h"
#include "tests/bomb_picture.h"
#include "tests/manual_clock.h"
#include "widgets/fonts.h"
#include "widgets/qt_translations.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

// A step the benchmark cannot go on without.
#define QVERIFY_BENCH(ok)                                                   \
    do {                                                                    \
        if (!(ok)) {                                                        \
            std::fprintf(stderr, "benchmark set-up failed: %s\n", #ok);    \
            return 1;                                                       \
        }                                                                   \
    } while (0)

namespace {

struct Silent : CuePlayer {
    void Play_Cue(const QString &) override {}
};

// Waits until w has been painted once.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *w) { w->installEventFilter(this); }
    bool painted = false;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            painted = true;
        return false;
    }
    void wait()
    {
        QElapsedTimer t;
        t.start();
        while (!painted && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
};

double residentMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// A busy photo-like picture, so the JPEG is not trivially small.
void writePhoto(const QString &path, int width, int height)
{
    QImage img(width, height, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, width, height);
    g.setColorAt(0, QColor(40, 90, 200));
    g.setColorAt(1, QColor(240, 180, 50));
    p.fillRect(img.rect(), g);
    QRandomGenerator rng(12345);
    for (int k = 0; k < width * height / 4000; ++k) {
        p.setBrush(QColor::fromRgb(rng.generate() & 0xFFFFFF));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(rng.bounded(width), rng.bounded(height)), rng.bounded(10, 120), rng.bounded(10, 120));
    }
    p.end();
    img.save(path, "JPEG", 85);
}

struct Measure {
    QString name, unit;
    double value;
};

std::map<QString, std::pair<double, QString>> readBaseline()
{
    std::map<QString, std::pair<double, QString>> out;  // name -> (baseline, target)
    QFile f(QStringLiteral(DOMISOL_BENCH_BASELINE));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith('#') || line.trimmed().isEmpty())
            continue;
        const QStringList cols = line.split('|');
        if (cols.size() >= 3)
            out[cols[0].trimmed()] = {cols[1].trimmed().toDouble(), cols[2].trimmed()};
    }
    return out;
}

// The program's start-up as app/main.cpp runs it, up to the start screen's
// first paint: then "painted" on stdout, and the process ends.
int startChild(const QString &runDir)
{
    QCoreApplication::setApplicationName(QStringLiteral("domisol"));
    installQtTranslations();
    Shared &s = shared();
    s.App_Dir = folderWithSeparator(runDir);
    QTemporaryDir userData;  // used only where the run folder cannot be written
    StartScreen start(s, userData.path());
    QObject::connect(start.splash(), &frmSplash::painted, start.splash(), [] {
        std::puts("painted");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    start.splash()->show();
    return QCoreApplication::exec();
}

// Milliseconds from starting program until it writes its first line.
double execToPaint(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForReadyRead(10000))
        return -1;
    const double ms = t.nsecsElapsed() / 1e6;
    p.waitForFinished(5000);
    return ms;
}

}  // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    const QString runDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(DOMISOL_RUN_DIR);
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    if (argc == 3 && QByteArray(argv[1]) == "--start-child")
        return startChild(QString::fromLocal8Bit(argv[2]));
    std::vector<Measure> out;

    // Start-up as the program does it, up to the start screen painted; the
    // fonts come after it.
    Shared &s = shared();
    s.App_Dir = folderWithSeparator(runDir);
    auto *splash = new frmSplash;
    PaintWatch splashPainted(splash);
    Load_Quiz(s);
    Clear_Used_Flag(s);
    splash->show();
    splashPainted.wait();
    out.push_back({"startup_to_start_screen", "ms", sinceStart.nsecsElapsed() / 1e6});
    registerFontsOnce(s);

    // Exec to the first paint, the program's start-up beside the least Qt
    // window, taken in turns; the median of nine each.
    std::vector<double> least, program;
    for (int k = 0; k < 9; ++k) {
        least.push_back(execToPaint(QStringLiteral(DOMISOL_LEAST_WINDOW), {}));
        program.push_back(execToPaint(QCoreApplication::applicationFilePath(),
                                      {QStringLiteral("--start-child"), runDir}));
    }
    out.push_back({"exec_to_paint_least_window", "ms", median(least)});
    out.push_back({"exec_to_paint_program", "ms", median(program)});
    out.push_back({"exec_to_paint_ratio", "x", median(program) / median(least)});

    // Pictures: the defaults from the run folder and a 12-megapixel JPEG, in a scratch App_Dir.
    QTemporaryDir scratch;
    QDir().mkpath(scratch.filePath(QStringLiteral("img")));
    const QDir runImg(runDir + QStringLiteral("/img"));
    int defaultsFound = 0;
    for (int g = 0; g < 10; ++g) {
        const QString file = s.Picture_Table[g].section(';', 0, 0);
        const QString copy = scratch.filePath(QStringLiteral("img/") + file);
        if (QFile::copy(runImg.filePath(file), copy))
            ++defaultsFound;
        else
            writePhoto(copy, 1024, 768);  // stand-in while the default is missing
    }
    writePhoto(scratch.filePath(QStringLiteral("img/big12mp.jpg")), 4000, 3000);
    s.App_Dir = scratch.path() + QLatin1Char('/');

    // Opening the board, up to its first paint.
    QElapsedTimer t;
    t.start();
    auto *board = new FrmMain1(s, std::make_unique<Silent>());
    PaintWatch boardPainted(board);
    board->show();
    boardPainted.wait();
    out.push_back({"open_one_team_board", "ms", t.nsecsElapsed() / 1e6});
    splash->close();

    // One choice: the press, the widgets brought in line and painted.
    auto choose = [&](int game) {
        QElapsedTimer c;
        c.start();
        board->board().GBox_MouseDown(game, 1);
        board->sync();
        board->repaint();
        return c.nsecsElapsed() / 1e6;
    };
    // The median of `runs` choices of each of the first `games` games.
    auto choosePerGame = [&](int games, int runs) {
        std::vector<double> perGame;
        for (int g = 0; g < games; ++g) {
            std::vector<double> times;
            for (int k = 0; k < runs; ++k)
                times.push_back(choose(g));
            perGame.push_back(median(times));
        }
        return perGame;
    };
    const std::vector<double> perGame = choosePerGame(10, 5);
    out.push_back({"choose_default_game_median", "ms", median(perGame)});
    out.push_back({"choose_default_game_worst", "ms", *std::max_element(perGame.begin(), perGame.end())});

    s.Picture_Table[9] = QStringLiteral("big12mp.jpg;12메가픽셀 사진");
    std::vector<double> big;
    for (int k = 0; k < 5; ++k) {
        choose(0);
        big.push_back(choose(9));
    }
    out.push_back({"choose_12mp_game", "ms", median(big)});

    // Pictures that froze the board: a 30000 x 30000 PNG bomb and a named
    // pipe. Each choice must return at once and keep the memory where it was.
    QVERIFY_BENCH(writePngBomb(scratch.filePath(QStringLiteral("img/bomb.png")), 30000, 30000));
    QVERIFY_BENCH(makeFifo(scratch.filePath(QStringLiteral("img/pipe.jpg"))));
    const double beforeBombs = residentMb();
    s.Picture_Table[8] = QStringLiteral("bomb.png;폭탄");
    s.Picture_Table[7] = QStringLiteral("pipe.jpg;파이프");
    std::vector<double> bomb, pipe;
    for (int k = 0; k < 5; ++k) {
        choose(0);
        bomb.push_back(choose(8));
        choose(0);
        pipe.push_back(choose(7));
        QCoreApplication::processEvents();
    }
    out.push_back({"choose_bomb_game_worst", "ms", *std::max_element(bomb.begin(), bomb.end())});
    out.push_back({"choose_fifo_game_worst", "ms", *std::max_element(pipe.begin(), pipe.end())});
    out.push_back({"rss_growth_bomb_and_fifo", "MB", residentMb() - beforeBombs});
    s.Picture_Table[8] = s.Picture_Table[7] = QString();

    double at10 = 0;
    for (int k = 1; k <= 50; ++k) {
        choose(k % 10);
        QCoreApplication::processEvents();
        if (k == 10)
            at10 = residentMb();
    }
    const double at50 = residentMb();
    out.push_back({"rss_after_10_choices", "MB", at10});
    out.push_back({"rss_after_50_choices", "MB", at50});
    out.push_back({"rss_growth_10_to_50", "MB", at50 - at10});

    // Full screen on a 3840 x 2160 screen. The window gets that size itself
    // where the display is smaller (Xvfb without a window manager).
    const QSize uhd(3840, 2160);
    auto fullScreen = [&](QWidget *w) {
        w->showFullScreen();
        if (w->size() != uhd)
            w->resize(uhd);
        PaintWatch painted(w);
        painted.wait();
        QCoreApplication::processEvents();
    };
    delete board;
    ManualClock clock;
    board = new FrmMain1(s, std::make_unique<Silent>(), nullptr, &clock);
    fullScreen(board);
    const std::vector<double> perGame4k = choosePerGame(9, 3);
    out.push_back({"uhd_choose_game_median", "ms", median(perGame4k)});
    out.push_back({"uhd_choose_game_worst", "ms", *std::max_element(perGame4k.begin(), perGame4k.end())});

    // One step: the tick (the engine moves the element, the view follows) and
    // what it changed painted, as the event loop paints it.
    auto step = [](ManualClock &c, int ms) {
        QElapsedTimer e;
        e.start();
        c.advance(ms);
        QCoreApplication::processEvents();
        return e.nsecsElapsed() / 1e6;
    };
    std::vector<double> slide;
    choose(0);
    board->board().Command5_Click();
    for (int k = 0; k < 5; ++k) {  // a click on a fresh cell slides its question in anew
        board->board().Cover_Cubix_Click(k);
        QCoreApplication::processEvents();
        for (int tick = 0; tick < 6; ++tick)
            slide.push_back(step(clock, layout::kTimer2Ms));
    }
    out.push_back({"uhd_slide_step_median", "ms", median(slide)});
    out.push_back({"uhd_slide_step_worst", "ms", *std::max_element(slide.begin(), slide.end())});
    delete board;
    board = nullptr;

    auto *two = new FrmMain2(s, std::make_unique<Silent>(), nullptr, &clock);
    fullScreen(two);
    two->board().Command5_Click();
    two->board().Label_Sel_Team_Click(0);
    QCoreApplication::processEvents();
    std::vector<double> pulse;
    for (int tick = 0; tick < 20; ++tick)
        pulse.push_back(step(clock, layout::two::kTimer1Ms));
    out.push_back({"uhd_pulse_step_median", "ms", median(pulse)});
    out.push_back({"uhd_pulse_step_worst", "ms", *std::max_element(pulse.begin(), pulse.end())});
    delete two;

    const auto baseline = readBaseline();
    std::printf("default pictures found: %d of 10 in %s/img (1024 x 768 JPEG stand-ins for the rest)\n",
                defaultsFound, qPrintable(runDir));
    std::printf("%-28s %10s %10s  %s\n", "measure", "now", "baseline", "target");
    for (const Measure &m : out) {
        const auto it = baseline.find(m.name);
        const int digits = m.unit == QLatin1String("x") ? 2 : 1;  // a ratio needs its second decimal
        const QString base = it == baseline.end() ? QStringLiteral("-")
                                                  : QString::number(it->second.first, 'f', digits);
        const QString target = it == baseline.end() ? QString() : it->second.second;
        std::printf("%-28s %7.*f %-2s %10s  %s\n", qPrintable(m.name), digits, m.value, qPrintable(m.unit),
                    qPrintable(base), qPrintable(target));
    }
    delete board;
    delete splash;
    return 0;
}
