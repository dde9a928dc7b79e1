#include "curva/sfoltimento.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// n points of a falling curve from x = 0 to 1, with a one-point spike at `picco`.
SerieSfoltita Curva(std::size_t n, std::size_t picco) {
    std::vector<PuntoXY> punti;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(n - 1);
        punti.push_back({x, i == picco ? 100.0 : std::exp(-3 * x)});
    }
    return SerieSfoltita(std::move(punti));
}

} // namespace

TEST(Sfoltimento, PochiPuntiPerColonnaETuttiGliEstremi) {
    for (const std::size_t n : {std::size_t{1'000'001}, std::size_t{99'999}, std::size_t{1'025}}) {
        const std::size_t picco = n / 3 + 1;
        const SerieSfoltita serie = Curva(n, picco);
        EXPECT_EQ(serie.EstremiY().massimo, 100) << n;
        EXPECT_NEAR(serie.EstremiY().minimo, std::exp(-3.0), 1e-12) << n;
        // 700 columns over the whole curve.
        const auto tratto = serie.Tratto(0, 1, 1.0 / 700);
        EXPECT_LE(tratto.size(), 4 * 700U) << n;
        // The ends, the spike, and order along x.
        EXPECT_EQ(tratto.front().x, 0) << n;
        EXPECT_EQ(tratto.back().x, 1) << n;
        EXPECT_TRUE(std::any_of(tratto.begin(), tratto.end(), [](const PuntoXY& p) {
            return p.y == 100;
        })) << n;
        EXPECT_TRUE(std::is_sorted(tratto.begin(), tratto.end(),
                                   [](const PuntoXY& a, const PuntoXY& b) { return a.x < b.x; }))
            << n;
        // Each column's lowest and highest are drawn: between two drawn points no point of
        // the curve goes beyond them by more than the curve falls within a column.
        for (std::size_t i = 0; i + 1 < tratto.size(); ++i) {
            EXPECT_LE(tratto[i + 1].x - tratto[i].x, 2.0 / 700 + 1e-12) << n << " at " << i;
        }
    }
}

TEST(Sfoltimento, UnaParteDellaCurva) {
    const SerieSfoltita serie = Curva(100'001, 0);
    // A tenth of the range on 100 columns: 10 000 points come down to a few hundred, and
    // the line reaches both edges.
    const auto tratto = serie.Tratto(0.45, 0.55, 0.001);
    EXPECT_LE(tratto.size(), 400U);
    EXPECT_LE(tratto.front().x, 0.45);
    EXPECT_GE(tratto.back().x, 0.55);
    // Zoomed in past the points: every point, with one beyond each edge.
    const auto vicino = serie.Tratto(0.5, 0.50003, 1e-6);
    const auto dentro =
        std::count_if(serie.Punti().begin(), serie.Punti().end(),
                      [](const PuntoXY& p) { return p.x >= 0.5 && p.x <= 0.50003; });
    ASSERT_EQ(vicino.size(), static_cast<std::size_t>(dentro) + 2);
    EXPECT_LT(vicino.front().x, 0.5);
    EXPECT_GT(vicino.back().x, 0.50003);
    // Outside the curve, nothing; a few points are all drawn.
    EXPECT_TRUE(serie.Tratto(2, 3, 0.01).empty());
    const SerieSfoltita poca({{0, 1}, {1, 2}, {2, 4}});
    EXPECT_EQ(poca.Tratto(0, 2, 0.5).size(), 3U);
    EXPECT_EQ(poca.Y(1.5), 3);
    EXPECT_EQ(poca.Y(3), std::nullopt);
}
