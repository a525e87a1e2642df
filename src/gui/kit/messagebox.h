#pragma once

#include <QString>
#include <functional>

class QWidget;

// The button and icon sets the program's message boxes use.
enum class TMessageStyle {
    Error,               // OK, stop icon
    Warning,             // OK, exclamation icon
    Information,         // OK, information icon
    YesNoQuestion,       // Yes/No, question icon
    OkCancelQuestion,    // OK/Cancel, question icon
    OkCancelWarning,     // OK/Cancel, exclamation icon
    YesNoCancelWarning,  // Yes/No/Cancel, exclamation icon
    // Overwrite (answered Yes) / Save As... (answered No) / Cancel, exclamation
    // icon; Cancel is the default, as nothing is lost by it.
    OverwriteSaveAsCancel,
    // OK / Ports... (answered Yes), exclamation icon: a port that cannot be
    // used, with the way to the ports overview; OK is the default.
    PortWarning,
};

enum class TMessageAnswer { Ok, Cancel, Yes, No };

struct TShownMessage {
    QString Text;
    TMessageStyle Style;
    QString Detail;  // empty when the box has none
};

// Shows a modal message box captioned "TAVRIN" and returns the button pressed.
// The text is translated here in context "Messages"; the caption stays.
// `detail` (such as which file and why) is shown under the fixed text when
// the box's details are opened.
TMessageAnswer ShowMessage(QWidget* parent, const QString& text, TMessageStyle style,
                           const QString& detail = {});

// Lets a test answer the message boxes instead of a person; an empty
// responder restores the real boxes.
using TMessageResponder = std::function<TMessageAnswer(const TShownMessage&)>;
void SetMessageResponder(TMessageResponder responder);
