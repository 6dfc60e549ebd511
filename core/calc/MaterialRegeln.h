#pragma once
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

// The rules that turn the project inputs into material list quantities.
// Each names its articles by catalogue record number; Auswerten runs them
// in a fixed order, and later rules may overwrite what earlier ones set.
// A quantity that does not fit into 16 bits stops the calculation
// (calc::Laufzeitfehler).
namespace tarvis::calc {

// The panel article by type and language, and the loop card (TOBA for the
// RW 500, DKM 100 for the KVT 2000 N/B) with Kennz11E; notes 275 and 276.
void ZentralenArtikel(Zustand& z, MessageService& ms);

// Operating units, printers, YA 2000, interfaces, networking, key depots,
// key switches and the other general articles.
void AllgemeineArtikel(Zustand& z);

// The sounder interface card when sounders are among the peripherals.
void SignalgeberKarte(Zustand& z);

// Relays, plugs, connector strips and fuse distributors.
void RelaisUndAusgaenge(Zustand& z);

// Mounting accessories listed in part-number mode.
void SachnummernZubehoer(Zustand& z);
void SachnummernDUVZubehoer(Zustand& z);

// The RW 500 mounting positions: an extra frame when a slot is taken twice.
void RW500Steckplaetze(Zustand& z);

// The loop elements from the per-loop quantities, and the check of the
// catalogue for elements that can no longer be delivered (note 162).
void KBNElemente(const Programm& p, Zustand& z, MessageService& ms);

}  // namespace tarvis::calc
