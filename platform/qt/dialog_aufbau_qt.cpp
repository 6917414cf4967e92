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
    Malflaeche(DialogBezug b, int id) : bezug(b), id(id)
    {
        setMinimumSize(200, 120);          // the template gives no size: room for a small plot
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
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
        auto* t = new QPlainTextEdit(text);
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
        auto* l = new QListWidget;
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
        return new Malflaeche(b, id);
    }
    return new QWidget;
}

constexpr const char* vollerTextEigenschaft = "velnorVollerText";

bool mitText(ElementArt art)
{
    return art == A::Text || art == A::Knopf || art == A::StandardKnopf || art == A::Kontrollkasten ||
           art == A::Optionsfeld;
}

// The room of each control: two thirds of the work area's width (what Qt gives a new
// window at most) shared out among the columns of its grid, of which it gets its span;
// a group box shares its own room out among the columns inside it.
void raumVerteilen(std::vector<DialogSteuer>& steuer, const DialogVorlage& v, size_t kaesten)
{
    std::vector<int> spalten(kaesten + 1, 1);          // [0] the dialog's grid, [k] the k-th box's
    for (size_t i = 0; i < steuer.size(); ++i) {
        const DialogElement& e = v.elemente[i];
        int& n = spalten[steuer[i].gruppe];
        n = std::max(n, std::max(0, e.spalte) + std::max(1, e.spanne));
    }
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    std::vector<double> raum(kaesten + 1, bildschirm ? bildschirm->availableGeometry().width() * 2.0 / 3.0 : 1e6);
    size_t box = 0;
    for (size_t i = 0; i < steuer.size(); ++i) {
        DialogSteuer& s = steuer[i];
        const double eigen = raum[s.gruppe] * std::max(1, v.elemente[i].spanne) / spalten[s.gruppe];
        if (s.art == A::Gruppe)
            raum[++box] = eigen;                        // boxes are numbered in table order
        s.raum = std::max(1, static_cast<int>(eigen));
    }
}

} // namespace

void steuerTextSetzen(DialogSteuer& s, const QString& text)
{
    if (auto* l = qobject_cast<QLabel*>(s.widget)) {
        // measured on one line (keeping its own line breaks), wrapped only when too wide,
        // and then over all its room rather than in Qt's narrow column
        l->setWordWrap(false);
        l->setMinimumWidth(0);
        l->setMaximumWidth(QWIDGETSIZE_MAX);
        l->setText(text);
        if (l->sizeHint().width() > s.raum) {
            l->setWordWrap(true);
            l->setFixedWidth(s.raum);
        }
        return;
    }
    if (auto* k = qobject_cast<QAbstractButton*>(s.widget)) {
        k->setProperty(vollerTextEigenschaft, text);
        k->setText(text);
        if (const int ueber = k->sizeHint().width() - s.raum; ueber > 0) {
            const QFontMetrics fm(k->font());
            k->setText(fm.elidedText(text, Qt::ElideRight, std::max(0, fm.horizontalAdvance(text) - ueber)));
        }
    }
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
        ziel->addWidget(w, std::max(0, e.zeile), std::max(0, e.spalte), 1, std::max(1, e.spanne));

        w->setProperty(steuerIdEigenschaft, e.id);
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);   // showing and hiding never moves the others
        w->setSizePolicy(p);
        if (e.stil & elementStil::Gesperrt)
            w->setEnabled(false);
        if (e.stil & elementStil::Verborgen)
            w->hide();
    }

    raumVerteilen(d.steuer, v, boxen.size());
    for (size_t i = 0; i < v.elemente.size(); ++i)
        if (mitText(d.steuer[i].art))
            steuerTextSetzen(d.steuer[i], qt::text(zeilenendenLf(v.elemente[i].text ? v.elemente[i].text : "")));

    d.standardId = eingabetastenId(v);
}

} // namespace plattform::qt
