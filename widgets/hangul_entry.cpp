#include "widgets/hangul_entry.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextCharFormat>
#include <QWidget>

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

HangulEntry::HangulEntry(QWidget *box) : QObject(box), m_box(box)
{
    box->installEventFilter(this);
    // A text area's mouse presses reach its viewport, not the area itself.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(box))
        area->viewport()->installEventFilter(this);
}

bool HangulEntry::eventFilter(QObject *, QEvent *e)
{
    switch (e->type()) {
    case QEvent::KeyPress:
        return keyPress(static_cast<QKeyEvent *>(e));
    case QEvent::InputMethod:
        // A system input method's text goes after the syllable composed here.
        if (!m_ownEdit)
            commitComposition();
        break;
    case QEvent::FocusIn:
        focusIn();
        break;
    case QEvent::FocusOut:
    case QEvent::MouseButtonPress:
        commitComposition();
        break;
    default:
        break;
    }
    return false;
}

void HangulEntry::setHangulMode(bool hangul)
{
    if (hangul == m_hangul)
        return;
    commitComposition();
    m_hangul = hangul;
    emit hangulModeChanged(hangul);
}

void HangulEntry::commitComposition()
{
    if (m_composer.isComposing())
        showComposition(m_composer.flush());
}

void HangulEntry::discardComposition()
{
    if (!m_composer.isComposing())
        return;
    m_composer.reset();
    showComposition(QString());
}

void HangulEntry::showComposition(const QString &commit)
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
    // Sent (not called) so that the box's own handler and its event filters
    // see it like any other input-method event.
    const bool outer = !m_ownEdit;
    m_ownEdit = true;
    QCoreApplication::sendEvent(m_box, &ev);
    if (outer)
        m_ownEdit = false;
}

bool HangulEntry::keyPress(QKeyEvent *e)
{
    if (isToggleKey(e)) {
        setHangulMode(!m_hangul);
        e->accept();
        return true;
    }
    if (!m_hangul || isLoneModifier(e->key()))
        return false;
    const bool chord = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::KeypadModifier);
    if (!chord) {
        if (const char key = hangulLayoutKey(e->key(), e->modifiers())) {
            const HangulComposer::KeyResult r = m_composer.typeKey(key);
            showComposition(r.used ? r.commit : r.commit + e->text());
            e->accept();
            return true;
        }
        if (e->key() == Qt::Key_Backspace && m_composer.backspace()) {
            showComposition(QString());
            e->accept();
            return true;
        }
    }
    // Anything else (space, digits, punctuation, Enter, arrows, chords) acts on
    // the finished text.
    commitComposition();
    return false;
}

void HangulEntry::focusIn()
{
    discardComposition();
    setHangulMode(true);
}

void HangulEntry::textChanged()
{
    if (!m_ownEdit)
        discardComposition();
}
