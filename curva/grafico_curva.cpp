#include "curva/grafico_curva.h"

#include "curva/campi_regione.h"
#include "curva/stile_grafici.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Room around the parts of the picture, in pixels.
constexpr double SPAZIO = 6;
constexpr double MARGINE_DESTRO = 16;
constexpr double RAGGIO_MARCATORE = 3;
constexpr double RAGGIO_CURSORE = 3;
constexpr double CAMPIONE_LEGENDA = 22;
// How crowded the labels may get: a y label every two lines of text or more, an x label
// with this much room beside its own width.
constexpr double RIGHE_PER_ETICHETTA_Y = 2;
constexpr double SPAZIO_ETICHETTE_X = 16;
constexpr int TACCHE_MINIME = 2;
constexpr int TACCHE_MASSIME = 16;
// The arrow keys' step without a grid: this share of the range.
constexpr double PASSI_SENZA_GRIGLIA = 200;
constexpr long PASSI_PAGINA = 10;
// One notch of the wheel, one press of + or −.
constexpr double ZOOM_PER_SCATTO = 0.8;
constexpr double GRADI_PER_SCATTO = 120;
// A view narrower than this share of the data's has no more to show.
constexpr double ZOOM_MASSIMO = 1e-7;
constexpr int CIFRE_LOG_MINIME = 3;

const QColor COLORE_FASCIA(0xf0, 0xa0, 0x30, 0x60);
const QColor COLORE_CURSORE(0xc0, 0x20, 0x20);
const QColor FONDO_LEGENDA(0xff, 0xff, 0xff, 0xe0);

QString TestoTacca(const QLocale& regione, double valore, int decimali) {
    QLocale senza = regione;
    senza.setNumberOptions(regione.numberOptions() | QLocale::OmitGroupSeparator);
    // −0 reads as 0.
    return senza.toString(valore == 0 ? 0.0 : valore, 'f', decimali);
}

int DecimaliTacche(const std::vector<double>& tacche) {
    return tacche.size() >= 2 ? DecimaliPerPasso(tacche[1] - tacche[0]) : 0;
}

int Limita(double valore) {
    return std::clamp(static_cast<int>(valore), TACCHE_MINIME, TACCHE_MASSIME);
}

} // namespace

GraficoCurva::GraficoCurva(const QLocale& regione, QWidget* genitore)
    : QWidget(genitore), regione_(regione) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraficoCurva::ImpostaAssi(const QString& titoloX, const QString& titoloY, Scala scalaY,
                               std::optional<AsseDestro> destro) {
    titoloX_ = titoloX;
    titoloY_ = titoloY;
    scalaY_ = scalaY;
    destro_ = std::move(destro);
    ScartaSfondo();
    update();
}

double GraficoCurva::YInterno(double y) const {
    return Logaritmica() ? std::log10(y) : y;
}

void GraficoCurva::ImpostaSerie(std::vector<Serie> serie, const std::vector<QPointF>& fascia,
                                const QString& nomeFascia) {
    const bool intera = vistaX_.minimo == datiX_.minimo && vistaX_.massimo == datiX_.massimo &&
                        vistaY_.minimo == datiY_.minimo && vistaY_.massimo == datiY_.massimo;
    const Estremi primaX = datiX_;
    // Every curve keeps its place, with points or without, so that a reading's values
    // stay in the order of the curves given.
    serie_.clear();
    bool qualcuna = false;
    for (Serie& una : serie) {
        std::vector<PuntoXY> punti;
        punti.reserve(una.punti.size());
        for (const QPointF& punto : una.punti) {
            if (!Logaritmica() || punto.y() > 0) {
                punti.push_back({punto.x(), YInterno(punto.y())});
            }
        }
        qualcuna = qualcuna || !punti.empty();
        serie_.push_back(
            {std::move(una.nome), una.colore, una.tratto, SerieSfoltita(std::move(punti))});
    }
    if (!qualcuna) {
        serie_.clear();
    }
    std::vector<PuntoXY> semiampiezze;
    semiampiezze.reserve(fascia.size());
    for (const QPointF& punto : fascia) {
        semiampiezze.push_back({punto.x(), std::fabs(punto.y())});
    }
    fascia_ = SerieSfoltita(std::move(semiampiezze));
    nomeFascia_ = fascia_.Vuota() ? QString() : nomeFascia;
    ScartaSfondo();
    if (serie_.empty()) {
        // Nothing to read: a reading of the last curves would be stale.
        cursore_.reset();
        lettura_ = {};
        setAccessibleDescription({});
        update();
        return;
    }
    const auto prima = std::find_if(serie_.begin(), serie_.end(),
                                    [](const SerieInterna& una) { return !una.dati.Vuota(); });
    datiX_ = prima->dati.EstremiX();
    Estremi y = prima->dati.EstremiY();
    for (const SerieInterna& una : serie_) {
        if (una.dati.Vuota()) {
            continue;
        }
        const Estremi ex = una.dati.EstremiX();
        const Estremi ey = una.dati.EstremiY();
        datiX_ = {std::min(datiX_.minimo, ex.minimo), std::max(datiX_.massimo, ex.massimo)};
        y = {std::min(y.minimo, ey.minimo), std::max(y.massimo, ey.massimo)};
    }
    if (datiX_.massimo == datiX_.minimo) {
        datiX_ = {datiX_.minimo - 1, datiX_.massimo + 1};
    }
    if (Logaritmica()) {
        const Estremi decadi =
            EstremiLogaritmici(std::pow(10.0, y.minimo), std::pow(10.0, y.massimo));
        datiY_ = {std::log10(decadi.minimo), std::log10(decadi.massimo)};
    } else {
        if (!fascia_.Vuota()) {
            const double semiampiezza = fascia_.EstremiY().massimo;
            y = {std::min(y.minimo, -semiampiezza), std::max(y.massimo, semiampiezza)};
        }
        const double margine = std::max(y.massimo - y.minimo, 1e-3) * RIEMPIMENTO_Y;
        datiY_ = {y.minimo - margine, y.massimo + margine};
    }
    if (intera || primaX.minimo != datiX_.minimo || primaX.massimo != datiX_.massimo) {
        vistaX_ = datiX_;
        vistaY_ = datiY_;
    }
    if (cursore_) {
        PortaCursore(*cursore_);
    }
    update();
}

void GraficoCurva::ImpostaMessaggio(const QString& messaggio) {
    messaggio_ = messaggio;
    ImpostaSerie({});
}

void GraficoCurva::ImpostaLettura(FunzioneLettura lettura) {
    funzioneLettura_ = std::move(lettura);
}

void GraficoCurva::ImpostaGriglia(std::optional<Griglia> griglia) {
    griglia_ = griglia;
}

Estremi GraficoCurva::EstremiY() const {
    if (Logaritmica()) {
        return {std::pow(10.0, vistaY_.minimo), std::pow(10.0, vistaY_.massimo)};
    }
    return vistaY_;
}

GraficoCurva::Impaginazione GraficoCurva::Impagina(QSize dimensione) const {
    const QFontMetricsF metriche(font());
    const double riga = metriche.height();
    const double alto = riga + 2 * SPAZIO;
    const double basso = 2 * riga + 2 * SPAZIO;
    const double altezza = std::max(1.0, dimensione.height() - alto - basso);
    Impaginazione pagina;
    const int circaY = Limita(altezza / (RIGHE_PER_ETICHETTA_Y * riga));
    if (Logaritmica()) {
        pagina.taccheY = TaccheLogaritmiche(EstremiY(), circaY);
    } else {
        pagina.taccheY = TaccheLineari(vistaY_, circaY);
        pagina.decimaliY = DecimaliTacche(pagina.taccheY);
    }
    double etichetteY = 0;
    for (const QString& testo : TestiY(pagina)) {
        etichetteY = std::max(etichetteY, metriche.horizontalAdvance(testo));
    }
    const double sinistro = SPAZIO + riga + SPAZIO + etichetteY + SPAZIO;
    double destro = MARGINE_DESTRO;
    if (destro_) {
        pagina.taccheDestre = TaccheLineari(
            {vistaY_.minimo * destro_->fattore, vistaY_.massimo * destro_->fattore}, circaY);
        pagina.decimaliDestre = DecimaliTacche(pagina.taccheDestre);
        double etichette = 0;
        for (const double valore : pagina.taccheDestre) {
            etichette = std::max(etichette, metriche.horizontalAdvance(TestoTacca(
                                                regione_, valore, pagina.decimaliDestre)));
        }
        destro = SPAZIO + etichette + SPAZIO + riga + SPAZIO;
    }
    pagina.area =
        QRectF(sinistro, alto, std::max(1.0, dimensione.width() - sinistro - destro), altezza);
    // As many x labels as fit side by side with room between them.
    for (int circa = Limita(pagina.area.width() / (SPAZIO_ETICHETTE_X + SPAZIO));
         circa >= TACCHE_MINIME; --circa) {
        pagina.taccheX = TaccheLineari(vistaX_, circa);
        const int decimali = DecimaliTacche(pagina.taccheX);
        double larghezza = 0;
        for (const double x : pagina.taccheX) {
            larghezza =
                std::max(larghezza, metriche.horizontalAdvance(TestoTacca(regione_, x, decimali)));
        }
        if (static_cast<double>(pagina.taccheX.size()) * (larghezza + SPAZIO_ETICHETTE_X) <=
            pagina.area.width()) {
            break;
        }
    }
    pagina.decimaliX = DecimaliTacche(pagina.taccheX);
    // The reading takes the line above the plot; the titles of y stand beside it, turned.
    pagina.lettura =
        QRectF(sinistro, SPAZIO / 2, dimensione.width() - sinistro - SPAZIO, riga + SPAZIO);
    return pagina;
}

const GraficoCurva::Impaginazione& GraficoCurva::Pagina() const {
    if (!pagina_) {
        pagina_ = Impagina(size());
    }
    return *pagina_;
}

void GraficoCurva::ScartaSfondo() {
    sfondo_ = QPixmap();
    pagina_.reset();
}

QStringList GraficoCurva::TestiY(const Impaginazione& pagina) const {
    QStringList testi;
    const auto& tacche = pagina.taccheY;
    for (std::size_t i = 0; i < tacche.size(); ++i) {
        if (Logaritmica()) {
            // Enough digits to tell each label from its neighbours.
            const double vicino = i + 1 < tacche.size() ? tacche[i + 1] : tacche[i - (i > 0)];
            const int cifre =
                CifrePerPasso(tacche[i], std::fabs(vicino - tacche[i]), CIFRE_LOG_MINIME);
            testi << (scalaY_ == Scala::LogaritmicaOhm ? TestoOhm(regione_, tacche[i], cifre)
                                                       : TestoCifre(regione_, tacche[i], cifre));
        } else {
            testi << TestoTacca(regione_, tacche[i], pagina.decimaliY);
        }
    }
    return testi;
}

QStringList GraficoCurva::EtichetteX() const {
    if (serie_.empty()) {
        return {};
    }
    const Impaginazione& pagina = Pagina();
    QStringList etichette;
    for (const double x : pagina.taccheX) {
        etichette << TestoTacca(regione_, x, pagina.decimaliX);
    }
    return etichette;
}

QStringList GraficoCurva::EtichetteY() const {
    return serie_.empty() ? QStringList() : TestiY(Pagina());
}

QStringList GraficoCurva::Legenda() const {
    QStringList nomi;
    for (const SerieInterna& una : serie_) {
        if (!una.nome.isEmpty() && !una.dati.Vuota()) {
            nomi << una.nome;
        }
    }
    if (!nomeFascia_.isEmpty()) {
        nomi << nomeFascia_;
    }
    return nomi;
}

QPointF GraficoCurva::InPixel(PuntoXY dato, const QRectF& area) const {
    return {area.left() +
                (dato.x - vistaX_.minimo) / (vistaX_.massimo - vistaX_.minimo) * area.width(),
            area.bottom() -
                (dato.y - vistaY_.minimo) / (vistaY_.massimo - vistaY_.minimo) * area.height()};
}

double GraficoCurva::XDaPixel(double px, const QRectF& area) const {
    return vistaX_.minimo + (px - area.left()) / area.width() * (vistaX_.massimo - vistaX_.minimo);
}

void GraficoCurva::DisegnaSfondo(QPainter& pittore, QSize dimensione,
                                 const Impaginazione& pagina) const {
    const QRectF& area = pagina.area;
    const QFontMetricsF metriche(pittore.font());
    const double riga = metriche.height();
    for (const double x : pagina.taccheX) {
        const double px = InPixel({x, 0}, area).x();
        pittore.setPen(COLORE_GRIGLIA);
        pittore.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
        pittore.setPen(Qt::black);
        const QString testo = TestoTacca(regione_, x, pagina.decimaliX);
        pittore.drawText(QPointF(px - metriche.horizontalAdvance(testo) / 2,
                                 area.bottom() + SPAZIO / 2 + metriche.ascent()),
                         testo);
    }
    const QStringList testiY = TestiY(pagina);
    for (std::size_t i = 0; i < pagina.taccheY.size(); ++i) {
        const double py = InPixel({0, YInterno(pagina.taccheY[i])}, area).y();
        pittore.setPen(COLORE_GRIGLIA);
        pittore.drawLine(QPointF(area.left(), py), QPointF(area.right(), py));
        pittore.setPen(Qt::black);
        const QString& testo = testiY[static_cast<int>(i)];
        pittore.drawText(QPointF(area.left() - metriche.horizontalAdvance(testo) - SPAZIO,
                                 py + metriche.ascent() / 2 - 1),
                         testo);
    }
    if (destro_) {
        for (const double valore : pagina.taccheDestre) {
            const double py = InPixel({0, valore / destro_->fattore}, area).y();
            pittore.drawText(QPointF(area.right() + SPAZIO, py + metriche.ascent() / 2 - 1),
                             TestoTacca(regione_, valore, pagina.decimaliDestre));
        }
    }
    pittore.setPen(Qt::black);
    pittore.drawRect(area);
    pittore.drawText(
        QRectF(area.left(), area.bottom() + riga + SPAZIO, area.width(), riga + SPAZIO),
        Qt::AlignHCenter, titoloX_);
    // The y titles run along their axes, so the line above the plot is the reading's.
    const auto titoloVerticale = [&](const QString& titolo, double x, double angolo) {
        pittore.save();
        pittore.translate(x, area.center().y());
        pittore.rotate(angolo);
        pittore.drawText(QRectF(-area.height() / 2, -riga / 2, area.height(), riga),
                         Qt::AlignCenter,
                         metriche.elidedText(titolo, Qt::ElideRight, area.height()));
        pittore.restore();
    };
    titoloVerticale(titoloY_, SPAZIO + riga / 2, -90);
    if (destro_) {
        titoloVerticale(destro_->titolo, dimensione.width() - SPAZIO - riga / 2, 90);
    }

    pittore.save();
    pittore.setClipRect(area);
    const double colonna = (vistaX_.massimo - vistaX_.minimo) / std::max(1.0, area.width());
    if (!fascia_.Vuota()) {
        const std::vector<PuntoXY> bordo = fascia_.Tratto(vistaX_.minimo, vistaX_.massimo, colonna);
        QPolygonF poligono;
        poligono.reserve(2 * static_cast<qsizetype>(bordo.size()));
        for (const PuntoXY& punto : bordo) {
            poligono << InPixel(punto, area);
        }
        // Back along the lower edge, so the band closes on itself.
        std::for_each(bordo.rbegin(), bordo.rend(), [&](const PuntoXY& punto) {
            poligono << InPixel({punto.x, -punto.y}, area);
        });
        pittore.setPen(Qt::NoPen);
        pittore.setBrush(COLORE_FASCIA);
        pittore.drawPolygon(poligono);
    }
    pittore.setRenderHint(QPainter::Antialiasing);
    for (const SerieInterna& una : serie_) {
        QPolygonF linea;
        for (const PuntoXY& punto : una.dati.Tratto(vistaX_.minimo, vistaX_.massimo, colonna)) {
            linea << InPixel(punto, area);
        }
        if (una.tratto == Tratto::Linea) {
            pittore.setPen(QPen(una.colore, 1.5));
            pittore.setBrush(Qt::NoBrush);
            pittore.drawPolyline(linea);
        } else {
            pittore.setPen(QPen(una.colore, 1.2));
            pittore.setBrush(Qt::white);
            for (const QPointF& punto : linea) {
                pittore.drawEllipse(punto, RAGGIO_MARCATORE, RAGGIO_MARCATORE);
            }
        }
    }
    pittore.restore();
}

QRectF GraficoCurva::RiquadroLegenda(const QRectF& area, const QStringList& testi,
                                     int angolo) const {
    const QFontMetricsF metriche(font());
    double larghezza = 0;
    for (const QString& testo : testi) {
        larghezza = std::max(larghezza, metriche.horizontalAdvance(testo));
    }
    return RiquadroLegenda(area, larghezza, testi.size(), angolo);
}

QRectF GraficoCurva::RiquadroLegenda(const QRectF& area, double larghezzaTesti, qsizetype righe,
                                     int angolo) const {
    const QFontMetricsF metriche(font());
    const double larghezza =
        std::min(larghezzaTesti + CAMPIONE_LEGENDA + 3 * SPAZIO, area.width() - 2 * SPAZIO);
    const double altezza = static_cast<double>(righe) * metriche.height() + SPAZIO;
    const QSizeF dimensione(larghezza, altezza);
    const double x = angolo % 2 == 0 ? area.right() - SPAZIO - larghezza : area.left() + SPAZIO;
    const double y = angolo < 2 ? area.top() + SPAZIO : area.bottom() - SPAZIO - altezza;
    return {QPointF(x, y), dimensione};
}

int GraficoCurva::AngoloLegenda(const QRectF& area, QSizeF dimensione) const {
    // Top right, top left, bottom right, bottom left: the first that covers the fewest
    // points of the curves.
    const double colonna = (vistaX_.massimo - vistaX_.minimo) / std::max(1.0, area.width());
    std::array<int, 4> coperti{};
    for (int angolo = 0; angolo < 4; ++angolo) {
        const double x =
            angolo % 2 == 0 ? area.right() - SPAZIO - dimensione.width() : area.left() + SPAZIO;
        const double y =
            angolo < 2 ? area.top() + SPAZIO : area.bottom() - SPAZIO - dimensione.height();
        const QRectF riquadro(QPointF(x, y), dimensione);
        for (const SerieInterna& una : serie_) {
            for (const PuntoXY& punto : una.dati.Tratto(vistaX_.minimo, vistaX_.massimo, colonna)) {
                coperti.at(static_cast<std::size_t>(angolo)) +=
                    riquadro.contains(InPixel(punto, area)) ? 1 : 0;
            }
        }
    }
    return static_cast<int>(std::min_element(coperti.begin(), coperti.end()) - coperti.begin());
}

void GraficoCurva::DisegnaLegenda(QPainter& pittore, const QRectF& area, const QStringList& valori,
                                  int angolo) const {
    // The named curves in their order, then the band (no curve).
    struct Voce {
        QString testo;
        const SerieInterna* serie;
        double larghezza = 0;
    };
    std::vector<Voce> voci;
    // The values at the cursor tell curves apart; a single curve's are the reading's.
    const auto curve = std::count_if(serie_.begin(), serie_.end(), [](const SerieInterna& una) {
        return !una.nome.isEmpty() && !una.dati.Vuota();
    });
    const auto valore = [&](std::size_t i) {
        const auto indice = static_cast<qsizetype>(i);
        return curve > 1 && indice < valori.size() && !valori.at(indice).isEmpty()
                   ? QStringLiteral(": ") + valori.at(indice)
                   : QString();
    };
    for (std::size_t i = 0; i < serie_.size(); ++i) {
        if (!serie_[i].nome.isEmpty() && !serie_[i].dati.Vuota()) {
            voci.push_back({serie_[i].nome + valore(i), &serie_[i]});
        }
    }
    if (!nomeFascia_.isEmpty()) {
        voci.push_back({nomeFascia_ + valore(serie_.size()), nullptr});
    }
    if (voci.empty()) {
        return;
    }
    // Each text measured once: the legend is drawn again at each cursor move, and
    // shaping its texts is most of what that costs.
    const QFontMetricsF metriche(pittore.font());
    double larghezzaTesti = 0;
    for (Voce& voce : voci) {
        voce.larghezza = metriche.horizontalAdvance(voce.testo);
        larghezzaTesti = std::max(larghezzaTesti, voce.larghezza);
    }
    const QRectF riquadro =
        RiquadroLegenda(area, larghezzaTesti, static_cast<qsizetype>(voci.size()), angolo);
    pittore.save();
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(COLORE_GRIGLIA);
    pittore.setBrush(FONDO_LEGENDA);
    pittore.drawRect(riquadro);
    const double sinistra = riquadro.left() + SPAZIO;
    const double testo = sinistra + CAMPIONE_LEGENDA + SPAZIO;
    double y = riquadro.top() + SPAZIO / 2;
    for (const Voce& voce : voci) {
        const double centro = y + metriche.height() / 2;
        if (voce.serie == nullptr) {
            pittore.setPen(Qt::NoPen);
            pittore.setBrush(COLORE_FASCIA);
            pittore.drawRect(QRectF(sinistra, centro - SPAZIO / 2, CAMPIONE_LEGENDA, SPAZIO));
        } else if (voce.serie->tratto == Tratto::Linea) {
            pittore.setPen(QPen(voce.serie->colore, 2));
            pittore.drawLine(QPointF(sinistra, centro),
                             QPointF(sinistra + CAMPIONE_LEGENDA, centro));
        } else {
            pittore.setPen(QPen(voce.serie->colore, 1.2));
            pittore.setBrush(Qt::white);
            pittore.drawEllipse(QPointF(sinistra + CAMPIONE_LEGENDA / 2, centro), RAGGIO_MARCATORE,
                                RAGGIO_MARCATORE);
        }
        pittore.setPen(Qt::black);
        // Drawn at its baseline, and elided only when too long: laying text out in a box
        // would shape it again.
        const double larghezza = riquadro.right() - SPAZIO - testo;
        const QPointF base(testo, y + metriche.ascent());
        if (voce.larghezza <= larghezza) {
            pittore.drawText(base, voce.testo);
        } else {
            pittore.drawText(base, metriche.elidedText(voce.testo, Qt::ElideRight, larghezza));
        }
        y += metriche.height();
    }
    pittore.restore();
}

void GraficoCurva::Disegna(QPainter& pittore, QSize dimensione) const {
    pittore.setFont(font());
    pittore.fillRect(QRect(QPoint(0, 0), dimensione), Qt::white);
    if (serie_.empty()) {
        pittore.setPen(Qt::darkGray);
        pittore.drawText(QRectF(QPointF(0, 0), dimensione).adjusted(20, 20, -20, -20),
                         Qt::AlignCenter | Qt::TextWordWrap, messaggio_);
        return;
    }
    const Impaginazione pagina = Impagina(dimensione);
    DisegnaSfondo(pittore, dimensione, pagina);
    const QStringList nomi = Legenda();
    DisegnaLegenda(pittore, pagina.area, {},
                   AngoloLegenda(pagina.area, RiquadroLegenda(pagina.area, nomi, 0).size()));
}

void GraficoCurva::paintEvent(QPaintEvent* /*evento*/) {
    const qreal rapporto = devicePixelRatioF();
    const Impaginazione& pagina = Pagina();
    if (sfondo_.isNull() || sfondo_.size() != size() * rapporto) {
        sfondo_ = QPixmap(size() * rapporto);
        sfondo_.setDevicePixelRatio(rapporto);
        QPainter pittoreSfondo(&sfondo_);
        pittoreSfondo.setFont(font());
        pittoreSfondo.fillRect(rect(), Qt::white);
        if (serie_.empty()) {
            Disegna(pittoreSfondo, size());
        } else {
            DisegnaSfondo(pittoreSfondo, size(), pagina);
            angoloLegenda_ =
                AngoloLegenda(pagina.area, RiquadroLegenda(pagina.area, Legenda(), 0).size());
        }
    }
    QPainter pittore(this);
    pittore.drawPixmap(0, 0, sfondo_);
    if (!serie_.empty()) {
        const QRectF& area = pagina.area;
        if (cursore_) {
            const double px = InPixel({*cursore_, 0}, area).x();
            if (px >= area.left() && px <= area.right()) {
                pittore.setPen(QPen(COLORE_CURSORE, 1, Qt::DashLine));
                pittore.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
                pittore.setRenderHint(QPainter::Antialiasing);
                for (const SerieInterna& una : serie_) {
                    const auto y =
                        una.tratto == Tratto::Linea ? una.dati.Y(*cursore_) : std::nullopt;
                    const QPointF punto = y ? InPixel({*cursore_, *y}, area) : QPointF();
                    if (y && area.contains(punto)) {
                        pittore.setPen(una.colore);
                        pittore.setBrush(una.colore);
                        pittore.drawEllipse(punto, RAGGIO_CURSORE, RAGGIO_CURSORE);
                    }
                }
                pittore.setRenderHint(QPainter::Antialiasing, false);
            }
            const QFontMetricsF metriche(font());
            pittore.setPen(Qt::black);
            pittore.drawText(
                pagina.lettura, Qt::AlignRight | Qt::AlignVCenter,
                metriche.elidedText(lettura_.testo, Qt::ElideRight, pagina.lettura.width()));
        }
        DisegnaLegenda(pittore, area, cursore_ ? lettura_.valori : QStringList(), angoloLegenda_);
    }
    if (hasFocus()) {
        // The keyboard is here: the arrows move the cursor.
        pittore.setPen(QPen(palette().color(QPalette::Highlight), 2));
        pittore.setBrush(Qt::NoBrush);
        pittore.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void GraficoCurva::PortaCursore(double x) {
    if (serie_.empty()) {
        return;
    }
    cursore_ = std::clamp(x, datiX_.minimo, datiX_.massimo);
    // The view follows a cursor taken beyond it.
    const double ampiezza = vistaX_.massimo - vistaX_.minimo;
    if (*cursore_ < vistaX_.minimo) {
        CambiaVista({*cursore_, *cursore_ + ampiezza}, vistaY_);
    } else if (*cursore_ > vistaX_.massimo) {
        CambiaVista({*cursore_ - ampiezza, *cursore_}, vistaY_);
    }
    AggiornaLettura();
    update();
}

void GraficoCurva::AggiornaLettura() {
    lettura_ = funzioneLettura_ && cursore_ ? funzioneLettura_(*cursore_) : LetturaCursore{};
    setAccessibleDescription(TestoLettura());
    emit LetturaCambiata(lettura_.testo);
}

QString GraficoCurva::TestoLettura() const {
    QString testo = lettura_.testo;
    const auto aggiungi = [&](const QString& nome, std::size_t i) {
        const auto indice = static_cast<qsizetype>(i);
        if (!nome.isEmpty() && indice < lettura_.valori.size() &&
            !lettura_.valori.at(indice).isEmpty()) {
            testo += u'\n' + nome + QStringLiteral(": ") + lettura_.valori.at(indice);
        }
    };
    for (std::size_t i = 0; i < serie_.size(); ++i) {
        aggiungi(serie_[i].dati.Vuota() ? QString() : serie_[i].nome, i);
    }
    aggiungi(nomeFascia_, serie_.size());
    return testo;
}

void GraficoCurva::SpostaCursoreA(double x) {
    if (serie_.empty()) {
        return;
    }
    PortaCursore(x);
    emit CursoreMosso(*cursore_);
}

void GraficoCurva::SpostaCursoreDiPassi(long passi) {
    if (serie_.empty()) {
        return;
    }
    if (!griglia_ || griglia_->righe < 1) {
        const double da = cursore_.value_or(vistaX_.minimo);
        SpostaCursoreA(da + static_cast<double>(passi) * (datiX_.massimo - datiX_.minimo) /
                                PASSI_SENZA_GRIGLIA);
        return;
    }
    const Griglia& g = *griglia_;
    // Rows count up with the temperature or down, as the range was typed.
    const bool crescente = g.righe < 2 || g.Temperatura(1) > g.Temperatura(0);
    const long verso = crescente ? passi : -passi;
    long riga = 0;
    if (cursore_) {
        const double esatta = (*cursore_ * g.scala - g.inizio) / g.salto;
        riga = verso > 0 ? static_cast<long>(std::floor(esatta + 1e-9)) + verso
                         : static_cast<long>(std::ceil(esatta - 1e-9)) + verso;
    } else {
        riga = crescente == (passi > 0) ? 0 : g.righe - 1;
    }
    SpostaCursoreA(g.Temperatura(std::clamp(riga, 0L, g.righe - 1)));
}

void GraficoCurva::CambiaVista(Estremi x, Estremi y) {
    vistaX_ = x;
    vistaY_ = y;
    ScartaSfondo();
    update();
}

void GraficoCurva::Zooma(Zona zona, PuntoXY centro, double fattore) {
    const auto scala = [&](Estremi e, double c, Estremi dati) {
        const Estremi nuova{c + (e.minimo - c) * fattore, c + (e.massimo - c) * fattore};
        return nuova.massimo - nuova.minimo > (dati.massimo - dati.minimo) * ZOOM_MASSIMO ? nuova
                                                                                          : e;
    };
    CambiaVista(zona == Zona::AsseY ? vistaX_ : scala(vistaX_, centro.x, datiX_),
                zona == Zona::AsseX ? vistaY_ : scala(vistaY_, centro.y, datiY_));
}

void GraficoCurva::Ingrandisci(double fattore) {
    if (serie_.empty()) {
        return;
    }
    const double x = cursore_ && *cursore_ >= vistaX_.minimo && *cursore_ <= vistaX_.massimo
                         ? *cursore_
                         : (vistaX_.minimo + vistaX_.massimo) / 2;
    Zooma(Zona::Dati, {x, (vistaY_.minimo + vistaY_.massimo) / 2}, fattore);
}

void GraficoCurva::VistaIntera() {
    CambiaVista(datiX_, datiY_);
}

void GraficoCurva::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton && !serie_.empty() &&
        Pagina().area.contains(evento->position())) {
        inizioTrascinamento_ = evento->position();
        trascinamentoX_ = vistaX_;
        trascinamentoY_ = vistaY_;
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    QWidget::mousePressEvent(evento);
}

void GraficoCurva::mouseReleaseEvent(QMouseEvent* evento) {
    if (inizioTrascinamento_ && evento->button() == Qt::LeftButton) {
        inizioTrascinamento_.reset();
        unsetCursor();
        return;
    }
    QWidget::mouseReleaseEvent(evento);
}

void GraficoCurva::mouseDoubleClickEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) {
        VistaIntera();
        return;
    }
    QWidget::mouseDoubleClickEvent(evento);
}

void GraficoCurva::mouseMoveEvent(QMouseEvent* evento) {
    if (serie_.empty()) {
        return;
    }
    const QRectF area = Pagina().area;
    if (inizioTrascinamento_ && (evento->buttons() & Qt::LeftButton)) {
        const QPointF spostamento = evento->position() - *inizioTrascinamento_;
        const double dx =
            -spostamento.x() / area.width() * (trascinamentoX_.massimo - trascinamentoX_.minimo);
        const double dy =
            spostamento.y() / area.height() * (trascinamentoY_.massimo - trascinamentoY_.minimo);
        CambiaVista({trascinamentoX_.minimo + dx, trascinamentoX_.massimo + dx},
                    {trascinamentoY_.minimo + dy, trascinamentoY_.massimo + dy});
        return;
    }
    const double px = std::clamp(evento->position().x(), area.left(), area.right());
    SpostaCursoreA(XDaPixel(px, area));
}

void GraficoCurva::wheelEvent(QWheelEvent* evento) {
    if (serie_.empty()) {
        QWidget::wheelEvent(evento);
        return;
    }
    const QRectF area = Pagina().area;
    const QPointF posizione = evento->position();
    // Over an axis's labels the wheel zooms that axis alone.
    const Zona zona = posizione.y() > area.bottom()                                 ? Zona::AsseX
                      : posizione.x() < area.left() || posizione.x() > area.right() ? Zona::AsseY
                                                                                    : Zona::Dati;
    const double y = vistaY_.minimo + (area.bottom() - posizione.y()) / area.height() *
                                          (vistaY_.massimo - vistaY_.minimo);
    const double scatti = evento->angleDelta().y() / GRADI_PER_SCATTO;
    Zooma(zona, {XDaPixel(posizione.x(), area), y}, std::pow(ZOOM_PER_SCATTO, scatti));
    evento->accept();
}

void GraficoCurva::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(TestoLettura());
        return;
    }
    const bool ctrl = evento->modifiers().testFlag(Qt::ControlModifier);
    switch (evento->key()) {
    case Qt::Key_Left:
        SpostaCursoreDiPassi(-1);
        break;
    case Qt::Key_Right:
        SpostaCursoreDiPassi(1);
        break;
    case Qt::Key_PageUp:
        SpostaCursoreDiPassi(PASSI_PAGINA);
        break;
    case Qt::Key_PageDown:
        SpostaCursoreDiPassi(-PASSI_PAGINA);
        break;
    case Qt::Key_Home:
        if (ctrl) {
            SpostaCursoreA(datiX_.minimo);
        } else {
            VistaIntera();
        }
        break;
    case Qt::Key_End:
        SpostaCursoreA(datiX_.massimo);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        Ingrandisci(ZOOM_PER_SCATTO);
        break;
    case Qt::Key_Minus:
        Ingrandisci(1 / ZOOM_PER_SCATTO);
        break;
    default:
        QWidget::keyPressEvent(evento);
    }
}

void GraficoCurva::resizeEvent(QResizeEvent* evento) {
    ScartaSfondo();
    QWidget::resizeEvent(evento);
}

void GraficoCurva::focusInEvent(QFocusEvent* evento) {
    update();
    QWidget::focusInEvent(evento);
}

void GraficoCurva::focusOutEvent(QFocusEvent* evento) {
    update();
    QWidget::focusOutEvent(evento);
}
