// permutation/ergebnisse.h - the loaded results and the display window, as the definition
// and the series reach them
#pragma once

// every loaded result released, with the index and the open result files
void permutationDatenFreigeben();
// the display window closed when it is open
void permutationFensterSchliessen();
