#include "editor/frm_input.h"

#include "editor/fit_hint.h"
#include "layout/layout.h"
#include "widgets/board_fit.h"
#include "widgets/picture_crop.h"

#include "core/shared_state.h"
#include "data/datafiles.h"
#include "data/editor_rules.h"
#include "data/quiz_line.h"
#include "editor/caption_frame.h"
#include "editor/editor_boxes.h"
#include "editor/editor_layout.h"
#include "editor/picture_dialog.h"
#include "editor/picture_store.h"
#include "widgets/artwork.h"
#include "widgets/board_font.h"
#include "widgets/picture_files.h"
#include "widgets/quit_checks.h"
#include "widgets/window_util.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

#include <cmath>

namespace el = editor_layout;

namespace {

QRect rectOf(const el::Box &b)
{
    return QRect(b.x, b.y, b.width, b.height);
}

// Design sizes are points at 96 dots an inch; the window is laid out in pixels.
QFont fontOf(const el::Font &f)
{
    return boardFont(el::kFace, f.points, f.bold);
}

void setBackground(QWidget *w, std::uint32_t rgb)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(rgb));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QLabel *label(QWidget *parent, const el::Box &b, const char *text, const el::Font &font,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
{
    auto *l = new QLabel(QString::fromUtf8(text), parent);
    l->setGeometry(rectOf(b));
    l->setFont(fontOf(font));
    l->setAlignment(align);
    return l;
}

QPushButton *button(QWidget *parent, const el::Box &b, const QString &text, const el::Font &font)
{
    auto *btn = new QPushButton(text, parent);
    btn->setGeometry(rectOf(b));
    btn->setFont(fontOf(font));
    btn->setAutoDefault(false);
    return btn;
}

// The arrow buttons are narrow: their arrows stand one above the other.
QString column(const char *arrows)
{
    return QString::fromUtf8(arrows).split(QString(), Qt::SkipEmptyParts).join(QLatin1Char('\n'));
}

}  // namespace

FrmInput::KeepChanges askAboutChanges(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(el::kCaption),
                    QStringLiteral("고친 내용을 아직 저장하지 않았습니다. 저장할까요?"),
                    QMessageBox::NoButton, parent);
    QPushButton *save = box.addButton(QStringLiteral("저장"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("저장 안 함"), QMessageBox::DestructiveRole);
    QPushButton *stay = box.addButton(QStringLiteral("취소"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(stay);
    box.exec();
    if (box.clickedButton() == save)
        return FrmInput::KeepChanges::Save;
    if (box.clickedButton() == discard)
        return FrmInput::KeepChanges::Discard;
    return FrmInput::KeepChanges::Stay;
}

void showSaveProblem(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, QString::fromUtf8(el::kCaption), text);
}

FrmInput::FrmInput(Shared &s, std::function<void()> mainRenew, QWidget *owner)
    : QWidget(owner, fixedWindowFlags(Qt::Dialog)),
      m_s(s),
      m_mainRenew(std::move(mainRenew)),
      m_chooser(choosePictureFile),
      m_examples(exampleImage),
      m_game(s.Edit_Game_No),
      m_ask(askAboutChanges),
      m_tell(showSaveProblem)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::number(m_game + 1) + QString::fromUtf8(el::kCaption));
    setFixedSize(el::kClientWidth, el::kClientHeight);
    setBackground(this, el::kWindowColour);
    setFont(fontOf(el::kDefaultFont));

    // Children are created back to front. Labels without a window of their
    // own come first: they lie on the window's surface, behind everything.
    label(this, el::Label1_12, el::kLabel1_12Text, el::kLabel1_12Font);

    m_picture1 = new QWidget(this);
    m_picture1->setGeometry(rectOf(el::Picture1));
    setBackground(m_picture1, el::kWindowColour);
    buildFrames();

    m_picture4 = new QWidget(this);
    m_picture4->setGeometry(rectOf(el::Picture4));
    setBackground(m_picture4, el::kWindowColour);
    m_picture3 = new QWidget(this);
    m_picture3->setGeometry(rectOf(el::Picture3));
    setBackground(m_picture3, el::kWindowColour);
    m_picture2 = new QWidget(this);
    m_picture2->setGeometry(rectOf(el::Picture2));
    setBackground(m_picture2, el::kWhite);
    m_command3 = button(m_picture2, el::Command3, QString::fromUtf8(el::kCommand3Text), el::kDefaultFont);

    m_command1 = button(this, el::Command1, QString::fromUtf8(el::kCommand1Text), el::kSaveCancelFont);
    m_command2 = button(this, el::Command2, QString::fromUtf8(el::kCommand2Text), el::kSaveCancelFont);

    auto *frame7 = new QWidget(this);
    frame7->setGeometry(rectOf(el::Frame7));
    setBackground(frame7, el::kWindowColour);
    label(frame7, el::Label13, el::kLabel13Text, el::kDefaultFont);

    m_command4 = button(this, el::Command4, column(el::kCommand4Text), el::kDefaultFont);
    m_command5 = button(this, el::Command5, column(el::kCommand5Text), el::kDefaultFont);

    m_text1 = new MultiLineBox(BoxKind::Caption, this);
    m_text1->setGeometry(rectOf(el::Text1));
    m_text1->setFont(fontOf(el::kText1Font));
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        QPalette pal = m_text1->palette();
        pal.setColor(QPalette::Text, QColor::fromRgb(el::kCaptionInk));
        m_text1->setPalette(pal);
    }
    m_text1->setPlainText(QString::fromUtf8(el::kText1Design));
    m_captionFit = new FitHint(this, false);
    m_captionFit->setGeometry(rectOf(el::CaptionFit));
    connect(m_text1, &QPlainTextEdit::textChanged, this,
            [this] { m_captionFit->showFit(fitCaption(m_text1->toPlainText()).fit); });

    m_command6 = button(this, el::Command6, QString::fromUtf8(el::kCommand6Text), el::kCommand6Font);
    {
        QPalette pal = m_command6->palette();
        pal.setColor(QPalette::Button, QColor::fromRgb(el::kBrowseColour));
        m_command6->setPalette(pal);
    }

    m_store = new PictureStore(this);
    m_store->setGeometry(rectOf(el::Pic_IMGBOX));
    m_store->hide();

    connect(m_command4, &QPushButton::clicked, this, &FrmInput::scrollUp);
    connect(m_command5, &QPushButton::clicked, this, &FrmInput::scrollDown);
    connect(m_command2, &QPushButton::clicked, this, &FrmInput::save);
    connect(m_command1, &QPushButton::clicked, this, &FrmInput::cancel);
    connect(m_command3, &QPushButton::clicked, this, &FrmInput::showStore);
    connect(m_command6, &QPushButton::clicked, this, &FrmInput::browse);
    connect(m_store, &PictureStore::picked, this, &FrmInput::pickExample);
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget *, QWidget *now) { onFocusChanged(now); });

    m_notice = new QLabel(this);
    m_notice->setWordWrap(true);
    m_notice->setAutoFillBackground(true);
    m_notice->setFrameStyle(QFrame::Box | QFrame::Plain);
    {
        QPalette pal = m_notice->palette();
        pal.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xC0));
        pal.setColor(QPalette::WindowText, Qt::black);
        m_notice->setPalette(pal);
    }
    m_notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_notice->hide();
    connect(m_text1, &MultiLineBox::textAltered, this, [this](const QString &n) { showNotice(m_text1, n); });
    for (int i = 0; i < 9; ++i) {
        connect(m_qa1[i], &MultiLineBox::textAltered, this, [this, i](const QString &n) { showNotice(m_qa1[i], n); });
        connect(m_answer[i], &OneLineBox::textAltered, this,
                [this, i](const QString &n) { showNotice(m_answer[i], n); });
    }
    // Unsaved edits stop the program from quitting until the host answers.
    addQuitCheck(this, [this] { return !isVisible() || mayLeave(); });

    // Tab walks the caption, then each question with its answer.
    QWidget *prev = m_text1;
    for (int i = 0; i < 9; ++i) {
        setTabOrder(prev, m_qa1[i]);
        setTabOrder(m_qa1[i], m_answer[i]);
        prev = m_answer[i];
    }

    Set_Data();
    m_store->setTitles(QStringList(m_exTitle.begin(), m_exTitle.begin() + kExampleCount));
}

FrmInput::~FrmInput()
{
    // Deleting the children moves the focus; the handler must not run on a
    // window that is half gone.
    disconnect(m_focusWatch);
}

void FrmInput::buildFrames()
{
    for (int i = 0; i < 9; ++i) {
        auto *frame = new CaptionFrame(QString::number(i + 1) + QString::fromUtf8(el::kFrameCaptionSuffix),
                                    m_picture1);
        frame->setGeometry(el::frameX(i), el::frameY(i), el::kFrameWidth, el::kFrameHeight);
        frame->setFont(fontOf(el::kFrameFont));
        setBackground(frame, el::kWindowColour);
        label(frame, el::Label1, el::kLabel1Text, el::kLabelFont, Qt::AlignHCenter | Qt::AlignTop);
        label(frame, el::Label2, el::kLabel2Text, el::kLabelFont, Qt::AlignHCenter | Qt::AlignTop);
        m_qa1[i] = new MultiLineBox(BoxKind::Question, frame);
        m_qa1[i]->setGeometry(rectOf(el::qa1));
        m_qa1[i]->setFont(fontOf(el::kQuestionFont));
        m_qa1[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_qa1[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_answer[i] = new OneLineBox(frame);
        m_answer[i]->setGeometry(rectOf(el::qa_answer1));
        m_answer[i]->setFont(fontOf(el::kAnswerFont));
        m_questionFit[i] = new FitHint(frame, true);
        m_questionFit[i]->setGeometry(rectOf(el::QuestionFit));
        MultiLineBox *question = m_qa1[i];
        FitHint *hint = m_questionFit[i];
        connect(question, &QPlainTextEdit::textChanged, hint,
                [question, hint] { hint->showFit(fitQuestion(question->toPlainText()).fit); });
        m_frame[i] = frame;
    }
}

void FrmInput::Set_Data()
{
    const QString picLine = m_s.Picture_Table[m_game];
    const QString fileName = lineField(picLine, 1).value_or(QString());
    const PictureFile picture = fileName.isEmpty() ? PictureFile{}
                                                   : loadPicture(setDir(m_s) + kPictureFolder + fileName);
    m_image1 = picture.image;
    m_pictureError = picture.error;
    if (const auto caption = lineField(picLine, 2))
        m_text1->setPlainText(*caption);
    m_imgExt = extensionFromPictureName(fileName);
    for (int i = 0; i < 9; ++i) {
        const QString &quizLine = m_s.Quiz_Table[m_game][i];
        if (const auto q = lineField(quizLine, 1))
            m_qa1[i]->setPlainText(questionBoxText(*q));
        if (const auto a = lineField(quizLine, 2))
            m_answer[i]->setText(*a);
        m_frame[i]->move(el::frameX(i), el::frameY(i));
    }
    Set_EX_Img();
    m_opened = boxes();
    m_pictureChanged = false;
    update();
}

void FrmInput::Set_EX_Img()
{
    const QStringList &titles = exampleTitles();
    for (int i = 0; i < titles.size() && i < kExampleCount; ++i)
        m_exTitle[i] = titles.at(i);
}

void FrmInput::Main_Renew()
{
    if (m_mainRenew)
        m_mainRenew();
}

void FrmInput::moveFrames(int dy)
{
    for (CaptionFrame *f : m_frame)
        f->move(f->x(), f->y() + dy);
}

void FrmInput::scrollUp()
{
    if (m_frame[0]->y() < 0)
        moveFrames(el::kFrameRowStep);
}

void FrmInput::scrollDown()
{
    if (m_frame[8]->y() > el::kFrameRowStep)
        moveFrames(-el::kFrameRowStep);
}

// Tabbing into a frame hidden under the strips scrolls it into the visible band.
void FrmInput::bringFrameIntoView(int i)
{
    while (m_frame[i]->y() < 0 && m_frame[0]->y() < 0)
        scrollUp();
    while (m_frame[i]->y() + el::kFrameHeight > el::kPicture1VisibleHeight
           && m_frame[8]->y() > el::kFrameRowStep)
        scrollDown();
}

void FrmInput::onFocusChanged(QWidget *now)
{
    for (int i = 0; now && i < 9; ++i)
        if (m_frame[i]->isAncestorOf(now))
            bringFrameIntoView(i);
}

GameEdit FrmInput::boxes() const
{
    GameEdit edit;
    edit.caption = m_text1->toPlainText();
    for (int i = 0; i < 9; ++i) {
        edit.questions[i] = m_qa1[i]->toPlainText();
        edit.answers[i] = m_answer[i]->text();
    }
    return edit;
}

bool FrmInput::hasChanges() const
{
    if (m_pictureChanged || !m_text1->composition().isEmpty())
        return true;
    for (int i = 0; i < 9; ++i)
        if (!m_qa1[i]->composition().isEmpty() || !m_answer[i]->composition().isEmpty())
            return true;
    const GameEdit now = boxes();
    return now.caption != m_opened.caption || now.questions != m_opened.questions
           || now.answers != m_opened.answers;
}

bool FrmInput::mayLeave()
{
    if (m_left || !hasChanges())
        return true;
    raise();
    activateWindow();
    switch (m_ask ? m_ask(this) : KeepChanges::Stay) {
    case KeepChanges::Save:
        return save();
    case KeepChanges::Discard:
        return true;
    case KeepChanges::Stay:
        break;
    }
    return false;
}

bool FrmInput::save()
{
    if (m_left)
        return true;
    // A syllable still being composed belongs to what the host typed, also
    // when the save comes from where no focus change finished it.
    m_text1->commitComposition();
    for (int i = 0; i < 9; ++i) {
        m_qa1[i]->commitComposition();
        m_answer[i]->commitComposition();
    }
    // The edit goes into a copy of the tables; they take it only once both
    // files and the picture are written.
    Shared saved = m_s;
    const QString name = m_image1.isNull() ? QString() : storedPictureName(m_game, m_imgExt);
    applyGameEdit(saved, m_game, boxes(), name);
    const WriteError error = saveGameFiles(saved, name, bitmapBytes(m_image1));
    if (error.failed()) {
        if (m_tell)
            m_tell(this, QStringLiteral("이 게임의 문제와 그림을 저장하지 못했습니다.\n%1\n\n"
                                        "Quiz.qdf, BIP.QDF와 그림은 저장하기 전 그대로이고, "
                                        "고친 내용은 이 창에 남아 있습니다.")
                             .arg(writeErrorText(error)));
        return false;
    }
    m_s.Quiz_Table = saved.Quiz_Table;
    m_s.Picture_Table = saved.Picture_Table;
    m_s.Edit_Game_No = std::int16_t(m_game);
    m_left = true;
    close();
    return true;
}

void FrmInput::cancel()
{
    if (m_left)
        return;
    m_left = true;
    Main_Renew();
    close();
}

void FrmInput::showNotice(QWidget *box, const QString &text)
{
    if (text.isEmpty())
        return;
    m_notice->setText(text);
    const QPoint at = box->mapTo(this, QPoint(0, box->height()));
    const int width = qMax(box->width(), 300);
    m_notice->setFixedWidth(width);
    m_notice->adjustSize();
    m_notice->move(qBound(0, at.x(), this->width() - width), qMin(at.y() + 2, height() - m_notice->height()));
    m_notice->show();
    m_notice->raise();
}

void FrmInput::showStore()
{
    m_store->show();
    m_store->raise();
}

void FrmInput::pickExample(int index)
{
    const QImage picture = m_examples ? m_examples(index) : QImage();
    m_store->hide();
    if (picture.isNull())
        return;  // the illustration is not built in: nothing changes
    m_image1 = picture;
    m_pictureError.clear();
    m_pictureChanged = true;
    m_text1->setPlainText(m_exTitle[index]);
    m_imgExt = QStringLiteral("jpg");
    update(rectOf(el::Image1));
}

void FrmInput::browse()
{
    const QString path = m_chooser ? m_chooser(this) : QString();
    if (path.isEmpty())
        return;
    const PictureFile picture = loadPicture(path);
    if (picture.image.isNull()) {
        if (m_tell)
            m_tell(this, QStringLiteral("그림을 가져오지 못했습니다.\n%1").arg(picture.error));
        return;
    }
    m_image1 = picture.image;
    m_pictureError.clear();
    m_pictureChanged = true;
    m_imgExt = extensionFromChosenFile(path);
    m_text1->clear();
    update(rectOf(el::Image1));
}

void FrmInput::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QColor::fromRgb(el::kWhite));
    p.drawRect(rectOf(el::Shape1).adjusted(0, 0, -1, -1));
    if (!m_image1.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rectOf(el::Image1), m_image1, previewCrop());
    } else if (!m_pictureError.isEmpty()) {
        // Why there is no picture, where the picture would be.
        p.setPen(QColor::fromRgb(el::kWhite));
        p.drawText(rectOf(el::Image1).adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("그림을 보여 줄 수 없습니다.\n") + m_pictureError);
    }
}

QRect FrmInput::previewCrop() const
{
    return centredCrop(m_image1.size(), QSize(layout::Img_SRC.width, layout::Img_SRC.height));
}

void FrmInput::closeEvent(QCloseEvent *e)
{
    // Leaving by the title bar is a cancel, after asking about unsaved edits.
    if (!m_left && !mayLeave()) {
        e->ignore();
        return;
    }
    if (!m_left) {
        m_left = true;
        Main_Renew();
    }
    e->accept();
}
