// The quiz-set panel over the start screen: the list of sets and seven
// painted buttons laid under click areas: choose, new (a copy of the set in
// use), rename, delete, export, import, close. Every question and message is
// Korean; the dialogs can be replaced for tests.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

#include "layout/layout.h"

class ClickArea;
class frmSplash;
class QListWidget;
class QuizSets;
struct Shared;

class SetPanel : public QWidget {
    Q_OBJECT
public:
    enum Action { Choose, New, Rename, Delete, Export, Import, Close };

    struct Dialogs {
        // A name typed by the teacher; nothing when cancelled.
        std::function<std::optional<QString>(QWidget *, const QString &title, const QString &label,
                                             const QString &text)> askName;
        std::function<bool(QWidget *, const QString &question)> confirm;
        std::function<QString(QWidget *, const QString &suggested)> exportPath;  // empty: cancelled
        std::function<QString(QWidget *)> importPath;                           // empty: cancelled
        std::function<void(QWidget *, const QString &message, bool failure)> tell;
    };
    static Dialogs qtDialogs();

    // remember is called with the name of each set that comes into use.
    SetPanel(Shared &s, QuizSets &sets, std::function<void(const QString &)> remember, QWidget *parent);
    void setDialogs(Dialogs d) { m_dialogs = std::move(d); }

    void open();  // fills the list, selects the set in use, shows the panel
    ClickArea *button(Action a) const { return m_buttons[a]; }
    QListWidget *list() const { return m_list; }  // null before the first opening
    QString selected() const;

public slots:
    void act(Action a);

signals:
    void setChanged();  // another set is in use, or the one in use was renamed

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void makeList();
    void refill(const QString &select);
    void use(const QString &name);
    void createSet();
    void renameSet();
    void deleteSet();
    void exportSet();
    void importSet();

    Shared &m_s;
    QuizSets &m_sets;
    std::function<void(const QString &)> m_remember;
    Dialogs m_dialogs;
    QListWidget *m_list = nullptr;  // made at the first opening
    std::array<ClickArea *, layout::splash::kSetButtonCount> m_buttons{};
};

// A set panel over the start screen: its set bar opens the panel, and the bar
// shows the name of each set that comes into use.
SetPanel *addSetPanel(frmSplash *splash, Shared &s, QuizSets &sets, std::function<void(const QString &)> remember);
