// Text boxes of the editor that let in only what the data files can hold
// (cleanBoxText): typed keys, input-method commits, pastes and drops alike.
#pragma once

#include "editor_rules.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>

// Several lines: a question (line breaks kept) or the caption (Enter types a space).
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT
public:
    MultiLineBox(BoxKind kind, QWidget *parent = nullptr);
    BoxKind kind() const { return m_kind; }

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    BoxKind m_kind;
};

// Rewrites whatever enters a one-line box; never refuses the whole edit.
class CleaningValidator : public QValidator {
    Q_OBJECT
public:
    CleaningValidator(BoxKind kind, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

private:
    BoxKind m_kind;
};

// One line: an answer.
class OneLineBox : public QLineEdit {
    Q_OBJECT
public:
    explicit OneLineBox(QWidget *parent = nullptr);
};
