#include "hangul_line_edit.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextCharFormat>

namespace {

bool isLoneModifier(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

bool isToggleKey(const QKeyEvent *e)
{
    if (e->key() == Qt::Key_Hangul)
        return true;
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    return e->key() == Qt::Key_Space && mods == Qt::ShiftModifier;
}

}  // namespace

HangulLineEdit::HangulLineEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &HangulLineEdit::onTextChanged);
}

void HangulLineEdit::setHangulMode(bool hangul)
{
    if (hangul == m_hangul)
        return;
    commitComposition();
    m_hangul = hangul;
    emit hangulModeChanged(hangul);
}

void HangulLineEdit::commitComposition()
{
    if (m_composer.isComposing())
        showComposition(m_composer.flush());
}

void HangulLineEdit::discardComposition()
{
    if (!m_composer.isComposing())
        return;
    m_composer.reset();
    showComposition(QString());
}

void HangulLineEdit::showComposition(const QString &commit)
{
    const QString preedit = m_composer.composing();
    QList<QInputMethodEvent::Attribute> attrs;
    if (!preedit.isEmpty()) {
        QTextCharFormat underline;
        underline.setFontUnderline(true);
        attrs << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, 0, preedit.size(), underline)
              << QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, preedit.size(), 1, QVariant());
    }
    QInputMethodEvent ev(preedit, attrs);
    ev.setCommitString(commit);
    // Sent (not called) so that the box's event filters see it like any other.
    m_ownEdit = true;
    QCoreApplication::sendEvent(this, &ev);
    m_ownEdit = false;
}

bool HangulLineEdit::typeHangulKey(QKeyEvent *e)
{
    const char key = hangulLayoutKey(e->key(), e->modifiers());
    if (!key)
        return false;
    const HangulComposer::KeyResult r = m_composer.typeKey(key);
    showComposition(r.used ? r.commit : r.commit + e->text());
    return true;
}

void HangulLineEdit::keyPressEvent(QKeyEvent *e)
{
    if (isToggleKey(e)) {
        setHangulMode(!m_hangul);
        e->accept();
        return;
    }
    if (!m_hangul || isLoneModifier(e->key())) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const bool chord = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::KeypadModifier);
    if (!chord) {
        if (typeHangulKey(e)) {
            e->accept();
            return;
        }
        if (e->key() == Qt::Key_Backspace && m_composer.backspace()) {
            showComposition(QString());
            e->accept();
            return;
        }
    }
    // Anything else (space, digits, punctuation, Enter, arrows, chords) acts on
    // the finished text.
    commitComposition();
    QLineEdit::keyPressEvent(e);
}

void HangulLineEdit::inputMethodEvent(QInputMethodEvent *e)
{
    if (!m_ownEdit)
        commitComposition();  // a system input method's text goes after ours
    QLineEdit::inputMethodEvent(e);
}

void HangulLineEdit::focusInEvent(QFocusEvent *e)
{
    discardComposition();
    setHangulMode(true);
    QLineEdit::focusInEvent(e);
}

void HangulLineEdit::focusOutEvent(QFocusEvent *e)
{
    commitComposition();
    QLineEdit::focusOutEvent(e);
}

void HangulLineEdit::mousePressEvent(QMouseEvent *e)
{
    commitComposition();
    QLineEdit::mousePressEvent(e);
}

void HangulLineEdit::onTextChanged()
{
    // setText()/clear() from outside while a syllable is composed: it belongs to
    // the old text, so it must not land in the new one.
    if (!m_ownEdit)
        discardComposition();
}
