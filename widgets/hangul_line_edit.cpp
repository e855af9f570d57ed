#include "widgets/hangul_line_edit.h"

HangulLineEdit::HangulLineEdit(QWidget *parent) : QLineEdit(parent), m_entry(new HangulEntry(this))
{
    connect(m_entry, &HangulEntry::hangulModeChanged, this, &HangulLineEdit::hangulModeChanged);
    connect(this, &QLineEdit::textChanged, m_entry, &HangulEntry::textChanged);
}

void HangulLineEdit::keyPressEvent(QKeyEvent *e)
{
    if (!m_entry->keyPress(e))
        QLineEdit::keyPressEvent(e);
}

void HangulLineEdit::inputMethodEvent(QInputMethodEvent *e)
{
    m_entry->inputMethod();
    QLineEdit::inputMethodEvent(e);
}

void HangulLineEdit::focusInEvent(QFocusEvent *e)
{
    m_entry->focusIn();
    QLineEdit::focusInEvent(e);
}

void HangulLineEdit::focusOutEvent(QFocusEvent *e)
{
    m_entry->focusOut();
    QLineEdit::focusOutEvent(e);
}

void HangulLineEdit::mousePressEvent(QMouseEvent *e)
{
    m_entry->mousePress();
    QLineEdit::mousePressEvent(e);
}
