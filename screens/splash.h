// The start screen: two click areas over the painted buttons open a board.
#pragma once

#include <QWidget>

class ClickArea;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);

    ClickArea *Command1() const { return m_command1; }
    ClickArea *Command2() const { return m_command2; }

signals:
    // boardKind 1: the one-team board; 0: the two-team board.
    void boardChosen(int boardKind);
    // The first paint is done: the screen is up.
    void painted();

protected:
    void paintEvent(QPaintEvent *) override;

private:
    ClickArea *m_command1;
    ClickArea *m_command2;
    bool m_painted = false;
};
