#pragma once
// The eleven tabs of the additional-functions window, one widget each. A tab
// forwards its inputs to the presenter and shows its part of the view state;
// after every input it emits geaendert() and the window refreshes all tabs.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <functional>
#include <vector>

#include "widgets/JaNeinRahmen.h"
#include "widgets/Zaehlfeld.h"
#include "wizard/ZusaetzePresenter.h"

namespace tarvis::ui {

class ZusaetzeSeite : public QWidget {
    Q_OBJECT
public:
    ZusaetzeSeite(ZusaetzePresenter& p, QWidget* parent) : QWidget(parent), p_(p) {}
    virtual void aktualisieren(const ZusaetzeAnsicht& a) = 0;

signals:
    void geaendert();

protected:
    // Builders that name the control and wire it to the presenter.
    QLabel* label(const char* name, bool umbrechen = false);
    QGroupBox* rahmen(const char* name);
    Zaehlfeld* zaehlfeld(const char* text, const char* balken, ZFeld f);
    JaNeinRahmen* jaNein(const char* rahmen, const char* ja, const char* nein, std::function<void(bool)> setzer);
    QRadioButton* option(const char* name, QWidget* eltern, std::function<void()> klick);
    QPushButton* knopf(const char* name, std::function<void()> klick);
    // An input reached the presenter.
    void nachEingabe() { emit geaendert(); }
    void felderAktualisieren();

    ZusaetzePresenter& p_;
    std::vector<Zaehlfeld*> felder_;
};

// Tab 0: standby time, mains-failure delay, external loads.
class EnergieSeite : public ZusaetzeSeite {
    Q_OBJECT
public:
    EnergieSeite(ZusaetzePresenter& p, QWidget* parent);
    void aktualisieren(const ZusaetzeAnsicht& a) override;

private:
    QGroupBox *fraUezeit_, *fraVzeit_, *fraExtVerb_;
    QLabel *lblUezeit_, *lblVerz_, *lblMinuten_, *lblBedarf_, *lbl12_, *lbl28_;
    std::array<QRadioButton*, 4> stunden_{};
    JaNeinRahmen* verz_;
    QPushButton *cmd12eingeben_, *cmd12loeschen_, *cmd28eingeben_, *cmd28loeschen_, *hilfe_;
};

// Tab 1: fire-brigade panel and key depot.
class FbfSdSeite : public ZusaetzeSeite {
    Q_OBJECT
public:
    FbfSdSeite(ZusaetzePresenter& p, QWidget* parent);
    void aktualisieren(const ZusaetzeAnsicht& a) override;

private:
    QGroupBox *fraFBF_, *fraSD_;
    std::array<QRadioButton*, 2> fbf_{};
    std::array<QRadioButton*, 5> sd_{};
    QCheckBox* gma_;
};

// Tab 2: relay contacts and mimic-panel points.
class TableauSeite : public ZusaetzeSeite {
    Q_OBJECT
public:
    TableauSeite(ZusaetzePresenter& p, QWidget* parent);
    void aktualisieren(const ZusaetzeAnsicht& a) override;

private:
    QGroupBox *fra1_, *fra2_;
    QLabel *kontMenge_, *mrvn_, *vrx_, *kpl_, *tablop_, *strombed_, *normal_, *invers_, *max1_, *max2_;
    QLabel *maxMRVN_, *maxVRX_, *maxKPL_, *maxTablo_, *maxStrom_, *normal2_, *invers2_;
    QPushButton* hilfe_;
};

// Tab 3: YA 2000 and teleservice.
class YaTeleSeite : public ZusaetzeSeite {
    Q_OBJECT
public:
    YaTeleSeite(ZusaetzePresenter& p, QWidget* parent);
    void aktualisieren(const ZusaetzeAnsicht& a) override;

private:
    QGroupBox* fraYA_;
    std::array<QRadioButton*, 3> ya_{};
    JaNeinRahmen* tele_;
};

// Tab 4: interfaces to a superior system and their encryption.
class SchnittstellenSeite : public ZusaetzeSeite {
    Q_OBJECT
public:
    SchnittstellenSeite(ZusaetzePresenter& p, QWidget* parent);
    void aktualisieren(const ZusaetzeAnsicht& a) override;

private:
    QGroupBox *fraSchnitt1_, *fraSchnitt2_;
    std::array<QRadioButton*, 4> schnitt1_{};
    std::array<QRadioButton*, 3> schnitt2_{};
    JaNeinRahmen *ravi1_, *ravi2_;
};

// Tab 5: connector strips, line protection, surface protection, fuses.
class VerteilerSeite : public ZusaetzeSeite {
    Q_OBJECT
public:
    VerteilerSeite(ZusaetzePresenter& p, QWidget* parent);
    void aktualisieren(const ZusaetzeAnsicht& a) override;

private:
    QGroupBox* fraVert2_;
    QLabel* lblVert20DA_;
    JaNeinRahmen *quf_, *flaech_, *kop_;
};

// Tab 6: peripheral elements and the sounder interface card.
class PeripherieSeite : public ZusaetzeSeite {
    Q_OBJECT
public:
    PeripherieSeite(ZusaetzePresenter& p, QWidget* parent);
    void aktualisieren(const ZusaetzeAnsicht& a) override;

private:
    QLabel *lblTrennung_, *lblGewaehlt_, *lblSignal_;
    QPushButton *cmdWahl_, *cmdLoeschen_, *hilfe_;
    JaNeinRahmen* tir_;
};

// Tabs 7, 8 and 10: one frame of exclusive options.
class OptionsrahmenSeite : public ZusaetzeSeite {
    Q_OBJECT
public:
    OptionsrahmenSeite(ZusaetzePresenter& p, QWidget* parent, const char* rahmenName, std::vector<const char*> namen,
                       std::function<void(int)> setzer);

protected:
    void zeigen(const Beschriftung& rahmen, const Schalter* optionen, std::size_t n);

private:
    QGroupBox* rahmen_;
    std::vector<QRadioButton*> optionen_;
};

class SchluesselSeite : public OptionsrahmenSeite {
    Q_OBJECT
public:
    SchluesselSeite(ZusaetzePresenter& p, QWidget* parent);
    void aktualisieren(const ZusaetzeAnsicht& a) override;
};

class DipSeite : public OptionsrahmenSeite {
    Q_OBJECT
public:
    DipSeite(ZusaetzePresenter& p, QWidget* parent);
    void aktualisieren(const ZusaetzeAnsicht& a) override;
};

class DruckerSeite : public OptionsrahmenSeite {
    Q_OBJECT
public:
    DruckerSeite(ZusaetzePresenter& p, QWidget* parent);
    void aktualisieren(const ZusaetzeAnsicht& a) override;
};

// Tab 9: remote terminals, OLMA 10, BE 300 KBN.
class BedienSeite : public ZusaetzeSeite {
    Q_OBJECT
public:
    BedienSeite(ZusaetzePresenter& p, QWidget* parent);
    void aktualisieren(const ZusaetzeAnsicht& a) override;

private:
    QGroupBox *fraBE_, *fraBE300_;
    QLabel *lblBE1_, *lblBE2_, *lblOLMA_, *lblUndOder_, *lblEingabe_;
    JaNeinRahmen* olma_;
};

}  // namespace tarvis::ui
