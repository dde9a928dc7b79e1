#include "curva/curve_confronto.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

// Colours told apart also by most colour-blind readers (Okabe and Ito), then greys.
const std::array<QColor, 8> TAVOLOZZA{QColor(0xd5, 0x5e, 0x00), QColor(0x00, 0x9e, 0x73),
                                      QColor(0xcc, 0x79, 0xa7), QColor(0xe6, 0x9f, 0x00),
                                      QColor(0x56, 0xb4, 0xe9), QColor(0x80, 0x80, 0x00),
                                      QColor(0x60, 0x60, 0x60), QColor(0xa0, 0xa0, 0xa0)};

constexpr int LATO_CAMPIONE_ELENCO = 12;
constexpr int RIGHE_VISIBILI = 4;

QIcon Campione(const QColor& colore) {
    QPixmap campione(LATO_CAMPIONE_ELENCO, LATO_CAMPIONE_ELENCO);
    campione.fill(colore);
    return QIcon(campione);
}

} // namespace

const QColor PannelloConfronto::COLORE_MODELLO(0x1f, 0x5f, 0xbf);
const QColor PannelloConfronto::COLORE_TABELLA(Qt::black);

PannelloConfronto::PannelloConfronto(QWidget* genitore)
    : QGroupBox(tr("Curve a confronto"), genitore), lstCurve_(new QListWidget(this)) {
    lstCurve_->setAccessibleName(tr("Curve a confronto"));
    lstCurve_->setMaximumHeight(lstCurve_->fontMetrics().height() * RIGHE_VISIBILI +
                                2 * lstCurve_->frameWidth() + LATO_CAMPIONE_ELENCO);
    lstCurve_->installEventFilter(this);
    auto* btnModello = new QPushButton(tr("Aggiungi il modello"), this);
    btnModello->setToolTip(tr("Aggiunge il modello dei campi come curva fissa (Ctrl+D)"));
    auto* btnTabella = new QPushButton(tr("Aggiungi tabella…"), this);
    btnTabella->setToolTip(tr("Aggiunge la tabella di un costruttore (Ctrl+Shift+T)"));
    auto* btnRimuovi = new QPushButton(tr("Rimuovi"), this);
    btnRimuovi->setToolTip(tr("Toglie la curva scelta (Canc)"));
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(btnModello);
    pulsanti->addWidget(btnTabella);
    pulsanti->addWidget(btnRimuovi);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(lstCurve_);
    colonna->addLayout(pulsanti);

    connect(btnModello, &QPushButton::clicked, this, &PannelloConfronto::AggiuntaModelloChiesta);
    connect(btnTabella, &QPushButton::clicked, this, &PannelloConfronto::AggiuntaTabellaChiesta);
    connect(btnRimuovi, &QPushButton::clicked, this, &PannelloConfronto::RimuoviScelta);
    connect(lstCurve_, &QListWidget::itemChanged, this, [this](QListWidgetItem* voce) {
        const auto indice = static_cast<std::size_t>(lstCurve_->row(voce));
        const bool visibile = voce->checkState() == Qt::Checked;
        if (indice < curve_.size() && curve_[indice].visibile != visibile) {
            curve_[indice].visibile = visibile;
            emit Cambiate();
        }
    });
}

QColor PannelloConfronto::ProssimoColore() const {
    for (const QColor& colore : TAVOLOZZA) {
        if (std::none_of(curve_.begin(), curve_.end(),
                         [&](const CurvaConfronto& c) { return c.colore == colore; })) {
            return colore;
        }
    }
    return TAVOLOZZA.at(curve_.size() % TAVOLOZZA.size());
}

void PannelloConfronto::Aggiungi(CurvaConfronto curva) {
    curva.colore = ProssimoColore();
    auto* voce = new QListWidgetItem(Campione(curva.colore), curva.nome);
    voce->setToolTip(curva.nome);
    voce->setFlags(voce->flags() | Qt::ItemIsUserCheckable);
    voce->setCheckState(curva.visibile ? Qt::Checked : Qt::Unchecked);
    curve_.push_back(std::move(curva));
    {
        const QSignalBlocker blocco(lstCurve_);
        lstCurve_->addItem(voce);
    }
    lstCurve_->setCurrentItem(voce);
    emit Cambiate();
}

bool PannelloConfronto::RimuoviScelta() {
    const int riga = lstCurve_->currentRow();
    if (riga < 0 || static_cast<std::size_t>(riga) >= curve_.size()) {
        return false;
    }
    curve_.erase(curve_.begin() + riga);
    delete lstCurve_->takeItem(riga);
    emit Cambiate();
    return true;
}

void PannelloConfronto::MostraCurva(std::size_t indice, bool visibile) {
    lstCurve_->item(static_cast<int>(indice))
        ->setCheckState(visibile ? Qt::Checked : Qt::Unchecked);
}

bool PannelloConfronto::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == lstCurve_ && evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Delete) {
        return RimuoviScelta();
    }
    return QGroupBox::eventFilter(oggetto, evento);
}
