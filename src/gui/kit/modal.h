#pragma once

#include <QEvent>
#include <functional>

class QDialog;

// Runs a dialog modally and returns its result code. Every modal dialog of
// the program goes through here, so a test can answer it without a person.
// When it has closed, its parent's window gets a DialogClosedEvent() (posted,
// so it arrives after the command that opened the dialog has finished).
int ExecModal(QDialog& dialog);
QEvent::Type DialogClosedEvent();

// The responder gets the dialog instead of the user: it may set its controls,
// press its buttons, and returns the result code. Empty restores exec().
using TModalResponder = std::function<int(QDialog&)>;
void SetModalResponder(TModalResponder responder);
