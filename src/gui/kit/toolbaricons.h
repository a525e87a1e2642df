#pragma once

#include <QIcon>

enum class TToolbarGlyph { New, Open, Save, Cut, Copy, Paste, Read, Write, Print, Undo, Redo };

// The toolbar's glyphs, drawn at run time so the program carries no image files.
QIcon ToolbarIcon(TToolbarGlyph glyph);
