// platform/qt/qtstart.h - what the Qt tests (and later Qt-side helpers) need beyond the API
#pragma once
#include "platform/fenster.h"

class QWidget;

namespace plattform::qt {

// Makes sure a QApplication exists (creates one when none does), with LC_NUMERIC "C"
// and the dispatcher of posted messages, as starten() prepares them.
void anwendungSicherstellen();

// Deletes the widgets of destroyed windows now. Qt defers their deletion until control
// is back in an event loop; code that runs no loop (a test body) calls this where no
// event handler is on the stack.
void geloeschteFreigeben();

// the widget that makes up the window (the frame of a top-level window) and the one
// that paints and gets input; null for dead handles
QWidget* fensterWidget(Fenster f);
QWidget* clientWidget(Fenster f);

} // namespace plattform::qt
