#include "modelli/partitore.h"

#include <cmath>

namespace {

constexpr int BIT_MASSIMI = 32;

bool Valido(const Partitore& p) {
    return p.rSerie > 0 && std::isfinite(p.rSerie) && p.tensioneRif > 0 &&
           std::isfinite(p.tensioneRif);
}

// The output as a fraction of the reference.
std::optional<double> Rapporto(const Partitore& p, double r) {
    if (!Valido(p) || !(r > 0) || !std::isfinite(r)) {
        return std::nullopt;
    }
    const double sopra = p.posizione == Partitore::Posizione::VersoMassa ? r : p.rSerie;
    return sopra / (r + p.rSerie);
}

std::optional<double> ResistenzaDaRapporto(const Partitore& p, double q) {
    if (!Valido(p) || !(q > 0 && q < 1)) {
        return std::nullopt;
    }
    const double r = p.posizione == Partitore::Posizione::VersoMassa ? p.rSerie * q / (1 - q)
                                                                     : p.rSerie * (1 - q) / q;
    return std::isfinite(r) && r > 0 ? std::optional(r) : std::nullopt;
}

std::optional<double> FondoScala(int bit) {
    if (bit < 1 || bit > BIT_MASSIMI) {
        return std::nullopt;
    }
    return std::ldexp(1.0, bit);
}

} // namespace

std::optional<double> TensionePartitore(const Partitore& partitore, double resistenza) {
    const auto q = Rapporto(partitore, resistenza);
    return q ? std::optional(*q * partitore.tensioneRif) : std::nullopt;
}

std::optional<double> ConteggiADC(const Partitore& partitore, int bit, double resistenza) {
    const auto q = Rapporto(partitore, resistenza);
    const auto fondo = FondoScala(bit);
    return q && fondo ? std::optional(*q * *fondo) : std::nullopt;
}

std::optional<double> ResistenzaDaConteggi(const Partitore& partitore, int bit, double conteggi) {
    const auto fondo = FondoScala(bit);
    return fondo ? ResistenzaDaRapporto(partitore, conteggi / *fondo) : std::nullopt;
}
