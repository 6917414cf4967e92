// app/main.cpp - the executable's entry: the platform starts, then the program's own start
#include "app/start.h"
#include "platform/system.h"

int main(int argc, char** argv)
{
    return plattform::starten(argc, argv, programmStart);
}
