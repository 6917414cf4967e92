// platform/qt/dialog_qt.cpp - dialogs from templates: the window, modal and modeless
// opening, ending, Esc, Enter and the close box
//
// A dialog is a window of ours like any other (timers, messages, placing), with a QDialog
// as its frame. Nothing in Qt ends it: Esc, the close box and Qt's own accept/reject only
// send Befehl 2, and the procedure decides with dialogBeenden.
#include "platform/qt/qtdialog.h"
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace plattform {

namespace {

constexpr uint32_t keineFarbe = 0x1000000;
constexpr int abbrechenId = 2;
int offeneModale = 0;                     // modal dialogs open now, nested ones counted

void befehlSenden(Fenster f, int id)
{
    if (f)
        senden(f, nachricht::Befehl, machWParam(id, benachrichtigung::Geklickt), 0);
}

class DialogRahmen : public QDialog, public qt::FensterBezug {
public:
    DialogRahmen(Fenster f, QWidget* eigner) : QDialog(eigner), FensterBezug(f) {}

    // centred over the owner (or the work area) and kept inside the work area, before the
    // procedure sees it, so what it reads of its rectangle in DialogInit stays true when
    // the dialog shows
    void mittigSetzen()
    {
        if (!fenster)
            return;
        const QScreen* s = QGuiApplication::primaryScreen();
        const QRect bereich = s ? s->availableGeometry() : QRect();
        const QWidget* eigner = parentWidget() ? parentWidget()->window() : nullptr;
        const QRect ueber = eigner && eigner->isVisible() ? eigner->frameGeometry() : bereich;
        QRect r = qt::aussenGeometrie(fenster);
        r.moveCenter(ueber.center());
        if (!bereich.isEmpty()) {
            r.moveRight(std::min(r.right(), bereich.right()));
            r.moveBottom(std::min(r.bottom(), bereich.bottom()));
            r.moveLeft(std::max(r.left(), bereich.left()));
            r.moveTop(std::max(r.top(), bereich.top()));
        }
        qt::aussenGeometrieSetzen(fenster, r.x(), r.y(), r.width(), r.height());
    }

    void done(int) override { befehlSenden(fenster, abbrechenId); }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        const bool ohneZusatz = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (e->key() == Qt::Key_Escape && ohneZusatz) {
            befehlSenden(fenster, abbrechenId);
        } else if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && ohneZusatz) {
            // a multi-line edit keeps its Enter; the others pass it on to here
            eingabeTaste();
        } else {
            QWidget::keyPressEvent(e);
            return;
        }
        e->accept();
    }
    void closeEvent(QCloseEvent* e) override
    {
        e->ignore();
        befehlSenden(fenster, abbrechenId);
    }
    void changeEvent(QEvent* e) override
    {
        QDialog::changeEvent(e);
        if (e->type() == QEvent::ActivationChange && fenster)
            qt::aktivierungMelden(fenster, this);
    }
    void moveEvent(QMoveEvent*) override { qt::lageMelden(fenster); }

private:
    // the default id, unless its button is disabled
    void eingabeTaste()
    {
        Fenster f = fenster;
        if (!f || !f->dialog->standardId)
            return;
        const int id = f->dialog->standardId;
        if (qt::DialogSteuer* s = qt::steuerelementVon(f, id); s && !s->widget->isEnabled())
            return;
        befehlSenden(f, id);
    }
};

// The client of a dialog holds the controls. Keys and mouse go to them and on to the
// frame; the procedure gets no paint, key, mouse, focus or size messages of its own.
class DialogKlient : public qt::Klient {
public:
    DialogKlient(Fenster f, QWidget* eltern) : Klient(f, eltern)
    {
        setMouseTracking(false);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }

protected:
    void paintEvent(QPaintEvent*) override {}
    void resizeEvent(QResizeEvent*) override {}
    void keyPressEvent(QKeyEvent* e) override { QWidget::keyPressEvent(e); }
    void keyReleaseEvent(QKeyEvent* e) override { QWidget::keyReleaseEvent(e); }
    void mousePressEvent(QMouseEvent* e) override { QWidget::mousePressEvent(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { QWidget::mouseReleaseEvent(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { QWidget::mouseDoubleClickEvent(e); }
    void mouseMoveEvent(QMouseEvent* e) override { QWidget::mouseMoveEvent(e); }
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}
    bool focusNextPrevChild(bool vor) override { return QWidget::focusNextPrevChild(vor); }   // Tab walks the controls
};

// As large as its controls want, at least what they need; not cut to a part of the screen
// as Qt's adjustSize would: the texts have been fitted to the work area already.
void groesseEinpassen(QWidget* rahmen)
{
    rahmen->resize(rahmen->sizeHint().expandedTo(rahmen->minimumSizeHint()));
}

DialogRahmen* rahmenVon(Fenster f) { return static_cast<DialogRahmen*>(f->rahmen.data()); }

// the dialog with its controls, hidden, before DialogInit
Fenster dialogAnlegen(const DialogVorlage& v, Fenster eigner, DialogProc proc)
{
    auto objekt = std::make_unique<FensterObjekt>();
    objekt->klasse = "Dialog";
    objekt->proc = proc;
    objekt->hintergrund = keineFarbe;
    objekt->eltern = eigner;
    objekt->lageStumm = true;             // moves count once the procedure placed it
    objekt->dialog = std::make_shared<qt::DialogDaten>();
    objekt->dialog->vorlage = v.nummer;
    Fenster f = qt::fensterEintragen(std::move(objekt));

    auto* rahmen = new DialogRahmen(f, eigner ? qt::aussen(eigner)->window() : nullptr);
    f->rahmen = rahmen;
    f->klient = new DialogKlient(f, rahmen);
    auto* aussen = new QVBoxLayout(rahmen);   // the frame is as large as the grid needs
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(f->klient);
    rahmen->setWindowTitle(qt::text(std::string(v.titel ? v.titel : "")));
    qt::steuerelementeAufbauen(f, v);
    groesseEinpassen(rahmen);
    rahmen->mittigSetzen();
    return f;
}

// Qt lays out what changed only when its events come; a measure must see it now, the
// grids inside group boxes before the ones around them
void layoutsAktivieren(QWidget* w)
{
    for (QObject* k : w->children())
        if (auto* kw = qobject_cast<QWidget*>(k); kw && !kw->isWindow())
            layoutsAktivieren(kw);
    if (QLayout* l = w->layout())
        l->activate();
}

bool eignerGueltig(Fenster eigner) { return !eigner || istFenster(eigner); }

struct ModalZaehler {
    ModalZaehler() { ++offeneModale; }
    ~ModalZaehler() { --offeneModale; }
};

} // namespace

namespace qt {

bool modalerDialogOffen() { return offeneModale > 0; }

void dialogEinpassen(Fenster f)
{
    if (!istFenster(f) || !f->dialog || !f->lageStumm || !f->rahmen || f->rahmen->isVisible())
        return;
    DialogRahmen* r = rahmenVon(f);
    texteEinpassen(f);
    layoutsAktivieren(r);
    groesseEinpassen(r);
    r->mittigSetzen();
}

void dialogStirbt(Fenster f)
{
    DialogDaten& d = *f->dialog;
    d.fertig = true;                      // a modal loop ends with its dialog
    if (d.schleife)
        d.schleife->exit(0);
}

} // namespace qt

intptr_t dialogModal(const DialogVorlage& v, Fenster eigner, DialogProc proc, intptr_t parameter)
{
    if (!proc || !eignerGueltig(eigner) || !QCoreApplication::instance())
        return -1;
    ModalZaehler zaehler;
    Fenster f = dialogAnlegen(v, eigner, proc);
    const std::shared_ptr<qt::DialogDaten> d = f->dialog;   // outlives the window
    d->modal = true;
    senden(f, nachricht::DialogInit, 0, parameter);
    if (istFenster(f) && !d->beendet) {
        // blocks the owner's window only; without an owner nothing is blocked, but the
        // call still waits here for its end
        if (eigner)
            rahmenVon(f)->setWindowModality(Qt::WindowModal);
        qt::dialogEinpassen(f);
        rahmenVon(f)->show();
        QEventLoop schleife;
        d->schleife = &schleife;
        while (!d->fertig)
            schleife.exec();
        d->schleife = nullptr;
    }
    fensterZerstoeren(f);
    qt::pumpeVermerken();
    return d->beendet ? d->ergebnis : abbrechenId;   // destroyed without an end: cancelled
}

Fenster dialogModeless(const DialogVorlage& v, Fenster eigner, DialogProc proc, intptr_t parameter)
{
    if (!proc || !eignerGueltig(eigner) || !QCoreApplication::instance())
        return nullptr;
    Fenster f = dialogAnlegen(v, eigner, proc);
    senden(f, nachricht::DialogInit, 0, parameter);
    if (!istFenster(f))
        return nullptr;
    if (f->dialog->beendet) {
        fensterZerstoeren(f);
        return nullptr;
    }
    qt::dialogEinpassen(f);
    rahmenVon(f)->show();
    return f;
}

void dialogBeenden(Fenster dlg, intptr_t ergebnis)
{
    if (!istFenster(dlg) || !dlg->dialog)
        return;
    const std::shared_ptr<qt::DialogDaten> d = dlg->dialog;
    d->ergebnis = ergebnis;
    if (d->beendet)
        return;                           // the end is on its way already
    d->beendet = true;
    // queued: the handler that ends the dialog runs to its end first
    const qt::DialogBezug b{dlg, dlg->nummer};
    QMetaObject::invokeMethod(QCoreApplication::instance(), [b, d] {
        d->fertig = true;
        if (d->schleife)
            d->schleife->exit(0);
        else if (!d->modal)
            fensterZerstoeren(b.lebend());
    }, Qt::QueuedConnection);
}

int vorlagenNummer(Fenster dlg) { return istFenster(dlg) && dlg->dialog ? dlg->dialog->vorlage : 0; }

} // namespace plattform
