// platform/qt/dialog_elemente_qt.cpp - the item calls on a dialog's controls
//
// Every change here is the program's: the widget's signals are blocked while it is made,
// so no message reaches the procedure. Unknown ids and controls of another kind are
// ignored; reads give "", 0 or -1.
#include "platform/qt/qtdialog.h"
#include "platform/zeichensatz.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QSignalBlocker>
#include <algorithm>

namespace plattform {

namespace {

using A = ElementArt;

template <class T>
T* als(qt::DialogSteuer* s)
{
    return s ? qobject_cast<T*>(s->widget.data()) : nullptr;
}

// Texts with several lines: Qt holds "\n", the program gets "\r\n" back.
QString zeilen(const std::string& text) { return qt::text(zeilenendenLf(text)); }
std::string mitCrLf(const QString& s)
{
    QString t = s;
    return qt::text(t.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

// A list box or a combo's list, one interface for both. QComboBox selects the first item
// that comes into an empty list and moves its selection when the chosen item goes, and a
// list box's view chooses a neighbour then; the program expects none of it, so the
// selection (and a combo's typed text) is put back.
class Liste {
public:
    explicit Liste(qt::DialogSteuer* s)
        : kasten(als<QListWidget>(s)), kombi(als<QComboBox>(s)),
          sortiert(s && (s->stil & elementStil::Sortiert)) {}
    explicit operator bool() const { return kasten || kombi; }

    int anzahl() const { return kasten ? kasten->count() : kombi ? kombi->count() : 0; }
    bool gueltig(int i) const { return i >= 0 && i < anzahl(); }
    std::string text(int i) const
    {
        if (!gueltig(i))
            return {};
        return qt::text(kasten ? kasten->item(i)->text() : kombi->itemText(i));
    }
    int auswahl() const
    {
        if (kombi)
            return kombi->currentIndex();
        if (!kasten)
            return -1;
        const auto gewaehlt = kasten->selectedItems();
        return gewaehlt.isEmpty() ? -1 : kasten->row(gewaehlt.front());
    }
    void auswahlSetzen(int i)
    {
        if (!gueltig(i))
            i = -1;
        if (kombi) {
            const QSignalBlocker ruhe(kombi);
            kombi->setCurrentIndex(i);
        } else if (kasten) {
            const QSignalBlocker ruhe(kasten);
            kasten->clearSelection();
            kasten->setCurrentRow(i);
        }
    }
    // where a new text goes: a sorted list keeps its order, equal texts in their
    // order of coming
    int platzFuer(const std::string& t) const
    {
        if (!sortiert)
            return anzahl();
        int i = 0;
        while (i < anzahl() && cp1252Vergleichen(text(i), t) <= 0)
            ++i;
        return i;
    }
    void einfuegen(int i, const std::string& t)
    {
        if (kasten) {
            const QSignalBlocker ruhe(kasten);
            kasten->insertItem(i, qt::text(t));
            return;
        }
        const Stand vorher = stand();
        const QSignalBlocker ruhe(kombi);
        kombi->insertItem(i, qt::text(t));
        zurueck(vorher, vorher.auswahl >= i && vorher.auswahl >= 0 ? vorher.auswahl + 1 : vorher.auswahl);
    }
    void entfernen(int i)
    {
        if (kasten) {
            const bool gewaehlt = auswahl() == i;
            {
                const QSignalBlocker ruhe(kasten);
                delete kasten->takeItem(i);
            }
            if (gewaehlt)
                auswahlSetzen(-1);        // the view would choose a neighbour by itself
            return;
        }
        const Stand vorher = stand();
        const QSignalBlocker ruhe(kombi);
        kombi->removeItem(i);
        zurueck(vorher, vorher.auswahl == i ? -1 : vorher.auswahl > i ? vorher.auswahl - 1 : vorher.auswahl);
    }
    void leeren()
    {
        if (kasten) {
            const QSignalBlocker ruhe(kasten);
            kasten->clear();
        } else if (kombi) {
            const QSignalBlocker ruhe(kombi);
            kombi->clear();
            kombi->setEditText({});       // the list and the typed text go together
        }
    }
    void datenSetzen(int i, intptr_t daten)
    {
        if (!gueltig(i))
            return;
        const QVariant v = QVariant::fromValue<qlonglong>(daten);
        if (kasten)
            kasten->item(i)->setData(Qt::UserRole, v);
        else
            kombi->setItemData(i, v);
    }
    intptr_t daten(int i) const
    {
        if (!gueltig(i))
            return 0;
        return static_cast<intptr_t>((kasten ? kasten->item(i)->data(Qt::UserRole) : kombi->itemData(i)).toLongLong());
    }

private:
    struct Stand {
        int auswahl;
        QString text;
    };
    Stand stand() const { return {kombi->currentIndex(), kombi->currentText()}; }
    void zurueck(const Stand& vorher, int auswahl)
    {
        kombi->setCurrentIndex(auswahl);
        if (kombi->isEditable())
            kombi->setEditText(vorher.text);
    }

    QListWidget* kasten;
    QComboBox* kombi;
    bool sortiert;
};

} // namespace

namespace qt {

DialogSteuer* steuerelementVon(Fenster dlg, int id)
{
    if (!istFenster(dlg) || !dlg->dialog)
        return nullptr;
    for (DialogSteuer& s : dlg->dialog->steuer)
        if (s.id == id)
            return s.widget ? &s : nullptr;
    return nullptr;
}

} // namespace qt

void elementTextSetzen(Fenster dlg, int id, const std::string& text)
{
    qt::DialogSteuer* s = qt::steuerelementVon(dlg, id);
    if (!s)
        return;
    QWidget* w = s->widget;
    const QSignalBlocker ruhe(w);
    switch (s->art) {
    case A::Text: qt::steuerTextSetzen(*s, zeilen(text)); break;
    case A::Gruppe: static_cast<QGroupBox*>(w)->setTitle(qt::text(text)); break;
    case A::Eingabe: static_cast<QLineEdit*>(w)->setText(qt::text(text)); break;
    case A::EingabeMehrzeilig: {
        auto* t = static_cast<QPlainTextEdit*>(w);
        t->setPlainText(zeilen(text));
        w->setProperty(qt::bekannterTextEigenschaft, zeilen(text));
        // the caret at the end, where inserted text goes on; the view stays at the top
        QTextCursor c = t->textCursor();
        c.movePosition(QTextCursor::End);
        t->setTextCursor(c);
        t->verticalScrollBar()->setValue(t->verticalScrollBar()->minimum());
        break;
    }
    case A::Knopf:
    case A::StandardKnopf:
    case A::Kontrollkasten:
    case A::Optionsfeld: qt::steuerTextSetzen(*s, qt::text(text)); break;
    case A::Kombi: static_cast<QComboBox*>(w)->setEditText(qt::text(text)); break;
    case A::Auswahlliste:                 // a drop-down list shows only its items: choose the one
        if (const int i = listeSuchen(dlg, id, text); i >= 0)
            listeAuswahlSetzen(dlg, id, i);
        break;
    default: break;
    }
    s->geaendert = false;
}

std::string elementText(Fenster dlg, int id, size_t maxLaenge)
{
    qt::DialogSteuer* s = qt::steuerelementVon(dlg, id);
    if (!s)
        return {};
    QWidget* w = s->widget;
    std::string t;
    switch (s->art) {
    case A::Text: t = mitCrLf(static_cast<QLabel*>(w)->text()); break;
    case A::Gruppe: t = qt::text(static_cast<QGroupBox*>(w)->title()); break;
    case A::Eingabe: t = qt::text(static_cast<QLineEdit*>(w)->text()); break;
    case A::EingabeMehrzeilig: t = mitCrLf(static_cast<QPlainTextEdit*>(w)->toPlainText()); break;
    case A::Knopf:
    case A::StandardKnopf:
    case A::Kontrollkasten:
    case A::Optionsfeld: t = qt::text(qt::knopfText(*s)); break;
    case A::Kombi:
    case A::Auswahlliste: t = qt::text(static_cast<QComboBox*>(w)->currentText()); break;
    default: break;
    }
    if (t.size() > maxLaenge)
        t.resize(maxLaenge);
    return t;
}

void hakenSetzen(Fenster dlg, int id, int zustand)
{
    if (auto* k = als<QAbstractButton>(qt::steuerelementVon(dlg, id)); k && k->isCheckable()) {
        const QSignalBlocker ruhe(k);
        k->setChecked(zustand != 0);
    }
}

int haken(Fenster dlg, int id)
{
    auto* k = als<QAbstractButton>(qt::steuerelementVon(dlg, id));
    return k && k->isChecked() ? 1 : 0;
}

void elementTextEinfuegen(Fenster dlg, int id, const std::string& text)
{
    qt::DialogSteuer* s = qt::steuerelementVon(dlg, id);
    if (!s)
        return;
    const QSignalBlocker ruhe(s->widget);
    if (s->art == A::Eingabe) {
        static_cast<QLineEdit*>(s->widget.data())->insert(qt::text(text));
    } else if (s->art == A::EingabeMehrzeilig) {
        auto* t = static_cast<QPlainTextEdit*>(s->widget.data());
        QTextCursor c = t->textCursor();
        const int anfang = c.selectionStart(), laenge = c.selectionEnd() - c.selectionStart();
        const QString neu = zeilen(text);
        c.insertText(neu);
        t->setTextCursor(c);
        // what the program put there is no edit of the user's; the known text is taken out
        // of the property first, so that the insertion does not copy it whole
        QString bekannt = t->property(qt::bekannterTextEigenschaft).toString();
        t->setProperty(qt::bekannterTextEigenschaft, QVariant());
        bekannt.replace(anfang, laenge, neu);
        t->setProperty(qt::bekannterTextEigenschaft, std::move(bekannt));
    }
}

bool elementGeaendert(Fenster dlg, int id)
{
    qt::DialogSteuer* s = qt::steuerelementVon(dlg, id);
    return s && s->geaendert;
}

void elementGeaendertSetzen(Fenster dlg, int id, bool geaendert)
{
    if (qt::DialogSteuer* s = qt::steuerelementVon(dlg, id))
        s->geaendert = geaendert;
}

void elementFreigeben(Fenster dlg, int id, bool an)
{
    if (qt::DialogSteuer* s = qt::steuerelementVon(dlg, id))
        s->widget->setEnabled(an);
}

bool elementIstFreigegeben(Fenster dlg, int id)
{
    qt::DialogSteuer* s = qt::steuerelementVon(dlg, id);
    return s && s->widget->isEnabledTo(s->widget->window());
}

void elementZeigen(Fenster dlg, int id, int anzeigeArt)
{
    if (qt::DialogSteuer* s = qt::steuerelementVon(dlg, id))
        s->widget->setVisible(anzeigeArt != anzeige::Verbergen);
}

// its own state and its group box's, whether or not the dialog shows yet
bool elementIstSichtbar(Fenster dlg, int id)
{
    qt::DialogSteuer* s = qt::steuerelementVon(dlg, id);
    return s && s->widget->isVisibleTo(s->widget->window());
}

void elementFokussieren(Fenster dlg, int id, bool allesMarkieren)
{
    qt::DialogSteuer* s = qt::steuerelementVon(dlg, id);
    if (!s)
        return;
    s->widget->setFocus(Qt::OtherFocusReason);
    if (!allesMarkieren)
        return;
    if (auto* l = qobject_cast<QLineEdit*>(s->widget))
        l->selectAll();
    else if (auto* t = qobject_cast<QPlainTextEdit*>(s->widget))
        t->selectAll();
    else if (auto* k = qobject_cast<QComboBox*>(s->widget); k && k->lineEdit())
        k->lineEdit()->selectAll();
}

void elementUngueltigMachen(Fenster dlg, int id)
{
    if (qt::DialogSteuer* s = qt::steuerelementVon(dlg, id))
        s->widget->update();
}

// ---- lists ----------------------------------------------------------------------------

void listeLeeren(Fenster dlg, int id) { Liste(qt::steuerelementVon(dlg, id)).leeren(); }

int listeHinzufuegen(Fenster dlg, int id, const std::string& text)
{
    Liste l(qt::steuerelementVon(dlg, id));
    if (!l)
        return -1;
    const int i = l.platzFuer(text);
    l.einfuegen(i, text);
    return i;
}

// at the index even in a sorted list; -1 appends
int listeEinfuegen(Fenster dlg, int id, int index, const std::string& text)
{
    Liste l(qt::steuerelementVon(dlg, id));
    if (!l || index < -1 || index > l.anzahl())
        return -1;
    if (index == -1)
        index = l.anzahl();
    l.einfuegen(index, text);
    return index;
}

bool listeEntfernen(Fenster dlg, int id, int index)
{
    Liste l(qt::steuerelementVon(dlg, id));
    if (!l.gueltig(index))
        return false;
    l.entfernen(index);
    return true;
}

int listeAnzahl(Fenster dlg, int id) { return Liste(qt::steuerelementVon(dlg, id)).anzahl(); }

std::string listeText(Fenster dlg, int id, int index) { return Liste(qt::steuerelementVon(dlg, id)).text(index); }

void listeDatenSetzen(Fenster dlg, int id, int index, intptr_t daten)
{
    Liste(qt::steuerelementVon(dlg, id)).datenSetzen(index, daten);
}

intptr_t listeDaten(Fenster dlg, int id, int index) { return Liste(qt::steuerelementVon(dlg, id)).daten(index); }

int listeAuswahl(Fenster dlg, int id) { return Liste(qt::steuerelementVon(dlg, id)).auswahl(); }

void listeAuswahlSetzen(Fenster dlg, int id, int index)
{
    Liste(qt::steuerelementVon(dlg, id)).auswahlSetzen(index);
}

int listeSuchen(Fenster dlg, int id, const std::string& text)
{
    Liste l(qt::steuerelementVon(dlg, id));
    for (int i = 0; i < l.anzahl(); ++i)
        if (cp1252Vergleichen(l.text(i), text) == 0)
            return i;
    return -1;
}

// ---- trackbars, up-downs and scroll bars ---------------------------------------------
// An up-down's bar runs over the negated range (dialog_aufbau_qt.cpp).

void reglerBereichSetzen(Fenster dlg, int id, int min, int max)
{
    qt::DialogSteuer* s = qt::steuerelementVon(dlg, id);
    if (!s || !s->melder)
        return;
    max = std::max(min, max);
    if (s->art == A::AufAb)
        s->melder->bereichSetzen(-max, -min, 10);
    else if (s->art == A::Schieberegler)
        s->melder->bereichSetzen(min, max, (max - min) / 5);   // a page: a fifth of the range
    else
        s->melder->bereichSetzen(min, max, 10);
}

void reglerPositionSetzen(Fenster dlg, int id, int position)
{
    qt::DialogSteuer* s = qt::steuerelementVon(dlg, id);
    if (s && s->melder)
        s->melder->positionSetzen(s->art == A::AufAb ? -position : position);
}

int reglerPosition(Fenster dlg, int id)
{
    qt::DialogSteuer* s = qt::steuerelementVon(dlg, id);
    if (!s || !s->melder)
        return 0;
    return s->art == A::AufAb ? -s->melder->position() : s->melder->position();
}

} // namespace plattform
