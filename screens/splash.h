// The start screen: two click areas over the painted buttons open a board;
// the set bar shows the quiz set in use and asks for the set panel.
#pragma once

#include <QWidget>

class ClickArea;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);

    ClickArea *Command1() const { return m_command1; }
    ClickArea *Command2() const { return m_command2; }
    ClickArea *setBar() const { return m_setBar; }
    void setSetName(const QString &name);
    const QString &setName() const { return m_setName; }

signals:
    // boardKind 1: the one-team board; 0: the two-team board.
    void boardChosen(int boardKind);
    void setsRequested();
    // The first paint is done: the screen is up. That paint leaves out the
    // set's name; the next one (update() once the fonts are in) draws it.
    void painted();

protected:
    void paintEvent(QPaintEvent *) override;

private:
    ClickArea *m_command1;
    ClickArea *m_command2;
    ClickArea *m_setBar;
    QString m_setName;
    bool m_painted = false;
};
