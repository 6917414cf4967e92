// model/objektgraphik.h - the drawing values every feedback and collision object carries
#pragma once

// One block, edited as a whole by the graphics dialog. Colours are 0x00BBGGRR.
struct ObjektGraphik {
    int rautenbreite = 0;
    int rautenhoehe = 0;
    int linienDicke = 0;
    int rautenrandDicke = 0;
    int rautenrandFarbe = 0;
    int rautenFarbe = 0;
    int linienFarbe = 0;
    int linienArt = 0;              // pen style: 0 solid, 1 dashed, 2 dotted
    int zeilenabstandDivisor = 0;   // line spacing of the label = font height / divisor
};
