#include "widgets/hangul_line_edit.h"

HangulLineEdit::HangulLineEdit(QWidget *parent) : QLineEdit(parent), m_entry(new HangulEntry(this))
{
    connect(m_entry, &HangulEntry::hangulModeChanged, this, &HangulLineEdit::hangulModeChanged);
    connect(this, &QLineEdit::textChanged, m_entry, &HangulEntry::textChanged);
}
