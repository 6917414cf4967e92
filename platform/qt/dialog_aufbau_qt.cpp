// platform/qt/dialog_aufbau_qt.cpp - the controls of a template, laid out in grids, and
// the user's doings with them as messages to the dialog procedure
//
// Only signals that come from the user are connected (textEdited, clicked, activated,
// actionTriggered ...); where Qt has none (the multi-line edit, the list box) the item
// calls block the widget's signals while they change it.
#include "platform/qt/qtdialog.h"
#include "platform/qt/zeichenflaeche.h"
#include "platform/zeichensatz.h"
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

namespace plattform::qt {

namespace {

using A = ElementArt;

void befehl(const DialogBezug& b, int id, int code)
{
    if (Fenster f = b.lebend())
        senden(f, nachricht::Befehl, machWParam(id, code), 0);
}

DialogSteuer* steuerAn(const DialogBezug& b, size_t index)
{
    Fenster f = b.lebend();
    return f && index < f->dialog->steuer.size() ? &f->dialog->steuer[index] : nullptr;
}

// the user typed into an edit or an editable combo
void getippt(const DialogBezug& b, size_t index, int code)
{
    DialogSteuer* s = steuerAn(b, index);
    if (!s)
        return;
    s->geaendert = true;
    befehl(b, s->id, code);
}

// Focus going to another control of ours; not a popup (the edit's own menu, a combo's
// list) and not another window coming to the front (a box the procedure opens).
class FokusWaechter : public QObject {
public:
    FokusWaechter(QWidget* w, DialogBezug b, int id, int code) : QObject(w), bezug(b), id(id), code(code)
    {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::FocusOut) {
            const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
            if (grund != Qt::PopupFocusReason && grund != Qt::ActiveWindowFocusReason)
                befehl(bezug, id, code);
        }
        return false;
    }

private:
    DialogBezug bezug;
    int id, code;
};

// a paint area: the procedure paints it on Zeichnen (w = its id)
class Malflaeche : public QWidget {
public:
    Malflaeche(DialogBezug b, int id, bool balken) : bezug(b), id(id)
    {
        // the template gives no size: room for a small plot, or a bar as high as a line of
        // text and a few characters wide that never stretches its row
        if (balken) {
            setMinimumSize(fontMetrics().averageCharWidth() * 6, fontMetrics().height());
            setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        } else {
            setMinimumSize(200, 120);
            setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        }
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        Fenster f = bezug.lebend();
        if (!f)
            return;
        QPainter maler(this);
        Zeichenflaeche z;
        flaecheEinrichten(z, &maler, this, width(), height());
        const QRect& r = e->rect();
        z.bereich = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
        senden(f, nachricht::Zeichnen, static_cast<uintptr_t>(id), reinterpret_cast<intptr_t>(&z));
    }

private:
    DialogBezug bezug;
    int id;
};

// List boxes and multi-line edits want a few lines of text, not Qt's fixed size hint of
// about a dozen: they scroll, and a dialog of several of them stays on the screen.
class KurzeListe : public QListWidget {
public:
    QSize sizeHint() const override
    {
        const int zeile = count() > 0 ? std::max(sizeHintForRow(0), 1) : fontMetrics().lineSpacing() + 2;
        return {QListWidget::sizeHint().width(), 7 * zeile + 2 * frameWidth()};
    }
};

class KurzerText : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    QSize sizeHint() const override
    {
        const int rand = 2 * frameWidth() + 2 * static_cast<int>(document()->documentMargin());
        return {QPlainTextEdit::sizeHint().width(), 6 * fontMetrics().lineSpacing() + rand};
    }
};

// A user's click on a radio clears the other radios of its group box (or of the dialog,
// outside group boxes) and leaves it checked, also when it was checked already.
void optionGeklickt(const DialogBezug& b, size_t index)
{
    DialogSteuer* geklickt = steuerAn(b, index);
    if (!geklickt)
        return;
    for (DialogSteuer& s : b.f->dialog->steuer) {
        if (&s == geklickt || s.art != A::Optionsfeld || s.gruppe != geklickt->gruppe || !s.widget)
            continue;
        const QSignalBlocker ruhe(s.widget);
        static_cast<QRadioButton*>(s.widget.data())->setChecked(false);
    }
    {
        const QSignalBlocker ruhe(geklickt->widget);
        static_cast<QRadioButton*>(geklickt->widget.data())->setChecked(true);
    }
    befehl(b, geklickt->id, benachrichtigung::Geklickt);
}

QComboBox* kombiBauen(const DialogBezug& b, size_t index, int id, bool editierbar)
{
    auto* k = new QComboBox;
    // as wide as its longest item, which the layout may cut down to a few words
    k->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    k->setMinimumContentsLength(12);
    QObject::connect(k, &QComboBox::activated, k, [b, id](int) {
        befehl(b, id, benachrichtigung::AuswahlGeaendert);
        befehl(b, id, benachrichtigung::AuswahlOk);
    });
    if (!editierbar)
        return k;
    k->setEditable(true);
    k->setInsertPolicy(QComboBox::NoInsert);    // what the user types never joins the list
    k->setCompleter(nullptr);                    // nor is it completed from the list
    QObject::connect(k->lineEdit(), &QLineEdit::textEdited, k,
                     [b, index](const QString&) { getippt(b, index, benachrichtigung::KombiEditGeaendert); });
    new FokusWaechter(k, b, id, benachrichtigung::KombiFokusVerloren);
    return k;
}

// trackbar, scroll bar or up-down: HScroll/VScroll with l = the control id
QWidget* schieberBauen(const DialogBezug& b, int id, ElementArt art, bool vertikal, QPointer<Schiebemelder>& melder)
{
    const uint32_t n = vertikal ? nachricht::VScroll : nachricht::HScroll;
    auto melden = [b, id, n](int code, int position) {
        if (Fenster f = b.lebend())
            senden(f, n, machWParam(code, position), id);
    };
    if (art == A::Schieberegler) {
        auto* s = new QSlider(vertikal ? Qt::Vertical : Qt::Horizontal);
        if (vertikal) {                    // the least value at the top, Down increases
            s->setInvertedAppearance(true);
            s->setInvertedControls(true);
        }
        melder = new Schiebemelder(s, true, melden);
        melder->bereichSetzen(0, 100, 20);
        return s;
    }
    if (art == A::Scrollleiste) {
        auto* s = new QScrollBar(vertikal ? Qt::Vertical : Qt::Horizontal);
        melder = new Schiebemelder(s, false, melden);
        melder->bereichSetzen(0, 100, 10);
        return s;
    }
    // Up-down: the upper arrow raises the value, so the bar runs over the negated range.
    // Each step reports the new position as a thumb position, then the end of the run.
    auto* s = new QScrollBar(Qt::Vertical);
    s->setFixedHeight(std::max(QLineEdit().sizeHint().height(), s->minimumSizeHint().height()));
    melder = new Schiebemelder(s, true, [melden](int code, int position) {
        melden(code == scroll::ScrollEnde ? code : scroll::DaumenPosition, -position);
    });
    melder->bereichSetzen(-100, 0, 10);
    return s;
}

QWidget* bauen(const DialogBezug& b, size_t index, const DialogElement& e, QPointer<Schiebemelder>& melder)
{
    const QString text = qt::text(zeilenendenLf(e.text ? e.text : ""));
    const int id = e.id;
    const bool nurLesen = e.stil & elementStil::NurLesen;
    switch (e.art) {
    case A::Text: {
        auto* l = new QLabel;
        l->setTextFormat(Qt::PlainText);
        l->setText(text);
        return l;
    }
    case A::Gruppe: {
        auto* g = new QGroupBox(text);
        new QGridLayout(g);
        return g;
    }
    case A::Eingabe: {
        auto* l = new QLineEdit(text);
        l->setReadOnly(nurLesen);
        QObject::connect(l, &QLineEdit::textEdited, l,
                         [b, index](const QString&) { getippt(b, index, benachrichtigung::Geaendert); });
        new FokusWaechter(l, b, id, benachrichtigung::FokusVerloren);
        return l;
    }
    case A::EingabeMehrzeilig: {
        auto* t = new KurzerText(text);
        t->setReadOnly(nurLesen);
        t->setTabChangesFocus(true);       // Tab goes on to the next control, Enter is a new line
        t->setProperty(bekannterTextEigenschaft, text);
        QObject::connect(t, &QPlainTextEdit::textChanged, t, [t, b, index] {
            const QString jetzt = t->toPlainText();
            if (jetzt == t->property(bekannterTextEigenschaft).toString())
                return;                    // a new line comes as a format change and the line
            t->setProperty(bekannterTextEigenschaft, jetzt);
            getippt(b, index, benachrichtigung::Geaendert);
        });
        new FokusWaechter(t, b, id, benachrichtigung::FokusVerloren);
        return t;
    }
    case A::Knopf:
    case A::StandardKnopf: {
        auto* k = new QPushButton(text);
        k->setAutoDefault(false);          // Enter is the dialog's, whatever has the focus
        k->setDefault(false);
        QObject::connect(k, &QPushButton::clicked, k, [b, id] { befehl(b, id, benachrichtigung::Geklickt); });
        return k;
    }
    case A::Kontrollkasten: {
        auto* k = new QCheckBox(text);
        QObject::connect(k, &QCheckBox::clicked, k, [b, id] { befehl(b, id, benachrichtigung::Geklickt); });
        return k;
    }
    case A::Optionsfeld: {
        auto* r = new QRadioButton(text);
        r->setAutoExclusive(false);        // the program sets radios one by one
        QObject::connect(r, &QRadioButton::clicked, r, [b, index] { optionGeklickt(b, index); });
        return r;
    }
    case A::Auswahlliste:
    case A::Kombi:
        return kombiBauen(b, index, id, e.art == A::Kombi);
    case A::Liste: {
        auto* l = new KurzeListe;
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        QObject::connect(l, &QListWidget::itemSelectionChanged, l,
                         [b, id] { befehl(b, id, benachrichtigung::AuswahlGeaendert); });
        return l;
    }
    case A::Schieberegler:
    case A::Scrollleiste:
    case A::AufAb:
        return schieberBauen(b, id, e.art, e.stil & elementStil::Vertikal || e.art == A::AufAb, melder);
    case A::Malflaeche:
        return new Malflaeche(b, id, e.stil & elementStil::Balken);
    }
    return new QWidget;
}

constexpr const char* vollerTextEigenschaft = "velnorVollerText";

bool mitText(ElementArt art)
{
    return art == A::Text || art == A::Knopf || art == A::StandardKnopf || art == A::Kontrollkasten ||
           art == A::Optionsfeld;
}

// A control's whole text within its room: a static text wider than its room wraps there
// and is as high as its lines (so no frame can squeeze it); a button's label is cut with an
// ellipsis.
void textEinpassen(DialogSteuer& s)
{
    if (!s.widget)
        return;
    const QString text = s.widget->property(vollerTextEigenschaft).toString();
    if (auto* l = qobject_cast<QLabel*>(s.widget)) {
        l->setWordWrap(false);
        l->setMinimumSize(0, 0);
        l->setMaximumWidth(QWIDGETSIZE_MAX);
        l->setText(text);
        if (l->sizeHint().width() > s.raum) {
            l->setWordWrap(true);
            l->setFixedWidth(s.raum);
            l->setMinimumHeight(l->heightForWidth(s.raum));
        }
        return;
    }
    if (auto* k = qobject_cast<QAbstractButton*>(s.widget)) {
        k->setText(text);
        if (const int ueber = k->sizeHint().width() - s.raum; ueber > 0) {
            const QFontMetrics fm(k->font());
            k->setText(fm.elidedText(text, Qt::ElideRight, std::max(0, fm.horizontalAdvance(text) - ueber)));
        }
    }
}

// the widest a dialog grows for its texts: a static text wraps, a label is cut beyond it
int hoechstBreite()
{
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    const int frei = bildschirm ? bildschirm->availableGeometry().width() : 1000;
    return std::max(200, std::min(1000, frei - 80));
}

// One grid of a dialog: the dialog's own or a group box's.
struct Gitter {
    QGridLayout* layout = nullptr;
    std::vector<int> natur, mindest;      // per column: what its controls want, what they need at least
    int raum = 0;                         // the width the grid may take
};

// A text, combo or group box gives way down to a few words; the other controls keep
// what their kind needs.
int mindestBreite(const DialogSteuer& s)
{
    QWidget* w = s.widget;
    if (s.art == A::Gruppe)
        return 0;
    const int natur = w->sizeHint().width();
    if (mitText(s.art) || s.art == A::Kombi || s.art == A::Auswahlliste)
        return std::min(natur, w->fontMetrics().averageCharWidth() * 14);
    return std::min(natur, w->minimumSizeHint().width());
}

// The widths the columns get within the grid's room: each at most what it wants, and where
// all of them together want more, the widest give way first, none below what it needs.
std::vector<int> spaltenBreiten(const Gitter& g, int abstand)
{
    const int n = static_cast<int>(g.natur.size());
    auto summe = [&](int deckel) {
        int breite = abstand * std::max(0, n - 1);
        for (int i = 0; i < n; ++i)
            breite += std::max(g.mindest[i], std::min(g.natur[i], deckel));
        return breite;
    };
    int unten = 0, oben = *std::max_element(g.natur.begin(), g.natur.end());
    while (unten < oben) {                // the largest cap that keeps the grid in its room
        const int mitte = (unten + oben + 1) / 2;
        if (summe(mitte) <= g.raum)
            unten = mitte;
        else
            oben = mitte - 1;
    }
    std::vector<int> breiten(g.natur.size());
    for (int i = 0; i < n; ++i)
        breiten[i] = std::max(g.mindest[i], std::min(g.natur[i], unten));
    return breiten;
}

bool nimmtFokus(ElementArt art) { return art != A::Text && art != A::Gruppe && art != A::Malflaeche; }

// A static text marks the key of the control after it with '&', as a button marks its own:
// Alt and that key go to the next control in the table that takes the focus (else the one
// before it), and the text shows the key underlined, never the '&'.
void kuerzelPartnerSetzen(DialogDaten& d)
{
    for (size_t i = 0; i < d.steuer.size(); ++i) {
        auto* l = qobject_cast<QLabel*>(d.steuer[i].widget);
        if (!l)
            continue;
        QWidget* partner = nullptr;
        for (size_t j = i + 1; j < d.steuer.size() && !partner; ++j)
            if (nimmtFokus(d.steuer[j].art))
                partner = d.steuer[j].widget;
        for (size_t j = i; j-- > 0 && !partner;)
            if (nimmtFokus(d.steuer[j].art))
                partner = d.steuer[j].widget;
        if (partner)
            l->setBuddy(partner);
    }
}

} // namespace

void texteEinpassen(Fenster dlg)
{
    DialogDaten& d = *dlg->dialog;
    // every text whole, on one line: what each control wants
    for (DialogSteuer& s : d.steuer)
        if (mitText(s.art)) {
            s.raum = QWIDGETSIZE_MAX;
            textEinpassen(s);
        }
    // the grids, [0] the dialog's, [k] the k-th group box's, and what their columns want
    std::vector<Gitter> gitter(1);
    gitter[0].layout = qobject_cast<QGridLayout*>(dlg->klient->layout());
    std::vector<size_t> kastenVon;        // the control of each group box
    for (size_t i = 0; i < d.steuer.size(); ++i)
        if (d.steuer[i].art == A::Gruppe && d.steuer[i].widget) {
            kastenVon.push_back(i);
            gitter.emplace_back().layout = qobject_cast<QGridLayout*>(d.steuer[i].widget->layout());
        }
    for (const DialogSteuer& s : d.steuer) {
        Gitter& g = gitter[static_cast<size_t>(s.gruppe)];
        const size_t bis = static_cast<size_t>(s.spalte + s.spanne);
        if (g.natur.size() < bis) {
            g.natur.resize(bis, 0);
            g.mindest.resize(bis, 0);
        }
        if (s.spanne != 1 || !s.widget)
            continue;
        const size_t k = static_cast<size_t>(s.spalte);
        g.natur[k] = std::max(g.natur[k], s.widget->sizeHint().width());
        g.mindest[k] = std::max(g.mindest[k], mindestBreite(s));
    }
    // from the outside in: a grid's room is its control's (the dialog's grid: the widest
    //    a dialog grows); a group box sits in the dialog or in an earlier box
    auto innenRaum = [](QLayout* l, int aussen) {
        const QMargins m = l ? l->contentsMargins() : QMargins();
        return std::max(1, aussen - m.left() - m.right());
    };
    gitter[0].raum = innenRaum(gitter[0].layout, hoechstBreite());
    for (size_t k = 0; k < gitter.size(); ++k) {
        Gitter& g = gitter[k];
        if (g.natur.empty() || !g.layout)
            continue;
        const int abstand = std::max(0, g.layout->horizontalSpacing());
        const std::vector<int> breiten = spaltenBreiten(g, abstand);
        int belegt = abstand * static_cast<int>(breiten.size() - 1);
        for (int b : breiten)
            belegt += b;
        const int rest = std::max(0, g.raum - belegt);
        for (size_t i = 0; i < d.steuer.size(); ++i) {
            DialogSteuer& s = d.steuer[i];
            if (static_cast<size_t>(s.gruppe) != k)
                continue;
            int raum = rest + abstand * (s.spanne - 1);
            for (int c = s.spalte; c < s.spalte + s.spanne; ++c)
                raum += breiten[static_cast<size_t>(c)];
            s.raum = std::max(1, raum);
            if (s.art == A::Gruppe) {
                const size_t box = static_cast<size_t>(std::find(kastenVon.begin(), kastenVon.end(), i) - kastenVon.begin()) + 1;
                // the box's frame takes a little of its room besides its grid's margins
                gitter[box].raum = innenRaum(gitter[box].layout, s.raum - 4);
            }
        }
    }
    // each text within its room
    for (DialogSteuer& s : d.steuer)
        if (mitText(s.art))
            textEinpassen(s);
}

void steuerTextSetzen(DialogSteuer& s, const QString& text)
{
    if (!s.widget)
        return;
    s.widget->setProperty(vollerTextEigenschaft, text);
    textEinpassen(s);
}

QString knopfText(const DialogSteuer& s)
{
    const QVariant voll = s.widget ? s.widget->property(vollerTextEigenschaft) : QVariant();
    if (voll.isValid())
        return voll.toString();
    auto* k = qobject_cast<QAbstractButton*>(s.widget);
    return k ? k->text() : QString();
}

void steuerelementeAufbauen(Fenster dlg, const DialogVorlage& v)
{
    DialogDaten& d = *dlg->dialog;
    const DialogBezug b{dlg, dlg->nummer};
    auto* gitter = new QGridLayout(dlg->klient);

    std::vector<QGroupBox*> boxen;         // the k-th group box of the table at k - 1
    d.steuer.reserve(v.elemente.size());
    for (size_t i = 0; i < v.elemente.size(); ++i) {
        const DialogElement& e = v.elemente[i];
        DialogSteuer s;
        s.id = e.id;
        s.art = e.art;
        s.stil = e.stil;
        s.spalte = std::max(0, e.spalte);
        s.spanne = std::max(1, e.spanne);
        QWidget* w = bauen(b, i, e, s.melder);
        s.widget = w;
        if (e.art == A::Gruppe)
            boxen.push_back(static_cast<QGroupBox*>(w));
        d.steuer.push_back(s);
    }

    for (size_t i = 0; i < v.elemente.size(); ++i) {
        const DialogElement& e = v.elemente[i];
        DialogSteuer& s = d.steuer[i];
        // a group box sits in an earlier one at most, so boxes never contain each other
        const int eigeneBox = e.art == A::Gruppe
            ? static_cast<int>(std::find(boxen.begin(), boxen.end(), s.widget.data()) - boxen.begin()) + 1
            : static_cast<int>(boxen.size()) + 1;
        s.gruppe = e.gruppe >= 1 && e.gruppe < eigeneBox ? e.gruppe : 0;
        auto* ziel = s.gruppe ? static_cast<QGridLayout*>(boxen[s.gruppe - 1]->layout()) : gitter;
        QWidget* w = s.widget;
        ziel->addWidget(w, std::max(0, e.zeile), s.spalte, 1, s.spanne);

        w->setProperty(steuerIdEigenschaft, e.id);
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);   // showing and hiding never moves the others
        w->setSizePolicy(p);
        if (e.stil & elementStil::Gesperrt)
            w->setEnabled(false);
        if (e.stil & elementStil::Verborgen)
            w->hide();
        if (mitText(e.art))
            w->setProperty(vollerTextEigenschaft, qt::text(zeilenendenLf(e.text ? e.text : "")));
    }
    kuerzelPartnerSetzen(d);
    texteEinpassen(dlg);
    d.standardId = eingabetastenId(v);
}

} // namespace plattform::qt
