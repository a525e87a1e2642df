#pragma once

#include <QIcon>
#include <QPalette>

enum class TToolbarGlyph { New, Open, Save, Cut, Copy, Paste, Read, Write, Print, Undo, Redo };

// The toolbar's glyphs, drawn at run time so the program carries no image files,
// with outlines and arrows that stand out on the toolbar's `palette`, light or dark.
QIcon ToolbarIcon(TToolbarGlyph glyph, const QPalette& palette);
