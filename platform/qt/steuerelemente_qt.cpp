// platform/qt/steuerelemente_qt.cpp - text box, trackbar and tooltips
//
// Text box and trackbar are windows of ours (built-in classes) holding one Qt widget that
// fills their client area, so placing, showing and destroying them work as for any window
// and they die with their parent.
#include "platform/qt/qtfenster.h"
#include "platform/qt/schiebemelder.h"
#include "platform/zeichensatz.h"
#include "platform/qt/zeichenflaeche.h"
#include "platform/steuerelemente.h"
#include <QScrollBar>
#include <QSlider>
#include <QTextEdit>
#include <QToolTip>
#include <algorithm>

namespace plattform {

namespace {

const QString inhaltName = QStringLiteral("inhalt");

// the Qt widget that makes up a control window, if f is one of this kind
template <class T>
T* inhalt(Fenster f, const char* klasse)
{
    if (!istFenster(f) || f->klasse != klasse)
        return nullptr;
    return f->klient->findChild<T*>(inhaltName, Qt::FindDirectChildrenOnly);
}

// The control widget follows the size of its window. A key reaches the window only when
// the widget had no use for it: it goes on to the parent, whose shortcuts it is.
intptr_t steuerProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (n == nachricht::Groesse && istFenster(f))
        if (auto* innen = f->klient->findChild<QWidget*>(inhaltName, Qt::FindDirectChildrenOnly))
            innen->setGeometry(0, 0, f->klient->width(), f->klient->height());
    if (istTastenNachricht(n) && istFenster(f))
        return senden(f->eltern, n, w, l);
    return standardFensterProc(f, n, w, l);
}

Fenster kindErzeugen(const char* klasse, Fenster eltern, int id, const Rechteck& r)
{
    if (!istFenster(eltern))
        return nullptr;
    qt::eingebauteKlassenRegistrieren();
    Fenster f = fensterErzeugen(klasse, "", stil::Kind | stil::Sichtbar, r.links, r.oben, r.breite(), r.hoehe(), eltern);
    if (f)
        f->id = id;
    return f;
}

void einsetzen(Fenster f, QWidget* w)
{
    w->setObjectName(inhaltName);
    w->setGeometry(0, 0, f->klient->width(), f->klient->height());
    w->show();
}

// line ends of the program's texts ("\r\n", also "\r" or "\n") as the box keeps them
QString zeilen(const std::string& text)
{
    return qt::text(zeilenendenLf(text));
}

// ---- trackbar ---------------------------------------------------------------------------

// the user's moves go to the parent, as HScroll/VScroll with l = the trackbar
void reglerMelden(QSlider* s, int code, int position)
{
    Fenster regler = qt::fensterVonWidget(s);
    const uint32_t n = s->orientation() == Qt::Vertical ? nachricht::VScroll : nachricht::HScroll;
    senden(elternFenster(regler), n, machWParam(code, position), reinterpret_cast<intptr_t>(regler));
}

qt::Schiebemelder* melderVon(QSlider* s) { return s->findChild<qt::Schiebemelder*>(); }

// the widget of a control with this id: a child window of ours, or a dialog's control
QWidget* steuerelement(Fenster f, int id)
{
    if (id == 0)
        return f->klient;
    QWidget* wurzel = qt::aussen(f);
    for (QWidget* w : wurzel->findChildren<QWidget*>()) {
        if (auto* k = dynamic_cast<qt::Klient*>(w); k && k->fenster && k->fenster->eltern == f && k->fenster->id == id)
            return w;
        const QVariant v = w->property(qt::steuerIdEigenschaft);
        if (v.isValid() && v.toInt() == id)
            return w;
    }
    return nullptr;
}

} // namespace

namespace qt {

void eingebauteKlassenRegistrieren()
{
    constexpr uint32_t keineFarbe = 0x1000000;   // they paint all of themselves
    klasseRegistrieren({statusleisteKlasse, statusleisteProc, keineFarbe});
    klasseRegistrieren({textfeldKlasse, steuerProc, keineFarbe});
    klasseRegistrieren({schiebereglerKlasse, steuerProc, keineFarbe});
}

} // namespace qt

// ---- text box ------------------------------------------------------------------------------

Fenster textfeldErzeugen(Fenster eltern, int id, const Rechteck& r, bool nurLesen)
{
    Fenster f = kindErzeugen(qt::textfeldKlasse, eltern, id, r);
    if (!f)
        return nullptr;
    auto* t = new QTextEdit(f->klient);
    t->setAcceptRichText(false);
    t->setReadOnly(nurLesen);
    einsetzen(f, t);
    return f;
}

void textfeldTextSetzen(Fenster feld, const std::string& text)
{
    if (auto* t = inhalt<QTextEdit>(feld, qt::textfeldKlasse))
        t->setPlainText(zeilen(text));
}

void textfeldAnhaengen(Fenster feld, const std::string& text)
{
    auto* t = inhalt<QTextEdit>(feld, qt::textfeldKlasse);
    if (!t)
        return;
    t->moveCursor(QTextCursor::End);
    t->insertPlainText(zeilen(text));
    t->moveCursor(QTextCursor::End);
    t->verticalScrollBar()->setValue(t->verticalScrollBar()->maximum());
}

// line ends come back as "\n"
std::string textfeldText(Fenster feld)
{
    auto* t = inhalt<QTextEdit>(feld, qt::textfeldKlasse);
    return t ? qt::text(t->toPlainText()) : std::string();
}

void textfeldTextUebernehmen(Fenster nach, Fenster von)
{
    auto* quelle = inhalt<QTextEdit>(von, qt::textfeldKlasse);
    auto* ziel = inhalt<QTextEdit>(nach, qt::textfeldKlasse);
    if (quelle && ziel)
        ziel->setPlainText(quelle->toPlainText());
}

void textfeldSchrift(Fenster feld, Schrift s)
{
    if (auto* t = inhalt<QTextEdit>(feld, qt::textfeldKlasse))
        t->setFont(qt::schriftVon(s));      // a copy: the program may delete its font
}

// ---- trackbar ------------------------------------------------------------------------------

Fenster schiebereglerErzeugen(Fenster eltern, int id, const Rechteck& r, bool vertikal)
{
    Fenster f = kindErzeugen(qt::schiebereglerKlasse, eltern, id, r);
    if (!f)
        return nullptr;
    auto* s = new QSlider(vertikal ? Qt::Vertical : Qt::Horizontal, f->klient);
    if (vertikal) {                        // the least value at the top, Down increases
        s->setInvertedAppearance(true);
        s->setInvertedControls(true);
    }
    auto* melder = new qt::Schiebemelder(s, true, [s](int code, int position) { reglerMelden(s, code, position); });
    melder->bereichSetzen(0, 100, 20);
    einsetzen(f, s);
    return f;
}

void schiebereglerBereich(Fenster regler, int min, int max)
{
    if (auto* s = inhalt<QSlider>(regler, qt::schiebereglerKlasse))
        melderVon(s)->bereichSetzen(min, max, (std::max(min, max) - min) / 5);   // a page: a fifth of the range
}

void schiebereglerPositionSetzen(Fenster regler, int position)
{
    if (auto* s = inhalt<QSlider>(regler, qt::schiebereglerKlasse))
        melderVon(s)->positionSetzen(position);
}

int schiebereglerPosition(Fenster regler)
{
    auto* s = inhalt<QSlider>(regler, qt::schiebereglerKlasse);
    return s ? s->value() : 0;
}

// ---- tooltips ------------------------------------------------------------------------------

void tooltipSetzen(Fenster fenster, int id, const std::string& text)
{
    if (!istFenster(fenster))
        return;
    if (QWidget* w = steuerelement(fenster, id))
        w->setToolTip(qt::text(text));
}

void tooltipStil(Schrift schrift, Farbe text, Farbe hintergrund)
{
    QToolTip::setFont(qt::schriftVon(schrift));
    QPalette p = QToolTip::palette();
    for (auto rolle : {QPalette::ToolTipText, QPalette::WindowText, QPalette::Text})
        p.setColor(rolle, qt::farbe(text));
    for (auto rolle : {QPalette::ToolTipBase, QPalette::Window, QPalette::Base})
        p.setColor(rolle, qt::farbe(hintergrund));
    QToolTip::setPalette(p);
}

} // namespace plattform
