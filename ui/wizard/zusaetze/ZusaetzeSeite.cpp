#include "wizard/zusaetze/ZusaetzeSeiten.h"

namespace tarvis::ui {

QLabel* ZusaetzeSeite::label(const char* name, bool umbrechen) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromUtf8(name));
    l->setWordWrap(umbrechen);
    return l;
}

QGroupBox* ZusaetzeSeite::rahmen(const char* name) {
    auto* g = new QGroupBox(this);
    g->setObjectName(QString::fromUtf8(name));
    return g;
}

Zaehlfeld* ZusaetzeSeite::zaehlfeld(const char* text, const char* balken, ZFeld f) {
    auto* z = new Zaehlfeld(QString::fromUtf8(text), QString::fromUtf8(balken), this);
    z->binden(p_, f);
    connect(z, &Zaehlfeld::geaendert, this, &ZusaetzeSeite::nachEingabe);
    felder_.push_back(z);
    return z;
}

JaNeinRahmen* ZusaetzeSeite::jaNein(const char* rahmen, const char* ja, const char* nein,
                                    std::function<void(bool)> setzer) {
    auto* r = new JaNeinRahmen(QString::fromUtf8(rahmen), QString::fromUtf8(ja), QString::fromUtf8(nein), this);
    connect(r, &JaNeinRahmen::gewaehlt, this, [this, setzer](bool j) {
        setzer(j);
        nachEingabe();
    });
    return r;
}

QRadioButton* ZusaetzeSeite::option(const char* name, QWidget* eltern, std::function<void()> klick) {
    auto* o = new QRadioButton(eltern);
    o->setObjectName(QString::fromUtf8(name));
    connect(o, &QRadioButton::clicked, this, [this, klick] {
        klick();
        nachEingabe();
    });
    return o;
}

QPushButton* ZusaetzeSeite::knopf(const char* name, std::function<void()> klick) {
    auto* k = new QPushButton(this);
    k->setObjectName(QString::fromUtf8(name));
    connect(k, &QPushButton::clicked, this, [this, klick] {
        klick();
        nachEingabe();
    });
    return k;
}

void ZusaetzeSeite::felderAktualisieren() {
    for (Zaehlfeld* f : felder_) f->aktualisieren();
}

}  // namespace tarvis::ui
