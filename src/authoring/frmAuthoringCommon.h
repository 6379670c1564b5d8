#pragma once
// Pieces the question file editor, the print window and the new text file
// dialog share: the window set-up, the black title panel and the place on
// the screen.
#include <QString>

class QDialog;
class QLabel;
class QWidget;

// Names and captions a window that can be resized and maximised, in the
// dialog font with a size grip.
void SetUpSizableWindow(QDialog *window, const QString &name, const QString &caption);

// The black panel "pnlTitle" across the top of a window with its white text.
QLabel *MakeTitlePanel(QWidget *parent, const QString &text);

// Gives a window its starting size and puts it in the middle of the screen.
void PlaceWindow(QDialog *window, int width, int height);
