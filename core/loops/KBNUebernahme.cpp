#include "loops/KBNUebernahme.h"

#include <cstdint>
#include <initializer_list>

#include "projekt/KBNSummen.h"
#include "projekt/Saettigung.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace {

Integer summe(const Zustand& z, std::initializer_list<int> saetze) {
    std::int64_t s = 0;
    for (int i : saetze) s += z.Menge[i];
    return gesaettigt<Integer>(s);
}

// "All modules of this kind are fed from the system" (1) unless the number
// to be fed differs from the number of modules (2); without modules nothing
// is fed.
template <typename W> void speisung(Integer anzahl, Integer& speis, W& wahl) {
    wahl = 1;
    if (anzahl != speis) wahl = 2;
    if (anzahl == 0) speis = 0;
}

}  // namespace

void KBNMengenUebernehmen(Zustand& z) {
    for (int i = kKBNUebernahmeErster; i <= kKBNLetzter; ++i) {
        auto iu = static_cast<std::size_t>(i);
        std::int64_t s = 0;
        for (int k = 1; k <= 4; ++k) s += z.KBNMenge(k)[iu];
        z.Menge[iu] = gesaettigt<Integer>(s);
    }
}

void KBNModuleAbleiten(Zustand& z, MessageService& ms) {
    z.AnzPQS = summe(z, {529, 530, 531});
    speisung(z.AnzPQS, z.PQSspeis, z.PQSWahl);
    z.AnzPQB = summe(z, {527, 528});
    speisung(z.AnzPQB, z.PQBspeis, z.PQBWahl);
    z.AnzDUV = summe(z, {600, 601});
    speisung(z.AnzDUV, z.DUVspeis, z.DUVWahl);
    z.AnzPQK = summe(z, {625, 626});
    z.PQK12 = z.Menge[626];
    z.AnzPQV = z.Menge[627];
    z.AnzArt646 = z.Menge[646];
    z.AnzHY = z.Menge[670];
    z.AnzPSM = z.Menge[514];
    if (z.AnzPSM == 0) {
        z.Wandler28 = 0;
        z.PSMParallel = 0;
    }

    if (z.ProjektGeoeffnet == 1) {
        // Opening a project recounts the loops without asking again.
        z.ProjektGeoeffnet = 0;
    } else if (istTL300(z.ZentralenTyp) && z.AnzPSM > 0) {
        Antwort vorgabe = z.PSMParallel == 1 ? Antwort::Nein : Antwort::Ja;
        Antwort a = ms.frage(Nr(735), Schaltflaechen::JaNein, Symbol::Frage, "TL 300 + PSM 300", vorgabe);
        z.PSMParallel = a == Antwort::Ja ? 2 : 1;
    }
}

void KBNBedienteileZaehlen(Zustand& z) { z.AnzBETL = summe(z, {620, 621}); }

}  // namespace tarvis
