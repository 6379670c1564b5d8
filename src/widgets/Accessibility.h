#pragma once
// Names for screen readers. Every control a person can act on gets an
// accessible name: a button by its text, a link by its text, an icon-only
// button by its command (its hint), any other control by its label (the
// label's buddy, the label just before it in its layout, or the label at its
// left or above it on screen), its hint or its group's title.
#include <QString>

class QWidget;

// True for the controls a person acts on (buttons, edit boxes, lists,
// drop-downs, text panes), not for parts of another control.
bool IsInteractiveControl(const QWidget *w);

// The name a screen reader says for `w` ("" when it has none).
QString AccessibleNameOf(const QWidget *w);

// Gives every unnamed interactive control inside `root` (and `root`) a name
// as described above. Names already set are kept.
void NameControls(QWidget *root);
// The same once `window` is first shown (its controls then have their
// places, so that labels beside them are found).
void NameControlsWhenShown(QWidget *window);
