#include "shell/Anwendung.h"

#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QPrintDialog>
#include <QSettings>

#include "shell/KontaktDialog.h"
#include "shell/Menue1View.h"
#include "shell/QtText.h"
#include "calc/CalcFenster.h"
#include "loops/LoopsFenster.h"
#include "shell/ShellFenster.h"
#include "wizard/WizardFenster.h"

namespace tarvis::ui {

Anwendung::Anwendung() { QCoreApplication::instance()->installEventFilter(&fensterregeln_); }
Anwendung::~Anwendung() = default;

void Anwendung::fensterRegistrieren() {
    ms_.registrieren(Fenster::Kontakt, [this](QWidget* eltern) {
        KontaktDialog d(p_.z.PrgVersion, eltern);
        d.exec();
        return true;
    });
    ms_.registrieren(Fenster::Druckereinrichtung, [this](QWidget* eltern) {
        QPrintDialog d(&drucker_, eltern);
        return d.exec() == QDialog::Accepted;
    });
    presenter_.verfuegbarMachen({Befehl::DruckerEinrichten, Befehl::Hilfe, Befehl::Kurz, Befehl::Neues,
                                 Befehl::Finden, Befehl::Kontakt});
    // Each subsystem registers its windows and the commands they serve.
    shellFensterRegistrieren(*this);
    wizardFensterRegistrieren(*this);
    loopsFensterRegistrieren(*this);
    calcFensterRegistrieren(*this);
}

bool Anwendung::starten(const std::filesystem::path& programmVerzeichnis, std::optional<std::string> sachbearbeiter) {
    ms_.setzeHilfeVerzeichnis(programmVerzeichnis / "hilfe");
    fensterRegistrieren();

    StartUmgebung u;
    u.programmVerzeichnis = programmVerzeichnis;
    u.sachbearbeiterArgument = std::move(sachbearbeiter);
    QDate heute = QDate::currentDate();
    u.heute = {heute.year(), heute.month(), heute.day()};
    u.buildDatum = DatumAusIso(TARVIS_BUILD_DATE);
    u.registrieren = [](const std::string& app, const std::string& section, const std::string& key,
                        const std::string& value) {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, qs(app));
        s.setValue(qs(section + "/" + key), qs(value));
    };
    if (!presenter_.starten(u)) return false;

    // The printer prints in the font of the settings.
    QFont schrift(qs(p_.z.DruckSchrift), p_.z.DruckGroesse);
    Q_UNUSED(schrift);

    view_ = std::make_unique<Menue1View>(presenter_);
    ms_.setzeElternfenster(view_.get());
    view_->zentrieren();
    return true;
}

}  // namespace tarvis::ui
