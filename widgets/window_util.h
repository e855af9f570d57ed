#pragma once

#include <Qt>

class QWidget;

// Flags of a fixed-size top-level window of the given type (Qt::Window,
// Qt::Dialog): a title bar with only the close button.
constexpr Qt::WindowFlags fixedWindowFlags(Qt::WindowType type)
{
    return type | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
           | Qt::CustomizeWindowHint;
}

// Moves a top-level window so that it stands in the middle of its screen.
void centreOnScreen(QWidget *w);
