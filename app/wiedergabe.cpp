// app/wiedergabe.cpp - the spike playback: recorded spikes shown as flashing neurons
#include "app/hauptfenster.h"
#include "core/status.h"
#include "model/neuron.h"

using namespace plattform;

namespace {
int blitzNeuron = 0;

void beenden(Fenster f)
{
    zeitgeberLoeschen(f, zeitgeber::Wiedergabe);
    spikeAufzeichnung.wiedergabe = 0;
    spikeAufzeichnung.wiedergabeIndex = 0;
    blitzNeuron = 0;
}
} // namespace

int aufblitzendesNeuron() { return spikeAufzeichnung.wiedergabe ? blitzNeuron : 0; }

void spikeWiedergabeStarten(Fenster f)
{
    if (spikeAufzeichnung.ereignisse.empty())
        return;
    spikeAufzeichnung.wiedergabe = 1;
    spikeAufzeichnung.wiedergabeIndex = 0;
    blitzNeuron = 0;
    zeitgeberSetzen(f, zeitgeber::Wiedergabe, wiedergabeTaktMs);
}

void spikeWiedergabeSchritt(Fenster f)
{
    auto& a = spikeAufzeichnung;
    // deleting a neuron takes its spikes out of the recording, so every entry left is alive
    if (!a.wiedergabe || a.wiedergabeIndex < 0 || a.wiedergabeIndex >= static_cast<int>(a.ereignisse.size()))
        beenden(f);
    else
        blitzNeuron = a.ereignisse[static_cast<size_t>(a.wiedergabeIndex++)].neuron->nummer;
    ungueltigMachen(f);
}
