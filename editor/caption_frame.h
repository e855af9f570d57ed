// A frame with its caption set into the top border line, children placed
// from the frame's outer top-left corner.
#pragma once

#include <QWidget>

class CaptionFrame : public QWidget {
    Q_OBJECT
public:
    CaptionFrame(const QString &title, QWidget *parent = nullptr);
    QString title() const { return m_title; }

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QString m_title;
};
