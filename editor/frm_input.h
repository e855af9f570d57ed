// The quiz editor "FrmInput": one game's nine questions with answers, its
// picture and the picture's caption. Opened on a game (Edit_Game_No at
// creation), it keeps that game until it is left; the save writes the tables,
// the picture and both data files, the cancel changes nothing.
#pragma once

#include "data/editor_rules.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class MultiLineBox;
class OneLineBox;
class PictureStore;
class CaptionFrame;
class FitHint;
class QLabel;
class QPushButton;
struct Shared;

class FrmInput : public QWidget {
    Q_OBJECT
public:
    // Asks for a picture file; an empty path means the host cancelled.
    using FileChooser = std::function<QString(QWidget *parent)>;
    // What the host chose when asked about unsaved changes.
    enum class KeepChanges { Save, Discard, Stay };
    // Asks 저장 / 저장 안 함 / 취소 about the unsaved changes.
    using ChangesQuestion = std::function<KeepChanges(QWidget *parent)>;
    // Tells the host something went wrong (a message box in the program).
    using Messenger = std::function<void(QWidget *parent, const QString &text)>;

    // Loads the editor for s.Edit_Game_No and fills it (Set_Data). mainRenew
    // is Main_Renew: it makes the board in use accept input again.
    FrmInput(Shared &s, std::function<void()> mainRenew, QWidget *owner = nullptr);
    ~FrmInput() override;

    int game() const { return m_game; }
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }
    // Where example picture i comes from (null: not built in).
    using ExampleSource = std::function<QImage(int index)>;
    void setExampleSource(ExampleSource source) { m_examples = std::move(source); }
    void setChangesQuestion(ChangesQuestion ask) { m_ask = std::move(ask); }
    void setMessenger(Messenger tell) { m_tell = std::move(tell); }

    // The boxes or the picture differ from what the game held when opened.
    bool hasChanges() const;
    // Asks about unsaved changes when there are any; true when the editor may
    // go (saved, or the host chose not to save), false to stay.
    bool mayLeave();
    // The last note about typed or pasted text the files cannot hold.
    QLabel *notice() const { return m_notice; }
    // Why the game's picture could not be shown (empty when it could).
    const QString &pictureError() const { return m_pictureError; }

    void Set_Data();
    void Set_EX_Img();
    void Main_Renew();

    // Element access, by the names of the layout table.
    MultiLineBox *Text1() const { return m_text1; }
    MultiLineBox *qa1(int i) const { return m_qa1[i]; }
    OneLineBox *qa_answer1(int i) const { return m_answer[i]; }
    CaptionFrame *Frame1(int i) const { return m_frame[i]; }
    QWidget *Picture1() const { return m_picture1; }
    QWidget *Picture2() const { return m_picture2; }
    QWidget *Picture3() const { return m_picture3; }
    PictureStore *Pic_IMGBOX() const { return m_store; }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *Command2() const { return m_command2; }
    QPushButton *Command3() const { return m_command3; }
    QPushButton *Command4() const { return m_command4; }
    QPushButton *Command5() const { return m_command5; }
    QPushButton *Command6() const { return m_command6; }
    const QImage &Image1() const { return m_image1; }
    // How each question and the caption will be set on the board.
    FitHint *questionFit(int i) const { return m_questionFit[i]; }
    FitHint *captionFit() const { return m_captionFit; }
    // The part of Image1 the preview shows: what the board shows.
    QRect previewCrop() const;
    const QString &Img_Ext() const { return m_imgExt; }
    QString EX_Title(int i) const { return i >= 0 && i < 36 ? m_exTitle[i] : QString(); }

public slots:
    void scrollUp();    // Command4 ▲
    void scrollDown();  // Command5 ▼
    bool save();        // Command2 저장하기; false when nothing was saved
    void cancel();      // Command1 취소
    void showStore();   // Command3 그림창고
    void pickExample(int index);  // IB_Img(index)
    void browse();      // Command6 그림 찾아보기

protected:
    void paintEvent(QPaintEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void buildFrames();
    void moveFrames(int dy);
    void bringFrameIntoView(int i);
    void onFocusChanged(QWidget *now);
    GameEdit boxes() const;
    void showNotice(QWidget *box, const QString &text);

    Shared &m_s;
    std::function<void()> m_mainRenew;
    FileChooser m_chooser;
    ExampleSource m_examples;
    const int m_game;
    bool m_left = false;  // saved or cancelled: the close is not a cancel
    ChangesQuestion m_ask;
    Messenger m_tell;
    GameEdit m_opened;              // the boxes as Set_Data filled them
    bool m_pictureChanged = false;  // a picture was picked or browsed
    QString m_pictureError;
    QLabel *m_notice = nullptr;
    QMetaObject::Connection m_focusWatch;

    QImage m_image1;   // the picture at its stored size; the preview stretches it
    QString m_imgExt;  // Img_Ext
    std::array<QString, 36> m_exTitle;  // EX_Title; entry 35 stays empty

    QWidget *m_picture1 = nullptr;
    QWidget *m_picture2 = nullptr;
    QWidget *m_picture3 = nullptr;
    QWidget *m_picture4 = nullptr;
    std::array<CaptionFrame *, 9> m_frame{};
    std::array<MultiLineBox *, 9> m_qa1{};
    std::array<OneLineBox *, 9> m_answer{};
    std::array<FitHint *, 9> m_questionFit{};
    FitHint *m_captionFit = nullptr;
    MultiLineBox *m_text1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QPushButton *m_command4 = nullptr;
    QPushButton *m_command5 = nullptr;
    QPushButton *m_command6 = nullptr;
    PictureStore *m_store = nullptr;
};

// The question about unsaved changes as a message box: 저장 / 저장 안 함 / 취소.
FrmInput::KeepChanges askAboutChanges(QWidget *parent);
// A warning message box.
void showSaveProblem(QWidget *parent, const QString &text);
