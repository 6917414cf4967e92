// tests/permutation/test_ergebniskopie.cpp - indexed records copied into new result files:
// the numbered names, the continuation past the size limit, the header of the copies, the
// extra values, and the ways a copy fails or stops
#include "bewertung_hilfe.h"

using namespace permutationstest;

namespace {

int schreibZaehler = 0;

class Kopie : public BewertungsFall {
protected:
    // q.bin of anzahl records with e = 2 extra values {i, i + 0.5}, i + 1 AP times (mod 3)
    // and the number as value; scanned and sorted by value descending
    void indexieren(int anzahl = 6)
    {
        permutationDatenFreigeben();
        ErgebnisBauer b(2, 3, 2, 2);
        for (int i = 0; i < anzahl; ++i)
            b.satz(i, static_cast<float>(i), std::vector<float>(static_cast<size_t>(i % 3 + 1), 0.1f * static_cast<float>(i)),
                   {static_cast<uint8_t>(i % 3), static_cast<uint8_t>((i + 1) % 3)},
                   {static_cast<float>(i), static_cast<float>(i) + 0.5f});
        b.speichern(ordner + "q.bin");
        pt::dateiAntworten({pt::dateiAntwort(ordner + "q.bin")});
        pt::boxAntworten({antwort::Nein});
        ASSERT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), anzahl);
        permutationIndexSortierenNach(z().index, sortierSchluessel::WertAb);
        boxenVergessen();
    }
    // the header and the records of a written result file, read as the scan reads them
    static std::vector<PermutationsErgebnis> saetze(const std::string& pfad, PermutationsKopf& kopf)
    {
        const std::string bytes = testhilfe::lesen(pfad);
        std::vector<PermutationsErgebnis> s;
        EXPECT_TRUE(ergebnisKopfDekodieren(bytes, kopf)) << pfad;
        uint64_t pos = static_cast<uint64_t>(kopf.ersterSatz);
        while (pos < bytes.size()) {
            PermutationsErgebnis r;
            uint64_t ende = 0;
            if (!ergebnisSatzDekodieren(bytes, pos, kopf, r, &ende)) {
                ADD_FAILURE() << pfad << ": no record at " << pos;
                break;
            }
            s.push_back(std::move(r));
            pos = ende;
        }
        return s;
    }
    // the copy under "kopie 1", with Yes to taking 1 as the first number
    int kopieren(int erste = -1, int anzahl = -1)
    {
        pt::dateiAntworten({pt::dateiAntwort(ordner + "kopie 1.bin")});
        pt::boxAntworten({antwort::Ja});
        return permutationsdateiSpeichern(ordner + "q.bin", erste, anzahl);
    }
};

} // namespace

// With a small size limit the copy goes on in the next number without a file ("0002" is
// taken), each file with a whole header; read back, the records come in index order with
// their extra values, level bytes and AP times, and the headers hold the loaded counts.
TEST_F(Kopie, KleineGrenzeSetztInDerNaechstenFreienNummerFort)
{
    indexieren();
    maxBinDateiGroesse = static_cast<uint32_t>(ersterSatzOffset(2, 3, 2) + 100);
    testhilfe::schreiben(ordner + "kopie 1 0002.bin", "besetzt");
    ASSERT_EQ(kopieren(), 1);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(1276, "kopie 1", 1)}));
    EXPECT_EQ(pt::dateiWahlLog().back().gefragt.name, "q");
    EXPECT_EQ(testhilfe::lesen(ordner + "kopie 1 0002.bin"), "besetzt");
    EXPECT_FALSE(vorhanden("kopie 1 0005.bin"));

    std::vector<int> gelesen;
    for (const char* name : {"kopie 1 0001.bin", "kopie 1 0003.bin", "kopie 1 0004.bin"}) {
        PermutationsKopf kopf;
        const std::vector<PermutationsErgebnis> s = saetze(ordner + name, kopf);
        EXPECT_EQ(s.size(), 2u) << name;
        EXPECT_EQ(std::tuple(kopf.synapsenAnzahl(), kopf.levelAnzahl, kopf.klassen.size(), kopf.zusatzAnzahl, kopf.version),
                  std::tuple(2, 3, size_t{2}, 2, 1));
        EXPECT_DOUBLE_EQ(kopf.level[1][2], 1e-9 * 2 * 3);
        for (const PermutationsErgebnis& r : s) {
            const int i = r.nummer;
            gelesen.push_back(i);
            EXPECT_EQ(r.zusatzWerte, (std::vector<float>{static_cast<float>(i), static_cast<float>(i) + 0.5f}));
            EXPECT_EQ(r.apZeiten.size(), static_cast<size_t>(i % 3 + 1));
            EXPECT_EQ(std::pair(r.level[0], r.level[1]), std::pair(static_cast<uint8_t>(i % 3), static_cast<uint8_t>((i + 1) % 3)));
            EXPECT_EQ(r.wert, static_cast<float>(i));
        }
    }
    EXPECT_EQ(gelesen, (std::vector<int>{5, 4, 3, 2, 1, 0}));
    EXPECT_FALSE(modusStatus & modusBit::DateiOperation);

    // the copies scanned as results of one permutation, their records loaded
    permutationDatenFreigeben();
    for (const char* name : {"kopie 1 0001.bin", "kopie 1 0003.bin", "kopie 1 0004.bin"})
        permutationsdateiLesen((ordner + name).c_str(), ladeModus::Muster);
    modusStatus &= ~modusBit::DateiOperation;
    EXPECT_EQ(nummern(), (std::vector<int>{5, 4, 3, 2, 1, 0}));
    pt::dialogSkript(146, {pt::schritt::tippen(1251, "max"), pt::schritt::klicken(1)});
    ASSERT_EQ(permutationErgebnisseLaden(0, -1, 0, nullptr), 1);
    ASSERT_EQ(z().ergebnisse.size(), 6u);
    EXPECT_EQ(z().ergebnisse[1].zusatzWerte, (std::vector<float>{4.0f, 4.5f}));
    EXPECT_EQ(boxen().size(), 1u);
}

// From a given number on, as many as asked; a number no entry has is said (208) before
// anything is asked or written; a name without a number brings the dialog back (1277),
// No to the number too.
TEST_F(Kopie, StartnummerAnzahlUndName)
{
    indexieren();
    const size_t wahlen = pt::dateiWahlLog().size();
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(permutationsdateiSpeichern(ordner + "q.bin", 9, 2), 0);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[208]}));
    EXPECT_EQ(pt::dateiWahlLog().size(), wahlen);

    boxenVergessen();
    pt::dateiAntworten({pt::dateiAntwort(ordner + "kopie.bin"), pt::dateiAntwort(ordner + "kopie 0.bin"),
                        pt::dateiAntwort(ordner + "kopie 3.bin"), pt::dateiAntwort(ordner + "k7.bin")});
    pt::boxAntworten({antwort::Ok, antwort::Ok, antwort::Nein, antwort::Ja});
    ASSERT_EQ(permutationsdateiSpeichern(ordner + "q.bin", 3, 2), 1);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(1277, "kopie"), meldungFormatieren(1277, "kopie 0"),
                                                 meldungFormatieren(1276, "kopie 3", 3), meldungFormatieren(1276, "k7", 7)}));
    PermutationsKopf kopf;
    const std::vector<PermutationsErgebnis> s = saetze(ordner + "k7 0007.bin", kopf);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(std::pair(s[0].nummer, s[1].nummer), std::pair(3, 2));
    EXPECT_FALSE(vorhanden("kopie 3 0003.bin"));
}

// The dialog asked only about the name as typed: an existing first numbered file is
// replaced only after its own question; No brings the dialog back and leaves it whole.
TEST_F(Kopie, VorhandeneErsteDateiNurNachFrageErsetzt)
{
    indexieren();
    testhilfe::schreiben(ordner + "kopie 1 0001.bin", "alt");
    pt::dateiAntworten({pt::dateiAntwort(ordner + "kopie 1.bin"), pt::dateiAbbruch()});
    pt::boxAntworten({antwort::Ja, antwort::Nein});
    EXPECT_EQ(permutationsdateiSpeichern(ordner + "q.bin", -1, -1), 0);
    EXPECT_EQ(testhilfe::lesen(ordner + "kopie 1 0001.bin"), "alt");
    EXPECT_EQ(boxen().back(), meldungFormatieren(1278, ordner + "kopie 1 0001.bin"));

    boxenVergessen();
    pt::dateiAntworten({pt::dateiAntwort(ordner + "kopie 1.bin")});
    pt::boxAntworten({antwort::Ja, antwort::Ja});
    ASSERT_EQ(permutationsdateiSpeichern(ordner + "q.bin", -1, -1), 1);
    PermutationsKopf kopf;
    EXPECT_EQ(saetze(ordner + "kopie 1 0001.bin", kopf).size(), 6u);
}

// Results loaded from an index that names files of other counts: the header's levels come
// from the definition when its counts match the loaded ones; when they do not either,
// message 80 and nothing is written.
TEST_F(Kopie, KopfLevelAusGeladenenOderPassenderDefinition)
{
    ErgebnisBauer b(2, 3, 2);
    std::vector<PermutationsIndexEintrag> e;
    for (int i = 0; i < 3; ++i)
        e.push_back({i, b.satz(i, 1.0f, {0.2f}, {1, 0}), 0, 1.0f});
    b.speichern(ordner + "q.bin");
    IndexKopf k;
    k.synapsenAnzahl = 1;
    k.levelAnzahl = 2;
    k.pfade = {ordner + "q.bin"};
    k.klassen.resize(2);
    testhilfe::schreiben(ordner + "q.inx", indexKodieren(k, e));
    ASSERT_EQ(permutationsIndexLesen(ordner + "q.inx", 0, ladeModus::Laden), 3);

    permutationsDefinition.levelAnzahl = 3;
    permutationsDefinition.synapsen = {{synapsenId(2, 1), {1.0, 2.0, 3.0}}};
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(permutationsdateiSpeichern(ordner + "q.bin", -1, -1), 0);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[80]}));
    EXPECT_EQ(pt::offeneWahlAntworten(), 0u);

    permutationsDefinition.levelAnzahl = 2;
    permutationsDefinition.synapsen = {{synapsenId(2, 1), {4e-9, 5e-9}}};
    ASSERT_EQ(kopieren(), 1);
    PermutationsKopf kopf;
    EXPECT_EQ(saetze(ordner + "kopie 1 0001.bin", kopf).size(), 3u);
    EXPECT_EQ(kopf.level, (std::vector<std::vector<double>>{{4e-9, 5e-9}}));
}

// A record that cannot be written ends the copy with 221: the files completed before stay
// whole, the one being written is not left behind. Without classes the copy is refused (84).
TEST_F(Kopie, SchreibfehlerLaesstFertigeDateienGanz)
{
    indexieren();
    maxBinDateiGroesse = static_cast<uint32_t>(ersterSatzOffset(2, 3, 2) + 100);
    schreibZaehler = 0;
    // the header and two records of the first file, the header of the second, then a failure
    ergebnisSchreiben = [](const void* d, size_t n, std::FILE* f) { return ++schreibZaehler <= 4 ? std::fwrite(d, 1, n, f) : n - 1; };
    pt::boxAntworten({antwort::Ja, antwort::Ok});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "kopie 1.bin")});
    EXPECT_EQ(permutationsdateiSpeichern(ordner + "q.bin", -1, -1), 0);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(1276, "kopie 1", 1), meldungsTexte[221]}));
    PermutationsKopf kopf;
    EXPECT_EQ(saetze(ordner + "kopie 1 0001.bin", kopf).size(), 2u);
    EXPECT_FALSE(vorhanden("kopie 1 0002.bin") || vorhanden("kopie 1 0002.bin.teil"));
    EXPECT_FALSE(modusStatus & modusBit::DateiOperation);
    ergebnisSchreiben = schreibenVorher;

    klassenAnzahlKopien = 0;
    boxenVergessen();
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(permutationsdateiSpeichern(ordner + "q.bin", -1, -1), 0);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[84]}));
    EXPECT_EQ(pt::boxLog().back().titel, "Hinweis");   // the index's class count ends nothing
    EXPECT_FALSE(programmEndet());
}

// The stop command asks (49): Yes ends the copy as done, with the records so far in a
// whole file. The menu command copies every entry under the first file's name.
TEST_F(Kopie, StoppBehaeltDieGeschriebenenSaetze)
{
    modusAn();
    indexieren(150);
    posten(haupt(), nachricht::Befehl, machWParam(befehlPmtModusBeenden, 0));
    pt::dateiAntworten({pt::dateiAntwort(ordner + "kopie 1.bin")});
    pt::boxAntworten({antwort::Ja, antwort::Ja});
    EXPECT_EQ(permutationsdateiSpeichern(ordner + "q.bin", -1, -1), 1);
    EXPECT_EQ(boxen().back(), meldungFormatieren(49, 100));
    PermutationsKopf kopf;
    EXPECT_EQ(saetze(ordner + "kopie 1 0001.bin", kopf).size(), 100u);
    EXPECT_TRUE(modusStatus & modusBit::Permutationsmodus);

    pt::dateiAntworten({pt::dateiAntwort(ordner + "alle 2.bin")});
    pt::boxAntworten({antwort::Ja});
    befehl(befehlPmtNeueBinDatei);
    EXPECT_EQ(pt::dateiWahlLog().back().gefragt.name, "q");
    EXPECT_EQ(saetze(ordner + "alle 2 0002.bin", kopf).size(), 150u);
}
