#include "loops/SpeiseRahmen.h"

#include "projekt/Format.h"
#include "projekt/Zahlen.h"
#include "projekt/Texte.h"

namespace tarvis {

SpeiseRahmen::Art SpeiseRahmen::PQS() {
    return {" PQS ",
            {529, 530, 531},
            490,
            345,
            346,
            [](Zustand& z) -> Integer& { return z.AnzPQS; },
            [](Zustand& z) -> Integer& { return z.PQSspeis; },
            [](const Zustand& z) { return static_cast<int>(z.PQSWahl); },
            [](Zustand& z, int w) { z.PQSWahl = static_cast<Byte>(w); },
            [](Zustand& z) -> Byte& { return z.PQSBestaetigt; }};
}

SpeiseRahmen::Art SpeiseRahmen::PQB() {
    return {" PQB ",
            {527, 528},
            491,
            345,
            346,
            [](Zustand& z) -> Integer& { return z.AnzPQB; },
            [](Zustand& z) -> Integer& { return z.PQBspeis; },
            [](const Zustand& z) { return static_cast<int>(z.PQBWahl); },
            [](Zustand& z, int w) { z.PQBWahl = static_cast<Byte>(w); },
            [](Zustand& z) -> Byte& { return z.PQBBestaetigt; }};
}

SpeiseRahmen::Art SpeiseRahmen::DUV() {
    return {" DUV ",
            {600, 601},
            651,
            113,
            217,
            [](Zustand& z) -> Integer& { return z.AnzDUV; },
            [](Zustand& z) -> Integer& { return z.DUVspeis; },
            [](const Zustand& z) { return static_cast<int>(z.DUVWahl); },
            [](Zustand& z, int w) { z.DUVWahl = static_cast<Integer>(w); },
            [](Zustand& z) -> Byte& { return z.DUVBestaetigt; }};
}

SpeiseRahmen::SpeiseRahmen(Programm& p, Zaehlgruppe& felder, Art art)
    : p_(p), felder_(felder), art_(std::move(art)) {
    Zustand& z = p_.z;
    auto speis = art_.speis;
    auto anz = art_.anzahl;
    feld_ = felder_.hinzufuegen({ZaehlRegel{999, true, true, 3}, [&z, speis] { return static_cast<int>(speis(z)); },
                                 [&z, speis](int w) { speis(z) = static_cast<Integer>(w); },
                                 [&z, anz] { return static_cast<int>(anz(z)); },
                                 [this] { return boxAktiv_ && anzahl() > 0; },
                                 {}});
}

void SpeiseRahmen::aktivieren() {
    Zustand& z = p_.z;
    Integer& speis = art_.speis(z);
    if (art_.bestaetigt(z) == 0) art_.wahlSetzen(z, 1);
    if (anzahl() == 0) {
        speis = 0;
        art_.wahlSetzen(z, 1);
        boxAktiv_ = false;
        felder_.zeigen(feld_);
        return;
    }
    if (speis == 0) felder_.setzen(feld_, art_.wahl(z) == 2 ? speis : anzahl());
    else felder_.zeigen(feld_);
    if (art_.wahl(z) == 2 && speis != anzahl()) nichtAlle();
    else if (speis > 0) alle();
}

void SpeiseRahmen::alle() {
    art_.wahlSetzen(p_.z, 1);
    boxAktiv_ = false;
    felder_.setzen(feld_, anzahl());
}

void SpeiseRahmen::nichtAlle() {
    art_.wahlSetzen(p_.z, 2);
    boxAktiv_ = true;
    felder_.zeigen(feld_);
}

double SpeiseRahmen::strom28() const {
    double summe = 0;
    for (int i : art_.saetze)
        summe = calc::rGerade(summe + p_.z.Menge[i] *
                                          static_cast<double>(p_.katalog.satz(i).Strom28));
    return summe;
}

double SpeiseRahmen::strom12() const { return calc::rGerade(calc::in12V(strom28(), 28)); }

SpeiseRahmenAnsicht SpeiseRahmen::ansicht() const {
    const Zustand& z = p_.z;
    const bool da = anzahl() > 0;
    const bool nicht = da && art_.wahl(z) == 2;
    SpeiseRahmenAnsicht a;
    a.aktiv = da;
    a.lblSpeis = Beschriftung{Text(art_.lblText), da};
    a.alle = Schalter{Text(art_.alleText), da, da && !nicht && art_.speis(p_.z) > 0};
    a.nicht = Schalter{Text(art_.nichtText), da, nicht};
    a.boxAktiv = boxAktiv_ && da;
    a.info = Beschriftung{std::to_string(anzahl()) + art_.kuerzel + Text(488) + " " + ZahlText(strom28()) + " " +
                          Text(489) + " 28 V, " + Text(492) + " " + ZahlText(strom12()) + " " + Text(493)};
    return a;
}

}  // namespace tarvis
