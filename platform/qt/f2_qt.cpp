// platform/qt/f2_qt.cpp - F2 for the registered dialog
//
// The application-wide key filter (eingabe_qt.cpp) asks here first. With a dialog
// registered, F2 anywhere becomes Befehl 2300 posted to it, whatever has the focus and
// whether or not the dialog has such a button. Without one, F2 aimed at a dialog does
// nothing, and while a modal dialog is open it reaches no window at all; otherwise it
// goes its usual way.
#include "platform/qt/qtdialog.h"
#include <QKeyEvent>
#include <QWidget>

namespace plattform {

namespace {

qt::DialogBezug angemeldet;

} // namespace

namespace qt {

bool f2Abfangen(QObject* ziel, const QKeyEvent* e)
{
    if (e->key() != Qt::Key_F2)
        return false;
    if (Fenster dlg = tastaturHookDialog()) {
        if (e->type() == QEvent::KeyPress)
            posten(dlg, nachricht::Befehl, machWParam(befehlOkF2, 0), 0);
        return true;
    }
    if (modalerDialogOffen())
        return true;
    // Qt hands a key to the window object first, then to the widget with the focus
    Fenster f = ziel->isWidgetType() ? fensterVonWidget(static_cast<QWidget*>(ziel)) : nullptr;
    return f && f->dialog;
}

} // namespace qt

void tastaturHookSetzen(Fenster dlg)
{
    if (istFenster(dlg))
        angemeldet = {dlg, dlg->nummer};
}

void tastaturHookEntfernen() { angemeldet = {}; }

// a registration ends with its dialog
Fenster tastaturHookDialog()
{
    if (!angemeldet.lebend())
        angemeldet = {};
    return angemeldet.f;
}

} // namespace plattform
