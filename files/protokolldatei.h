// files/protokolldatei.h - the protocol text and the protocol window's keys in the network
// and settings texts
#pragma once
#include "files/xbuffer.h"
#include "platform/fenster.h"

// The protocol block of a saved file: the text (null: the protocol window's own, or the
// saved text while there is no window), the protocol font and the window's keys.
void protokollSpeichern(const char* text, XBuffer& datei);
// the seven keys of the protocol window
void protokollFensterSchluesselSpeichern(XBuffer& puffer);
// The protocol text and the window's and font's keys from text into Protokoll; the text
// also into the protocol window edit when there is one. Keys are looked for behind the
// protocol text only, so nothing a user wrote into the protocol is taken for a key.
void protokollEinstellungenLesen(plattform::Fenster edit, char* text);
// the "[ProtokollTextStart]" line of a network text, null when it has none
char* protokollBlockSuchen(char* text);
