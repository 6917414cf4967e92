// core/fehler.h - the numbered error messages of the engine and the file readers
#pragma once

// The text of an error number in the session's language (Windows-1252); numbers without
// a text of their own give the unknown-error text. Valid until the language texts are
// loaded again.
const char* fehlerText(int code);

// Shows the text in a "Hinweis" box over the foreground window. The caller decides what
// happens next.
void fehlerMelden(int code);

// A thread that may not show boxes (the server thread) sends its errors here instead:
// while ziel is set on the calling thread, fehlerMelden keeps the first code in *ziel and
// shows nothing; the thread hands it to the GUI thread when it ends. null ends this.
void fehlerUmleiten(int* ziel);
