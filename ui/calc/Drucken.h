#pragma once
#include <QFont>
#include <QString>
#include <functional>
#include <string>

#include "projekt/Druckseiten.h"

class QPrinter;
class QWidget;

namespace tarvis::ui {

class Anwendung;

// The font a printout is printed in: the clerk's font name and size. The
// Courier fonts of the settings are served by the metric-compatible
// Liberation Mono, so that the columns fall where they always did.
QFont DruckSchriftart(const std::string& name, int groesse);

// Prints a job on a printer (a PDF printer too): each line's texts at their
// 1-based columns in character widths of the font, a new sheet for each page
// of the job and wherever a page is full. The sheet has margins of a
// centimetre (more where the printer needs them); the blank columns before
// column 5 are left out, and the font is made smaller where the sheet would
// not hold the columns up to 80 (up to 88 when the job has lines that long).
// Nothing is printed beyond the margin: a longer text goes on below. Blocks
// of lines are kept on one sheet where they fit (AufBlaetter). False when
// the printer could not start or failed on the way (what was sent stays
// printed).
bool DruckauftragDrucken(QPrinter& drucker, const Druckauftrag& auftrag);

// The printouts of the program (result list, article list, loop entry):
// on the printer set up in the program, or, on a machine without a printer
// (or with "print to file" chosen), into a PDF file that the user chooses.
// A printer error is reported.
void DruckauftragAusgeben(Anwendung& a, const Druckauftrag& auftrag);

// How the PDF file is chosen: a file dialog; tests answer with a path (an
// empty one cancels).
using PdfDateiWahl = std::function<QString(QWidget* eltern, const QString& vorschlag)>;
void setzePdfDateiWahl(PdfDateiWahl wahl);

}  // namespace tarvis::ui
