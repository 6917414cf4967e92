// core/fehler.h - the numbered error messages of the engine and the file readers
#pragma once

// The text of an error number, Windows-1252; numbers without a text of their own give
// the unknown-error text.
const char* fehlerText(int code);

// Shows the text in a "Hinweis" box over the foreground window. The caller decides what
// happens next.
void fehlerMelden(int code);
