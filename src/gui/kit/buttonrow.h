#pragma once

#include <initializer_list>

class QBoxLayout;
class QHBoxLayout;
class QWidget;

// The dialogs' buttons: a row aligned to the right.
QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons);

// Ends a dialog's layout with its buttons right-aligned under everything else; the
// dialog keeps the size of its contents.
void EndWithButtons(QBoxLayout* layout, std::initializer_list<QWidget*> buttons);
