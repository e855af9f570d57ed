// The picture store "Pic_IMGBOX": the 35 example pictures as 100 x 100
// thumbnails, seven columns by five rows. A click on one reports its index.
#pragma once

#include "widgets/artwork.h"
#include "widgets/click_area.h"

#include <QFrame>
#include <QLabel>

class ExampleThumb : public QLabel {
    Q_OBJECT
public:
    ExampleThumb(int index, QWidget *parent);

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    int m_index;
    LeftClick m_click;
};

class QPushButton;

// Closed without a pick by its 닫기 button (where the window's 취소 lies) or Escape.
class PictureStore : public QFrame {
    Q_OBJECT
public:
    explicit PictureStore(QWidget *parent = nullptr);
    ExampleThumb *IB_Img(int i) const { return m_thumbs[i]; }
    QPushButton *closeButton() const { return m_close; }
    void setTitles(const QStringList &titles);  // shown as each picture's tip

signals:
    void picked(int index);

protected:
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    QPushButton *m_close = nullptr;
    ExampleThumb *m_thumbs[kExampleCount] = {};
    bool m_thumbsLoaded = false;
};
