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

QString MultiLineBox::cleaned(const QString &text)
{
    const CleanedText c = cleanBoxTextReport(text, m_kind);
    if (!c.changes.isEmpty())
        emit textAltered(cleanedTextNotice(c.changes));
    return c.text;
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
        const QString clean = cleaned(typed);
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
    const QString clean = cleaned(commit);
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
    cleaned.setText(this->cleaned(source->text()));
    QPlainTextEdit::insertFromMimeData(&cleaned);
}

CleaningValidator::CleaningValidator(BoxKind kind, QObject *parent)
    : QValidator(parent), m_kind(kind)
{
}

QValidator::State CleaningValidator::validate(QString &input, int &pos) const
{
    const CleanedText c = cleanBoxTextReport(input, m_kind);
    const QString &clean = c.text;
    if (!c.changes.isEmpty())
        emit altered(cleanedTextNotice(c.changes));
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
    auto *validator = new CleaningValidator(BoxKind::Answer, this);
    connect(validator, &CleaningValidator::altered, this, &OneLineBox::textAltered);
    setValidator(validator);
}
