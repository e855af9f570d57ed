// Helpers for the quiz editor on screen: where a design box lies, clicks that
// go through the window, the tables as the data files hold them.
#pragma once

#include "core/shared_state.h"
#include "data/datafiles.h"
#include "editor/editor_layout.h"

#include <QtTest>

inline QPoint centre(const editor_layout::Box &b)
{
    return QPoint(b.x + b.width / 2, b.y + b.height / 2);
}

// A click that goes through the window, landing on whatever lies at p.
inline void clickAt(QWidget *window, QPoint p)
{
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, p);
}

// The tables as the data files in appDir hold them now.
inline Shared reloaded(const QString &appDir)
{
    Shared r;
    r.App_Dir = appDir;
    Load_Quiz(r);
    return r;
}
