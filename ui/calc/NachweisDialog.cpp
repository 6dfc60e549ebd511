#include "calc/NachweisDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "calc/Drucken.h"
#include "widgets/QtText.h"
#include "widgets/Knoepfe.h"
#include "widgets/Zaehlfeld.h"

namespace tarvis::ui {

NachweisDialog::NachweisDialog(NachweisPresenter& presenter, QWidget* parent) : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("Nachweis"));
    presenter_.aktivieren();
    const NachweisAnsicht& a = presenter_.ansicht();
    setWindowTitle(qs(a.titel).remove(QLatin1Char('&')));

    auto* layout = new QVBoxLayout(this);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("txtNachweis"));
    text_->setReadOnly(true);
    text_->setTabChangesFocus(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The tables line up only in a fixed-pitch font.
    text_->setFont(DruckSchriftart("COURIER NEW", 10));
    layout->addWidget(text_, 1);

    auto* box = new QHBoxLayout;
    auto* label = new QLabel(qs(a.probeLabel), this);
    probe_ = new Zaehlfeld(QStringLiteral("txtProbe"), QStringLiteral("hsbProbe"), this);
    probe_->binden(ZaehlBindung{[this] { return presenter_.probeAnsicht(); },
                                [this](const std::string& t) { presenter_.probeText(t); },
                                [this](int v) { presenter_.probeBalken(v); },
                                [this](char32_t c) { return presenter_.probeTaste(c); },
                                [this] { presenter_.probeTasteUnten(); }});
    label->setBuddy(probe_->feld());
    ergebnis_ = new QLabel(this);
    ergebnis_->setObjectName(QStringLiteral("lblProbe"));
    uebernehmen_ = new QPushButton(qs(a.uebernehmen), this);
    uebernehmen_->setObjectName(QStringLiteral("cmdUebernehmen"));
    box->addWidget(label);
    box->addWidget(probe_);
    box->addWidget(new QLabel(QStringLiteral("h"), this));
    box->addWidget(uebernehmen_);
    box->addStretch();
    layout->addLayout(box);
    ergebnis_->setWordWrap(true);
    layout->addWidget(ergebnis_);

    auto* drucken = new QPushButton(qs(a.drucken), this);
    drucken->setObjectName(QStringLiteral("cmdDrucken"));
    auto* ok = okKnopf(this, qs(a.ok), [this] { return presenter_.ok(); });
    layout->addLayout(knopfzeile({drucken}, {ok}));

    connect(probe_, &Zaehlfeld::geaendert, this, [this] { probeAnzeigen(); });
    connect(uebernehmen_, &QPushButton::clicked, this, [this] {
        presenter_.uebernehmen();
        anzeigen();
    });
    connect(drucken, &QPushButton::clicked, this, [this] { presenter_.drucken(); });
    anzeigen();

    // Wide enough for the document's 80 columns where the screen allows.
    const QFontMetrics fm(text_->font());
    int breite = fm.horizontalAdvance(QString(84, QLatin1Char('0'))) + 60;
    int hoehe = 640;
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        breite = std::min(breite, s->availableGeometry().width() - 40);
        hoehe = std::min(hoehe, s->availableGeometry().height() - 60);
    }
    resize(breite, hoehe);
}

void NachweisDialog::anzeigen() {
    const NachweisAnsicht& a = presenter_.ansicht();
    QStringList zeilen;
    for (const std::string& z : a.zeilen) zeilen << qs(z);
    text_->setPlainText(zeilen.join(QLatin1Char('\n')));
    probeAnzeigen();
}

void NachweisDialog::probeAnzeigen() {
    const NachweisAnsicht& a = presenter_.ansicht();
    probe_->aktualisieren();
    ergebnis_->setText(qs(a.probeErgebnis));
    uebernehmen_->setEnabled(a.uebernehmenAktiv);
}

}  // namespace tarvis::ui
