#include "screens/set_panel.h"

#include "core/shared_state.h"
#include "data/current_set.h"
#include "data/set_archive.h"
#include "screens/splash.h"
#include "widgets/artwork.h"
#include "widgets/board_font.h"
#include "widgets/click_area.h"
#include "widgets/layout_qt.h"
#include "widgets/picture_files.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QStandardPaths>

namespace sp = layout::splash;

namespace {

QString documentsFolder()
{
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(docs).exists() ? docs : QDir::homePath();
}

const QString kZipFilter = QStringLiteral("도미솔게임 퀴즈 세트 (*.zip)");

}  // namespace

SetPanel::Dialogs SetPanel::qtDialogs()
{
    Dialogs d;
    d.askName = [](QWidget *parent, const QString &title, const QString &label,
                   const QString &text) -> std::optional<QString> {
        bool ok = false;
        const QString name = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
        return ok ? std::optional<QString>(name) : std::nullopt;
    };
    d.confirm = [](QWidget *parent, const QString &question) {
        return QMessageBox::question(parent, QStringLiteral("퀴즈 세트"), question,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               == QMessageBox::Yes;
    };
    d.exportPath = [](QWidget *parent, const QString &suggested) {
        QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("퀴즈 세트 내보내기"), suggested, kZipFilter);
        if (!path.isEmpty() && !path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
            path += QStringLiteral(".zip");
        return path;
    };
    d.importPath = [](QWidget *parent) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("퀴즈 세트 가져오기"), documentsFolder(),
                                            kZipFilter);
    };
    d.tell = [](QWidget *parent, const QString &message, bool failure) {
        if (failure)
            QMessageBox::warning(parent, QStringLiteral("퀴즈 세트"), message);
        else
            QMessageBox::information(parent, QStringLiteral("퀴즈 세트"), message);
    };
    return d;
}

SetPanel::SetPanel(Shared &s, QuizSets &sets, std::function<void(const QString &)> remember, QWidget *parent)
    : QWidget(parent),
      m_s(s),
      m_sets(sets),
      m_remember(std::move(remember)),
      m_dialogs(qtDialogs())
{
    setGeometry(toQRect(sp::SetPanel));
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int k = 0; k < sp::kSetButtonCount; ++k) {
        m_buttons[k] = new ClickArea(this);
        m_buttons[k]->setGeometry(toQRect(sp::setButton(k)));
        m_buttons[k]->setToolTip(QString::fromUtf8(sp::kSetButtonText[k]));
        connect(m_buttons[k], &ClickArea::clicked, this, [this, k] { act(Action(k)); });
    }
    hide();
}

void SetPanel::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, artPixmap(Art::SetPanel));
}

void SetPanel::makeList()
{
    // Made at the first opening, not with the start screen, which comes up
    // sooner without the list, its style sheet and its font.
    if (m_list)
        return;
    m_list = new QListWidget(this);
    m_list->setGeometry(toQRect(sp::SetList));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setFont(boardFont(layout::kPlainFace, 15, true));
    m_list->setStyleSheet(QStringLiteral("QListWidget { background: white; color: #7A3E08; }"
                                         "QListWidget::item { padding: 6px; }"
                                         "QListWidget::item:selected { background: #FF981F; color: white; }"));
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { act(Choose); });
    m_list->show();
}

void SetPanel::open()
{
    refill(m_s.Set_Name);
    show();
    raise();
    m_list->setFocus();
}

QString SetPanel::selected() const
{
    const QListWidgetItem *item = m_list ? m_list->currentItem() : nullptr;
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void SetPanel::refill(const QString &select)
{
    makeList();
    m_list->clear();
    for (const QString &name : m_sets.names()) {
        const bool inUse = name == m_s.Set_Name;
        auto *item = new QListWidgetItem(inUse ? QStringLiteral("▶ %1  (지금 세트)").arg(name) : name, m_list);
        item->setData(Qt::UserRole, name);
        if (name == select)
            m_list->setCurrentItem(item);
    }
    if (!m_list->currentItem() && m_list->count() > 0)
        m_list->setCurrentRow(0);
}

void SetPanel::use(const QString &name)
{
    if (!useSet(m_s, m_sets, name))
        return;
    if (m_remember)
        m_remember(m_s.Set_Name);
    emit setChanged();
}

void SetPanel::act(Action a)
{
    switch (a) {
    case Choose:
        if (!selected().isEmpty()) {
            use(selected());
            hide();
        }
        break;
    case New: createSet(); break;
    case Rename: renameSet(); break;
    case Delete: deleteSet(); break;
    case Export: exportSet(); break;
    case Import: importSet(); break;
    case Close: hide(); break;
    }
}

void SetPanel::createSet()
{
    QString name = QStringLiteral("%1 복사본").arg(m_s.Set_Name);
    for (;;) {
        const auto typed = m_dialogs.askName(
            this, QStringLiteral("새 세트 만들기"),
            QStringLiteral("지금 세트 '%1'을(를) 복사해 새 세트를 만듭니다.\n새 세트의 이름:").arg(m_s.Set_Name), name);
        if (!typed)
            return;
        name = *typed;
        const SetOutcome made = m_sets.create(m_s.Set_Name, name);
        if (made.ok)
            break;
        m_dialogs.tell(this, made.message, true);
    }
    use(tidySetName(name));
    refill(m_s.Set_Name);
}

void SetPanel::renameSet()
{
    const QString from = selected();
    if (from == kDefaultSetName) {
        m_dialogs.tell(this, QStringLiteral("기본 세트의 이름은 바꿀 수 없습니다."), true);
        return;
    }
    QString to = from;
    for (;;) {
        const auto typed = m_dialogs.askName(this, QStringLiteral("세트 이름 바꾸기"),
                                             QStringLiteral("'%1' 세트의 새 이름:").arg(from), to);
        if (!typed)
            return;
        to = *typed;
        const SetOutcome renamed = m_sets.rename(from, to);
        if (renamed.ok)
            break;
        m_dialogs.tell(this, renamed.message, true);
    }
    if (from == m_s.Set_Name)
        use(tidySetName(to));
    refill(tidySetName(to));
}

void SetPanel::deleteSet()
{
    const QString name = selected();
    if (name == kDefaultSetName) {
        m_dialogs.tell(this, QStringLiteral("기본 세트는 지울 수 없습니다."), true);
        return;
    }
    if (name.isEmpty()
        || !m_dialogs.confirm(this, QStringLiteral("'%1' 세트를 지울까요?\n세트의 문제와 그림이 모두 지워지며 되살릴 수 없습니다.")
                                        .arg(name)))
        return;
    const SetOutcome removed = m_sets.remove(name);
    if (!removed.ok) {
        m_dialogs.tell(this, removed.message, true);
        return;
    }
    if (name == m_s.Set_Name)
        use(kDefaultSetName);
    refill(m_s.Set_Name);
}

void SetPanel::exportSet()
{
    const QString name = selected();
    if (name.isEmpty())
        return;
    const QString path = m_dialogs.exportPath(this, documentsFolder() + QLatin1Char('/') + name + QStringLiteral(".zip"));
    if (path.isEmpty())
        return;
    const SetOutcome out = ::exportSet(m_sets.folderOf(name), name, path, isReadablePicture);
    m_dialogs.tell(this, out.ok ? QStringLiteral("'%1' 세트를 내보냈습니다:\n%2").arg(name, path) : out.message, !out.ok);
}

void SetPanel::importSet()
{
    const QString path = m_dialogs.importPath(this);
    if (path.isEmpty())
        return;
    QString name;
    const SetOutcome in = ::importSet(path, m_sets, isReadablePicture, &name);
    if (!in.ok) {
        m_dialogs.tell(this, in.message, true);
        return;
    }
    refill(name);
    m_dialogs.tell(this, QStringLiteral("'%1' 세트를 가져왔습니다.\n쓰려면 '이 세트로 하기'를 누르세요.").arg(name), false);
}

SetPanel *addSetPanel(frmSplash *splash, Shared &s, QuizSets &sets, std::function<void(const QString &)> remember)
{
    auto *panel = new SetPanel(s, sets, std::move(remember), splash);
    splash->setSetName(s.Set_Name);
    QObject::connect(splash, &frmSplash::setsRequested, panel, &SetPanel::open);
    QObject::connect(panel, &SetPanel::setChanged, splash, [splash, &s] { splash->setSetName(s.Set_Name); });
    return panel;
}
