// Text boxes of the editor that let in only what the data files can hold
// (cleanBoxText): typed keys, input-method commits, pastes and drops alike.
// Latin letter keys type Hangul in them as in the answer box (HangulEntry);
// what the composer finishes is cleaned like any other input.
#pragma once

#include "data/editor_rules.h"
#include "widgets/hangul_entry.h"
#include "widgets/hangul_line_edit.h"

#include <QPlainTextEdit>
#include <QValidator>

// Several lines: a question (line breaks kept) or the caption (Enter types a space).
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT
public:
    MultiLineBox(BoxKind kind, QWidget *parent = nullptr);
    BoxKind kind() const { return m_kind; }

    // Hangul entry (true) or Latin letters. Every focus gain sets Hangul.
    bool isHangulMode() const { return m_entry->isHangulMode(); }
    void setHangulMode(bool hangul) { m_entry->setHangulMode(hangul); }
    // The syllable being composed, not yet in toPlainText().
    QString composition() const { return m_entry->composition(); }
    // Finishes the syllable being composed into the text.
    void commitComposition() { m_entry->commitComposition(); }

signals:
    void hangulModeChanged(bool hangul);
    // Text entering the box was changed so the files can hold it (cleanedTextNotice).
    void textAltered(const QString &notice);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    QString cleaned(const QString &text);  // announces what changed

    BoxKind m_kind;
    HangulEntry *m_entry;
};

// Rewrites whatever enters a one-line box; never refuses the whole edit.
class CleaningValidator : public QValidator {
    Q_OBJECT
public:
    CleaningValidator(BoxKind kind, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

signals:
    void altered(const QString &notice) const;

private:
    BoxKind m_kind;
};

// One line: an answer.
class OneLineBox : public HangulLineEdit {
    Q_OBJECT
public:
    explicit OneLineBox(QWidget *parent = nullptr);

signals:
    void textAltered(const QString &notice);
};
