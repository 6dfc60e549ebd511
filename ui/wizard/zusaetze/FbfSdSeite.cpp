#include <QHBoxLayout>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "wizard/zusaetze/ZusaetzeSeiten.h"

namespace tarvis::ui {

FbfSdSeite::FbfSdSeite(ZusaetzePresenter& p, QWidget* parent)
    : ZusaetzeSeite(p, parent), fraFBF_(rahmen("fraFBF")), fraSD_(rahmen("fraSD")), gma_(new QCheckBox(this)) {
    auto* fbf = new QVBoxLayout(fraFBF_);
    const char* fbfNamen[] = {"optFBF0", "optFBF1"};
    for (int i = 0; i < 2; ++i) {
        fbf_[static_cast<std::size_t>(i)] = option(fbfNamen[i], fraFBF_, [&p, i] { p.fbf(i); });
        fbf->addWidget(fbf_[static_cast<std::size_t>(i)]);
    }

    auto* sd = new QVBoxLayout(fraSD_);
    const char* sdNamen[] = {"optSD0", "optLeicher12", "optKruse12", "optKruse24", "optLeicher24"};
    for (int i = 0; i < 5; ++i) {
        sd_[static_cast<std::size_t>(i)] = option(sdNamen[i], fraSD_, [&p, i] { p.schluesseldepot(i); });
        sd->addWidget(sd_[static_cast<std::size_t>(i)]);
    }
    gma_->setObjectName(QStringLiteral("chkGMA"));
    connect(gma_, &QCheckBox::clicked, this, [this](bool an) {
        p_.heizung(an);
        nachEingabe();
    });
    sd->addSpacing(6);
    sd->addWidget(gma_);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(fraFBF_, 0, Qt::AlignTop);
    layout->addWidget(fraSD_, 1, Qt::AlignTop);
}

void FbfSdSeite::aktualisieren(const ZusaetzeAnsicht& a) {
    const auto& f = a.fbfSd;
    anzeigen(fraFBF_, f.fraFBF);
    anzeigen(fraSD_, f.fraSD);
    for (std::size_t i = 0; i < 2; ++i) anzeigen(fbf_[i], f.fbf[i]);
    for (std::size_t i = 0; i < 5; ++i) anzeigen(sd_[i], f.sd[i]);
    anzeigen(gma_, f.gma);
}

}  // namespace tarvis::ui
