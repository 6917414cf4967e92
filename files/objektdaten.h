// files/objektdaten.h - the feedback and collision objects' sections of the network text
#pragma once
#include "files/xbuffer.h"

struct RueckkopplungsObjekt;
struct KollisionsObjekt;

// the feedback objects' section at the shared cursor
void rueckkopplungsdatenSpeichern(XBuffer& puffer);
// With null: the number of feedback objects the text holds (every present object is
// deleted first); with an object just made: fills it from the index-th stored object.
int rueckkopplungsdatenLaden(RueckkopplungsObjekt* objekt, char* text, int index);
// a new feedback object at the end of the list; null when it cannot be made
RueckkopplungsObjekt* rueckkopplungsObjektErzeugen();

void kollisionsdatenSpeichern(XBuffer& puffer);
int kollisionsdatenLaden(KollisionsObjekt* objekt, char* text, int index);
KollisionsObjekt* kollisionsObjektNeu();
