#pragma once
// The nine mouse-button messages (left, right, middle: press, release, double
// click) that reach a frame or a console control are sent on unchanged to its
// parent, with the point still in the control's own coordinates.

class QMouseEvent;
class QWidget;

// True when the event was one of the nine and has been sent to source's parent.
bool ForwardMouseToParent(QWidget* source, QMouseEvent* event);
