#pragma once

class QToolButton;
class QWidget;

// The flat look of the buttons of the settings window and the editor: no frame until the
// mouse is over a button, a raised frame then and a sunken one while it is pressed.
void MakeFlat(QToolButton* button);

// A new text-only flat button of that name, which takes no keyboard focus.
QToolButton* FlatButton(QWidget* parent, const char* name);
