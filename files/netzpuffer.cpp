// files/netzpuffer.cpp - settings and network rebuilt from a text in memory
#include "files/netzpuffer.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "files/einstellungsdatei.h"
#include "files/kurvendatei.h"
#include "files/netzdatei.h"
#include "model/netz.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "texts/texte.h"
#include <string>

NetzPufferHaken netzPufferHaken;

char* netzPufferText()
{
    if (undoListe.wiederherstellen)
        return undoListe.text.data();
    if (datHeader.flags & datBit::WirdGeladen)
        return datHeader.text.data();
    return nullptr;
}

int netzwerkAusPufferLaden()
{
    char* text = netzPufferText();
    const NetzQuelle quelle = undoListe.wiederherstellen ? NetzQuelle::Undo : NetzQuelle::Kurvendaten;
    // the settings part; without a text there is nothing the reader could take
    const bool eingestellt =
        text && (netzPufferHaken.einstellungenLaden ? netzPufferHaken.einstellungenLaden(0) : cfgTextLaden(text));
    if (!eingestellt) {
        plattform::hinweisBox(meldungsTexte[900]);
        return 0;
    }
    // the network part, which the reader finds behind the settings
    std::string name;
    if (!guiTextLaden(text, quelle, name)) {
        if (!programmEndet())
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
