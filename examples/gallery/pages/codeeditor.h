#pragma once

class QsciScintilla;

// A JavaScript editor with line numbers in a fixed-pitch font, as the gallery's pages show code.
QsciScintilla* createJavaScriptEditor();
