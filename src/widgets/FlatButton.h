#pragma once

#include <QString>

class QToolButton;
class QWidget;

// The look of the program's text buttons: a raised face with a frame at rest, so that they
// read as buttons, a lighter face and a darker frame under the mouse, a sunken face while
// pressed and grey text while disabled. `textStyle` adds declarations of the window's own
// (font, padding) to the button's rule.
void MakeFlat(QToolButton* button, const QString& textStyle = {});

// A new text-only button of that look and name, which takes no keyboard focus.
QToolButton* FlatButton(QWidget* parent, const char* name, const QString& textStyle = {});
