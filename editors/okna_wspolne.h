// What the shared dialogs do alike: where they open.
#pragma once

class QWidget;

// Centres the window over `nad` (when it is a visible window), else on
// its screen.
void wysrodkuj(QWidget &okno, const QWidget *nad = nullptr);
