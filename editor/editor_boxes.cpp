#include "editor/editor_boxes.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

MultiLineBox::MultiLineBox(BoxKind kind, QWidget *parent)
    : QPlainTextEdit(parent), m_kind(kind), m_entry(new HangulEntry(this))
{
    setTabChangesFocus(true);
    connect(m_entry, &HangulEntry::hangulModeChanged, this, &MultiLineBox::hangulModeChanged);
    connect(this, &QPlainTextEdit::textChanged, m_entry, &HangulEntry::textChanged);
}

void MultiLineBox::keyPressEvent(QKeyEvent *e)
{
    const bool isEnter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (isEnter && m_kind != BoxKind::Question) {
        insertPlainText(QStringLiteral(" "));
        e->accept();
        return;
    }
    const QString typed = e->text();
    if (!isEnter && !typed.isEmpty() && !(e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        const QString clean = cleanBoxText(typed, m_kind);
        if (clean != typed) {
            if (!clean.isEmpty())
                insertPlainText(clean);
            e->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent *e)
{
    const QString commit = e->commitString();
    const QString clean = cleanBoxText(commit, m_kind);
    if (clean == commit) {
        QPlainTextEdit::inputMethodEvent(e);
        return;
    }
    QInputMethodEvent cleaned(e->preeditString(), e->attributes());
    cleaned.setCommitString(clean, e->replacementStart(), e->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cleaned);
    e->setAccepted(cleaned.isAccepted());
}

void MultiLineBox::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    QMimeData cleaned;
    cleaned.setText(cleanBoxText(source->text(), m_kind));
    QPlainTextEdit::insertFromMimeData(&cleaned);
}

CleaningValidator::CleaningValidator(BoxKind kind, QObject *parent)
    : QValidator(parent), m_kind(kind)
{
}

QValidator::State CleaningValidator::validate(QString &input, int &pos) const
{
    const QString clean = cleanBoxText(input, m_kind);
    if (clean != input) {
        pos = int(qMin(cleanBoxText(input.left(pos), m_kind).size(), clean.size()));
        input = clean;
    }
    return Acceptable;
}

void CleaningValidator::fixup(QString &input) const
{
    input = cleanBoxText(input, m_kind);
}

OneLineBox::OneLineBox(QWidget *parent) : HangulLineEdit(parent)
{
    setValidator(new CleaningValidator(BoxKind::Answer, this));
}
