#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "gui/kit/helpcontext.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QObject;
class QWidget;

// Building blocks of the editor dialogs: their controls and the key filters they share.

QString TextOf(const std::string& text);
// A caption of the editors (marked QT_TRANSLATE_NOOP("Editors", ...)) in the language shown.
QString EditorText(const char* caption);

// An edit for `length` characters, just wide enough to show them.
QLineEdit* MakeEdit(QWidget* parent, int length, int help);
// The same, showing whatever is typed, pasted or set in capitals.
QLineEdit* MakeUpperCaseEdit(QWidget* parent, int length, int help);
QComboBox* MakeList(QWidget* parent, int help);
void FillList(QComboBox* list, const std::vector<std::string>& texts);
// A label that hands the focus and its help topic to the control it names.
QLabel* MakeLabel(const char* caption, QWidget* parent, QWidget* buddy = nullptr);

template <typename TButton>
TButton* MakeButton(const char* caption, QWidget* parent, int help) {
    auto* button = new TButton(EditorText(caption), parent);
    SetHelpContext(button, help);
    return button;
}

// Gives each control the name the dialog's design numbered it by ("Edit1", "RadioButton3") as
// its object name, so that a control can be traced from the design to the code and back.
void KeepDesignNames(std::initializer_list<std::pair<QObject*, const char*>> names);

// Tab moves through the controls in the order given.
void ChainTabOrder(std::initializer_list<QWidget*> order);

// Hands every key press of `widget` to `handler` before the widget sees it; the key is
// dropped when the handler returns true.
void FilterKeys(QWidget* widget, std::function<bool(QKeyEvent*)> handler);

bool IsEnterKey(const QKeyEvent* key);
// A key that types a character other than a digit or "." (Backspace, arrows and shortcuts
// type none). The frequency, offset and range edits drop these without a word.
bool TypesNonNumber(const QKeyEvent* key);
// The key filter of an edit that takes a set of characters (memory name, DTMF code): a typed
// character outside the set (small letters count as capitals) is dropped with the invalid
// character message; Escape goes on to the dialog. True when the key is dropped.
bool RefuseCharacterKey(QWidget* parent, const QKeyEvent* key, bool (*allowed)(char));
// What the key filter cannot see, such as pasted text: an edit holding a character outside
// the set is told about and emptied.
void ClearInvalidText(QLineEdit* edit, bool (*allowed)(char));
