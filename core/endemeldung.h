// core/endemeldung.h - the boxes after which the program cannot go on
#pragma once
#include <string>

enum class EndeForm {
    Hinweis,         // the notice, then the end
    Info,            // the fatal form ("Velnor info"), then the end whatever its answer, but
                     // for Cancel while a file is read: that abandons only the read
    InfoAbbrechen,   // the fatal form: its Cancel ends, its OK goes on
};

// Says text in the box of the form and, where the form ends, ends the program the regular
// way: programmBeendenMitAngebot, whose offers to save come first and whose Cancel keeps
// the program. The keyboard focus goes back where it was before the box. true when the end
// was asked for. Every box whose answer ends the program is shown here.
bool endeMelden(EndeForm form, const std::string& text);
