// The least Qt window: a 638 x 478 widget that says "painted" on stdout at its
// first paint and quits. The benchmark times its start-up beside the program's.
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <cstdio>

namespace {

class Least : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), Qt::white);
        std::puts("painted");
        std::fflush(stdout);
        QCoreApplication::quit();
    }
};

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Least w;
    w.setFixedSize(638, 478);
    w.show();
    return app.exec();
}
