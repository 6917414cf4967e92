// files/objektdaten.h - the feedback and collision objects' sections of the network text
#pragma once
#include "files/xbuffer.h"
#include "model/kollision.h"
#include "model/rueckkopplung.h"

// the feedback objects' section
void rueckkopplungsdatenSpeichern(XBuffer& puffer);
// With null: deletes every present object and returns the number of feedback objects the
// text holds (0 without the section), the on-switch read; with an object just made: fills
// it from the index-th stored object.
int rueckkopplungsdatenLaden(Rueckkopplungsobjekt* objekt, char* text, int index);

void kollisionsdatenSpeichern(XBuffer& puffer);
int kollisionsdatenLaden(Kollisionsobjekt* objekt, char* text, int index);
