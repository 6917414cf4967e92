// resources/befehle.h - the command ids of the main window
//
// Every command that reaches hauptfensterBefehl, from the main menus 101/310, the
// permutation menus, context menus, keys and other windows. Ranges are given by their
// first and last id (names ending in Erste and Letzte). Texts in quotes are the German
// menu texts. Keys in brackets send the command from a diagram window (the F2 keys and
// ESC from the main window too). The block near the end holds numbers of our own
// (41001-41099).
#pragma once

// --- file ----------------------------------------------------------------------------
constexpr int befehlDateiSchliessen = 40114;          // close the network file (the evaluation window sends it too)
constexpr int befehlGuiDateiSpeichern = 40078;        // "GU&I-Datei speichern"; also the run's backup (Ctrl+S in diagrams)
constexpr int befehlDatDateiSpeichernUnter = 40280;   // "DAT-Datei speichern unter": curve data file
constexpr int befehlMembranpotentialImport = 51045;   // read a membrane-potential file (*.mpf)
constexpr int befehlWavImportEinstellungen = 40332;   // dialog 322, settings of the WAV import
constexpr int befehlDruckerUeberschrift = 40172;      // fixed head of the printer submenu; does nothing
constexpr int befehlDruckerErste = 50000;             // choose printer i of the list: 50000 + i
constexpr int befehlDruckerLetzte = 50099;            // later printers choose nothing
constexpr int befehlProgrammBeenden = 40002;          // end the program (the server window's left Shift+Esc sends it)

// --- neurons -------------------------------------------------------------------------
constexpr int befehlNeuronNeu = 40030;                // "&neues Neuron"
constexpr int befehlPhysiologie = 40102;              // "&physiologische Parameter...": 117, or 303 for Izhikevich neurons (F5)
constexpr int befehlPhysiologieKontext = 51039;       // context menu: dialog 117
constexpr int befehlIzhikevichKontext = 51046;        // context menu: dialog 303 with the first marked neuron
constexpr int befehlMorphologie = 40106;              // dialog 138
constexpr int befehlMorphologieKontext = 51038;       // context menu: dialog 138
constexpr int befehlRauschen = 40119;                 // dialog 149, reopened until OK or Cancel
constexpr int befehlVoltageClamp = 228;               // "Voltage-Clamp-Modus ...": dialog 229, one marked neuron (V)
constexpr int befehlDarzustellendeKurven = 40118;     // dialog 147, then a run unless cancelled
constexpr int befehlNeuronName = 40071;               // dialog 126
constexpr int befehlNeuronNameKontext = 51043;        // context menu: dialog 126
constexpr int befehlPotentialbegrenzung = 40273;      // dialog 315
constexpr int befehlPotentialbegrenzungKontext = 51052; // context menu: dialog 315
constexpr int befehlStandardKanaele = 40220;          // "Standard-Kanäle": dialog 160 (Ctrl+F11)
constexpr int befehlBenutzerKanaele = 219;            // "Benutzerdefinierte Kanäle": dialog 218 (Shift+F11)
constexpr int befehlKCaKanal = 40271;                 // "Calziumabhaengiger K-Kanal": dialog 314 (F11)
constexpr int befehlStrominjektion = 40147;           // dialog 150; the dialog sends it to reopen itself
constexpr int befehlSpikeZeitenKontext = 51050;       // context menu and double click: dialog 275 for spike times
constexpr int befehlSpikefolgeBewerten = 277;         // "Spikefolge nach Simulation bewerten ...": dialog 275, rating mode
constexpr int befehlSpikefolgeParameter = 285;        // dialog 284, settings of the spike-train rating
constexpr int befehlExportparameter = 168;            // "Exportparameter definieren...": dialog 169
constexpr int befehlTasteF7 = 51047;                  // F7 of a diagram window; no menu item
constexpr int befehlReizdefinitionErste = 55000;      // popup of stimulus definitions: 55000 title,
constexpr int befehlReizdefinitionLetzte = 55499;     // 55001 + i chooses definition i

// --- synapses ------------------------------------------------------------------------
constexpr int befehlSynapseNeu = 40099;               // "neue S&ynapse": dialog 135, new synapse
constexpr int befehlSynapseNeuKontext = 51042;        // context menu: the same
constexpr int befehlSynapseAendern = 40133;           // "Synapse ändern Dialog\tF9": each synapse under the cursor
constexpr int befehlSynapsentypen = 40098;            // "&Synapsentypen ...": dialog 134
constexpr int befehlSynapseBearbeitenErste = 45000;   // context: edit synapse i under the cursor, 45000 + i
constexpr int befehlSynapseBearbeitenLetzte = 45499;  // (F9 in a diagram sends 45000)
constexpr int befehlSynapseLoeschenErste = 45500;     // context: delete synapse i under the cursor, 45500 + i
constexpr int befehlSynapseLoeschenLetzte = 45999;
constexpr int befehlTransmitterdynamik = 51105;       // dialog 258 for the current synapse (Shift+F9)
constexpr int befehlPspForm = 51106;                  // dialog 319 for the current synapse (Ctrl+F9)
constexpr int befehlFazilitation = 51107;             // dialog 304 for the current synapse (Alt+F9)

// synapse groups
constexpr int befehlAusGruppeEntfernen = 51099;       // context: take the current synapse out of its group
constexpr int befehlGruppeNeu = 51100;                // context: "Gruppe erzeugen und Synapse einfuegen"
constexpr int befehlGruppeMitgliederZeigen = 51101;   // context: member popup of the current synapse's group
constexpr int befehlGruppenAuflisten = 51102;         // "gruppen auflisten": popup of all groups
constexpr int befehlGruppeBearbeiten = 51103;         // context: dialog 306 for the current synapse's group
constexpr int befehlAlleSynapsenBearbeiten = 51104;   // dialog 306 on a passing group of all synapses
constexpr int befehlGruppeLoeschenMenue = 48650;      // "gruppe loeschen": popup of groups to dissolve
constexpr int befehlGruppeEintragenErste = 46501;     // 46500 + g: add the current synapse to group g (1..31)
constexpr int befehlGruppeEintragenLetzte = 46531;
constexpr int befehlGruppenPopupErste = 46551;        // 46550 + g: member popup of group g
constexpr int befehlGruppenPopupLetzte = 46581;
constexpr int befehlGruppenMitgliedErste = 46600;     // 46600 + i: dialog 306 at member i of the popup's group;
constexpr int befehlGruppenMitgliedLetzte = 48649;    // stops short of 48650, so 2050 members at most
constexpr int befehlGruppeAufloesenErste = 48651;     // 48650 + g: dissolve group g, keep its synapses
constexpr int befehlGruppeAufloesenLetzte = 48681;

// --- simulation ----------------------------------------------------------------------
constexpr int befehlSimulationStarten = 40039;        // "Simulation &starten\tF2"; every "OK - F2" sends it
constexpr int befehlSimulationAbbrechen = 40040;      // "Simulation &abbrechen\tESC"; during a script: cancel it
constexpr int befehlSimulationseinstellungen = 40092; // "Simulations&einstellungen ...": dialog 133
constexpr int befehlKeinDendrit = 40094;              // "&kein Dendriteneinfluss": dendrite mode 1, 0 segments
constexpr int befehlDendritEinSegment = 40095;        // "Dendrit mit &1 Segment": mode 2, 1 segment
constexpr int befehlDendritDreiSegmente = 40096;      // "Dendrit mit &3 Segmenten": mode 3, 3 segments
constexpr int befehlDendritNSegmente = 40097;         // "Dendrit mit &n Segmenten": mode 4, 6 segments
constexpr int befehlBackupVorSimulation = 231;        // switch "&Backup vor Simulation speichern"
constexpr int befehlHauptfensterMinimieren = 40120;   // switch "&Hauptfenster nach Simulation minimieren"
constexpr int befehlApsAufzeichnen = 292;             // switch "APs bei Simulation aufzeichnen"
constexpr int befehlErgebnisExportieren = 40076;      // switch "Simulationsergebnis exportieren" (text export)
constexpr int befehlSomapotentialSpeichern = 40077;   // switch "Somapotential als &Werte speichern" (binary file)
constexpr int befehlPermutationsmodusEinschalten = 178; // "&Permutationsmodus einschalten"

// --- script and evaluation -----------------------------------------------------------
constexpr int befehlSkriptLaden = 40218;              // "Skript laden"
constexpr int befehlSkriptSchliessen = 40219;         // "Skript schliessen", closes its results too
constexpr int befehlSkriptStarten = 40038;            // "Simulation mit Skript starten" (Shift+F2)
constexpr int befehlSkriptNeuLadenUndStarten = 40306; // "... und zuvor Skript erneut laden" (Ctrl+F2)
constexpr int befehlSkriptInteraktiv = 40264;         // "Interaktive Skriptausfuehrung" (Alt+F2)
constexpr int befehlSkriptTesten = 272;               // runs the script in test mode
constexpr int befehlSkriptMeldungen = 40188;          // switch "Meldungen bei Skript-Bearbeitung"
constexpr int befehlAuswertemodus = 40199;            // evaluation mode with its own window

// --- windows -------------------------------------------------------------------------
constexpr int befehlDiagrammeAlle = 40080;            // "zu allen &Neuronen" (Ctrl+N)
constexpr int befehlDiagrammeMarkierte = 40154;       // "zu &markierten Neuronen" (Ctrl+M)
constexpr int befehlDiagrammAnLetzterPosition = 40101; // "zu markiertem an letzter Position öffnen" (Ctrl+F)
constexpr int befehlDiagrammeGeoeffnete = 40116;      // "alle ge&oeffneten": show all open windows (Ctrl+O)
constexpr int befehlDiagrammeAusListe = 40087;        // "aus &Liste": restore the stored window list (Ctrl+L)
constexpr int befehlGeoeffneteGleichgross = 40100;    // "alle &geöffneten gleichgroß" (Ctrl+G)
constexpr int befehlAusListeGleichgross = 40082;      // "aus L&iste gleichgroß" (Ctrl+I)
constexpr int befehlFensterInListeSpeichern = 40081;  // "Fenster in &Liste speichern" (Ctrl+Shift+F)
constexpr int befehlDiagrammeSchliessen = 249;        // "alle schliessen" (Ctrl+Shift+N)
constexpr int befehlTextfensterAnzeigen = 40168;      // "Textfenster anzeigen": the protocol window (Ctrl+T)
constexpr int befehlStrgMNurMinimieren = 40298;       // switch "Fenster bei Strg+M nur minimieren"

// --- options -------------------------------------------------------------------------
constexpr int befehlDialogeKomplett = 40294;          // switch "Dialoge komplett darstellen"

// --- real-time server ----------------------------------------------------------------
constexpr int befehlServerStarten = 290;              // "Server starten"; stops a running server
// the three brute-force entries of the server menu only say that the mode is switched off
constexpr int befehlServerBruteForce = 40229;
constexpr int befehlServerBruteForceAnzahl = 40231;   // "brute force anzahl ermitteln"
constexpr int befehlServerNummerSetzen = 40232;       // "Nummer setzen"
constexpr int befehlServerBeenden = 40224;            // stops the server; only in the server menus 302/304
constexpr int befehlServerFensterNeuZeichnen = 40225; // repaints the server window; only in 302/304
constexpr int befehlServerAnzeigeNeuron = 51109;      // context: the neuron becomes the displayed one
constexpr int befehlServerEingangsNeuron = 51110;     // context: ... the input neuron
constexpr int befehlServerAusgangsNeuron = 51111;     // context: ... the output neuron
constexpr int befehlKaliumDialog = 40028;             // kept in letzterDialog by the potassium dialog; no action here

// --- permutation mode (menus 176/308, 238/307, 234/303 and the display window) ---------
constexpr int befehlPmtModusBeenden = 4;              // "Permutationsmodus beenden"; stops a running result operation
constexpr int befehlPmtDefinieren = 184;              // "permutation synaptischer Übertragungsstärken"
constexpr int befehlPmtDefinitionAbbrechen = 239;     // "abbrechen": ends the interactive definition
constexpr int befehlPmtDefinitionLaden = 183;         // "Definition laden"
constexpr int befehlPmtDefinitionSpeichern = 181;     // "Definition speichern"
constexpr int befehlPmtAnalyseKriterien = 213;        // "Analyse-Kriterien definieren ...": dialog 212
constexpr int befehlPmtStarten = 40174;               // "starten"
constexpr int befehlPmtErneutStarten = 191;           // "erneut starten" at a number
constexpr int befehlPmtPartiell = 193;                // "partiell durchführen"
constexpr int befehlPmtFreieReihenfolge = 200;        // "freie Reihenfolge"
constexpr int befehlPmtAnhalten = 236;                // "anhalten": pause and continue
constexpr int befehlPmtAnhaltenFortschritt = 235;     // the same from the progress window ("fortsetzen" while paused)
constexpr int befehlPmtAbbrechen = 40177;             // "abbrechen" a running series
constexpr int befehlPmtTeilsimulation = 237;          // switch "Permutation als Teilsimulation rechnen"
constexpr int befehlPmtFensterNachFreier = 258;       // switch "Permutationsfenster nach freier Permutation darstellen"
constexpr int befehlPmtErgebnisGroesse = 252;         // "Größe der Ergebnisdatei (*.bin) festlegen ..."
constexpr int befehlPmtFensterEinstellungen = 202;    // "Balken-Darstellung der Synapsenstärken ...": dialog 203
constexpr int befehlPmtLevelBalken = 198;             // switch: level bars in the display
constexpr int befehlPmtZeigeNummer = 222;             // switches of the numbers row: result number,
constexpr int befehlPmtZeigeGuete = 223;              // quality,
constexpr int befehlPmtZeigeFrequenzen = 224;         // class frequencies,
constexpr int befehlPmtZeigePosition = 225;           // position in %,
constexpr int befehlPmtZeigeApAnzahl = 226;           // AP count
constexpr int befehlPmtLevelPruefen = 264;            // switch "Synapsenstärken  von Bin-Dateien müssen gleich sein"
constexpr int befehlPmtErgebnisseDarstellen = 207;    // "Permutationsergebnisse darstellen": opens the display
constexpr int befehlPmtSpikefolgeBewerten = 276;      // rating on/off (Ctrl+B in the display)
constexpr int befehlPmtBurstdaten = 281;              // burst report on/off (Ctrl+Shift+B in the display)

// --- our own numbers (41001-41099): commands that had no number ------------------------
constexpr int befehlDateiOeffnen = 41001;             // open dialog; start-up sends it for the command-line file
constexpr int befehlGuiDateiSpeichernUnter = 41002;   // save the network under a new name
constexpr int befehlSimDateiSpeichern = 41003;        // "SIM-D&atei speichern"
constexpr int befehlSimDateiSpeichernUnter = 41004;   // "SI&M-Datei speichern unter"
constexpr int befehlDefinitionExportieren = 41005;    // marked neurons into a definition file (*.def)
constexpr int befehlDefinitionImportieren = 41006;    // neurons from a definition file
constexpr int befehlNetzwerkDrucken = 41007;          // print the network window
constexpr int befehlSeiteEinrichten = 41008;          // dialog 153 for the network page
constexpr int befehlDruckerSuchen = 41009;            // rebuild the printer list
constexpr int befehlNeuroneKopieren = 41010;          // copy the marked neurons
constexpr int befehlNeuroneLoeschen = 41011;          // delete the marked neurons
constexpr int befehlStromReiz = 41012;                // dialog 132, legacy stimulus of the marked neurons
constexpr int befehlStromreizKennzeichnung = 41013;   // dialog 152, flash symbol of the marked neurons
constexpr int befehlStromreizeZuruecksetzen = 41014;  // every neuron's stimulus tables back to none
constexpr int befehlSpikesZaehlen = 41015;            // switch "Spikes zaehlen und &anzeigen"
constexpr int befehlApsAbspielen = 41016;             // play the recorded spikes back
constexpr int befehlTextfensterEinblenden = 41017;    // switch: protocol window inside the main window
constexpr int befehlAnzeigedauerInfobox = 41018;      // display time of the timed info box (dialog 146)
constexpr int befehlEinstellungenLaden = 41019;       // read a settings file
constexpr int befehlEinstellungenSpeichern = 41020;   // "Einstellungen speichern" under cfgPfad
constexpr int befehlEinstellungenSpeichernUnter = 41021; // settings file under a new name
constexpr int befehlSpracheDeutsch = 41022;           // language 1031: saved, then the program ends
constexpr int befehlSpracheEnglisch = 41023;          // language 1033: the same
constexpr int befehlDateitypRegistrieren = 41024;     // register the .gui file type
constexpr int befehlAxoSynapseErste = 41080;          // context: axo-axonic synapse from the marked neuron onto
constexpr int befehlAxoSynapseLetzte = 41099;         // synapse i under the cursor, 41080 + i
// result files of the permutation mode (menu 176/308)
constexpr int befehlPmtErgebnisseLaden = 41030;       // "Ergebnisse laden"
constexpr int befehlPmtErgebnisseUnsortiertLaden = 41031; // "Ergebnisse unsortiert laden (schnell)"
constexpr int befehlPmtIndexPartiellLesen = 41032;    // "Indexdatei partiell lesen"
constexpr int befehlPmtIndexSpeichernUnter = 41033;   // "Indexdatei speichern unter"
constexpr int befehlPmtIndexPartiellSpeichern = 41034; // "Indexdatei partiell speichern"
constexpr int befehlPmtIndexAusBinDateien = 41035;    // "Indexdatei aus Bin-Dateien erstellen"
constexpr int befehlPmtNeueBinDatei = 41036;          // "aus index neue BIN-Datei erstellen"
constexpr int befehlPmtSortGuete = 41037;             // "Index nach Güte sortieren"
constexpr int befehlPmtSortNummer = 41038;            // "Index nach Nummer Sortieren"
constexpr int befehlPmtSortGueteAbsteigend = 41039;   // "Index nach absteigender Güte sortieren"
constexpr int befehlPmtDublettenSuchen = 41040;       // "Dubletten suchen"
constexpr int befehlPmtNeuBewerten = 41041;           // "Ergebnis neu Bewerten ..."
constexpr int befehlPmtBurstBewertung = 41042;        // "Ergebnisse nach Bursts bewerten"
constexpr int befehlPmtLevelHaeufigkeit = 41043;      // "Häufigkeit der Synapsenstärken ausgeben..."
constexpr int befehlPmtAusgabe = 41044;               // "Ausgabeparameter wählen und ausgeben...": dialog 256, export
constexpr int befehlPmtErgebnisdateienSchliessen = 41045; // "Ergebnisdatei(en) schliessen"
constexpr int befehlPmtErgebnisAnzahl = 41046;        // "Anzahl von Ergebnissen ändern ..."
