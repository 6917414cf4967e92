// files/netzpuffer.cpp - settings and network rebuilt from a text in memory
#include "files/netzpuffer.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "files/einstellungsdatei.h"
#include "files/kurvendatei.h"
#include "files/netzdatei.h"
#include "files/neuronabschnitt.h"
#include "model/netz.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "texts/texte.h"
#include <string>

NetzPufferHaken netzPufferHaken;

namespace {
// the copy being restored; set only inside netzwerkAusKopieLaden
NetzKopie* kopieImLesen = nullptr;
}

char* netzPufferText()
{
    if (undoListe.wiederherstellen)
        return undoListe.text.data();
    if (datHeader.flags & datBit::WirdGeladen)
        return datHeader.text.data();
    if (kopieImLesen)
        return kopieImLesen->text.data();
    return nullptr;
}

int netzwerkAusPufferLaden()
{
    char* text = netzPufferText();
    // a copy is restored as quietly as an undo step: it is the network the user had
    const NetzQuelle quelle =
        undoListe.wiederherstellen || (kopieImLesen && !(datHeader.flags & datBit::WirdGeladen)) ? NetzQuelle::Undo
                                                                                                 : NetzQuelle::Kurvendaten;
    // the settings part; without a text there is nothing the reader could take. A copy is
    // the session's own text: its settings come back as they were.
    const bool kopie = kopieImLesen && text == kopieImLesen->text.data();
    const bool eingestellt =
        text && (netzPufferHaken.einstellungenLaden ? netzPufferHaken.einstellungenLaden(0)
                 : kopie                            ? cfgTextZurueckgeben(text)
                                                    : cfgTextLaden(text));
    if (!eingestellt) {
        if (!programmEndet() && !lesenAbgebrochen())   // else the user chose at a box that ends
            plattform::hinweisBox(meldungsTexte[900]);
        return 0;
    }
    // the network part, which the reader finds behind the settings
    std::string name;
    if (!guiTextLaden(text, quelle, name)) {
        if (!programmEndet() && !lesenAbgebrochen())
            plattform::hinweisBox(meldungsTexte[901]);
        return 0;
    }
    // refresh, the main window back, every diagram window drawn anew
    einstellungenAktualisieren(nullptr, 1);
    if (fensterhandles.hauptfenster && plattform::istMinimiert(fensterhandles.hauptfenster))
        plattform::zeigen(fensterhandles.hauptfenster, plattform::anzeige::Wiederherstellen);
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            if (d->fenster)
                plattform::ungueltigMachen(d->fenster);
    return 1;
}

bool netzwerkKopieren(NetzKopie& kopie)
{
    const SpeicherkopieSchreiben speicherkopie;
    XBuffer puffer;
    if (!guiDateiSpeichern(0, &puffer, 0))
        return false;
    kopie.text = puffer.text();
    kopie.neurone = neuronKette.anzahl;
    return true;
}

int netzwerkAusKopieLaden(NetzKopie& kopie)
{
    struct Quelle {
        explicit Quelle(NetzKopie& k) { kopieImLesen = &k; }
        ~Quelle() { kopieImLesen = nullptr; }
    } quelle(kopie);
    if (kopie.neurone > 0)
        return netzwerkAusPufferLaden();
    // an empty network has nothing to read but its settings
    const bool eingestellt = netzPufferHaken.einstellungenLaden ? netzPufferHaken.einstellungenLaden(0)
                                                                : cfgTextZurueckgeben(kopie.text.data());
    if (!eingestellt) {
        if (!programmEndet() && !lesenAbgebrochen())
            plattform::hinweisBox(meldungsTexte[900]);
        return 0;
    }
    einstellungenAktualisieren(nullptr, 1);
    return 1;
}
