#include "ablauf/Anwendung.h"

#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QSettings>

#include "ablauf/Menue1View.h"
#include "widgets/QtText.h"

namespace tarvis::ui {

Anwendung::Anwendung() { QCoreApplication::instance()->installEventFilter(&fensterregeln_); }
Anwendung::~Anwendung() = default;

bool Anwendung::starten(const std::filesystem::path& programmVerzeichnis, std::optional<std::string> sachbearbeiter) {
    ms_.setzeHilfeVerzeichnis(programmVerzeichnis / "hilfe");

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
    if (!presenter().starten(u)) return false;

    // The printer prints in the font of the settings.
    QFont schrift(qs(p_.z.DruckSchrift), p_.z.DruckGroesse);
    Q_UNUSED(schrift);

    view_ = std::make_unique<Menue1View>(presenter());
    ms_.setzeElternfenster(view_.get());
    view_->zentrieren();
    return true;
}

}  // namespace tarvis::ui
