#!/usr/bin/env python3
"""What brevanto-ntc writes for firmware, read as each firmware reads it.

Klipper reads printer.cfg with Python's configparser and ESPHome its YAML with PyYAML, so
this test does too; their arithmetic (Klipper's Thermistor and adc_temperature,
ESPHome's resistance and ntc sensors) is restated below from their sources, never copied.
Marlin's custom thermistor is evaluated in single precision and its tables are compiled
with g++ and scanned as Marlin scans them; C headers are compiled and read back.

Arguments: the program, a scratch folder. Prints, for each format and model, the largest
difference between the firmware's temperature and the model's.
"""
import configparser
import math
import re
import struct
import subprocess
import sys
from pathlib import Path

import yaml

NTC = sys.argv[1]
CARTELLA = Path(sys.argv[2])
CARTELLA.mkdir(parents=True, exist_ok=True)
ZERO = 273.15
# How far each firmware may read from the model: 0.01 K, and Klipper's straight lines
# between table points 0.05 K.
LIMITE = 0.01
LIMITE_TABELLA_KLIPPER = 0.05

errori = []
cifre = []  # (format, model, largest difference in K)


def fallito(testo):
    errori.append(testo)
    print("FAILED:", testo, file=sys.stderr)


def esegui(*argomenti, stato=0):
    fatto = subprocess.run([NTC, *map(str, argomenti)], capture_output=True, text=True)
    if fatto.returncode != stato:
        fallito(f"status {fatto.returncode}, not {stato}: {' '.join(map(str, argomenti))}\n"
                f"{fatto.stderr}")
    return fatto.stdout, fatto.stderr


def singola(x):
    return struct.unpack("f", struct.pack("f", x))[0]


# The models, each over a range an engineer would use it for.
SH_ADATTATO = ["--sh", "0.0008549424635845159", "0.000257305248112869",
               "1.6536837932352524e-07"]
MODELLI = {
    "10k B3950": (["--r0", "10000", "--beta", "3950"], -40, 125),
    "100k B4267": (["--r0", "100000", "--beta", "4267"], 0, 300),
    "Steinhart-Hart fit": (SH_ADATTATO, -40, 150),
    "extended 10k": (["--esteso", "3.354016e-03", "2.569850e-04", "2.620131e-06",
                      "6.383091e-08", "--rif", "10000"], -40, 300),
}
CAMPIONI = 400


def temperature(da, a):
    return [da + (a - da) * i / CAMPIONI for i in range(CAMPIONI + 1)]


def resistenze(modello, ts):
    """The model's R at each T, by the command itself, to the last bit."""
    uscita, _ = esegui("resistenza", *modello, "--", *ts)
    return [float(riga.split(",")[1]) for riga in uscita.splitlines()]


def differenza(formato, nome, letture, ts):
    massima = max(abs(t_letta - t) for t_letta, t in zip(letture, ts))
    cifre.append((formato, nome, massima))
    return massima


# ---------------------------------------------------------------- Klipper
def klipper_sezioni(testo):
    # Klipper's own reader: RawConfigParser, strict=False, "#" and ";" inline comments.
    lettore = configparser.RawConfigParser(strict=False, inline_comment_prefixes=("#", ";"))
    lettore.read_string(testo)
    return lettore


def klipper_pullup(testo):
    """The heater's pullup_resistor the output's comment tells the user to write, or
    Klipper's default."""
    trovato = re.search(r"^#\s+pullup_resistor:\s*(\S+)", testo, re.M)
    return float(trovato.group(1)) if trovato else 4700.0


def klipper_termistore(sezione):
    """Klipper's Thermistor: c1 + c2 ln r + c3 ln^3 r from a beta or three sorted points; with
    c3 <= 0 the beta through the first and third point."""
    t1, r1 = float(sezione["temperature1"]), float(sezione["resistance1"])
    if "beta" in sezione:
        beta = float(sezione["beta"])
        return 1 / (t1 + ZERO) - math.log(r1) / beta, 1 / beta, 0.0
    punti = sorted((float(sezione[f"temperature{i}"]), float(sezione[f"resistance{i}"]))
                   for i in (1, 2, 3))
    inv = [1 / (t + ZERO) for t, _ in punti]
    ln = [math.log(r) for _, r in punti]
    # Solve the three equations by elimination.
    c3 = ((inv[0] - inv[1]) - (inv[0] - inv[2]) * (ln[0] - ln[1]) / (ln[0] - ln[2])) / (
        (ln[0] ** 3 - ln[1] ** 3) - (ln[0] ** 3 - ln[2] ** 3) * (ln[0] - ln[1]) / (ln[0] - ln[2]))
    if c3 <= 0:
        beta = (ln[0] - ln[2]) / (inv[0] - inv[2])
        return inv[0] - ln[0] / beta, 1 / beta, 0.0
    c2 = ((inv[0] - inv[1]) - c3 * (ln[0] ** 3 - ln[1] ** 3)) / (ln[0] - ln[1])
    return inv[0] - c2 * ln[0] - c3 * ln[0] ** 3, c2, c3


def klipper_lineare(sezione):
    """Klipper's adc_temperature with resistances: T linear in R between sorted points, the
    end segments extended."""
    punti = []
    i = 1
    while f"temperature{i}" in sezione:
        punti.append((float(sezione[f"resistance{i}"]), float(sezione[f"temperature{i}"])))
        i += 1
    punti.sort()
    if len(punti) > 999:
        fallito("Klipper reads at most 999 points")

    def leggi(r):
        k = 1
        while k < len(punti) - 1 and r > punti[k][0]:
            k += 1
        (ra, ta), (rb, tb) = punti[k - 1], punti[k]
        return ta + (r - ra) * (tb - ta) / (rb - ra)

    return leggi


def klipper_legge(testo, nome, r_vere, serie):
    """The temperatures Klipper reports for the thermistor's true resistances, through the
    real divider (the thermistor under the board's pull-up) and the heater's setting."""
    sezioni = klipper_sezioni(testo)
    pullup = klipper_pullup(testo)
    letture = []
    if sezioni.has_section(f"thermistor {nome}"):
        c1, c2, c3 = klipper_termistore(sezioni[f"thermistor {nome}"])
        leggi = None
    elif sezioni.has_section(f"adc_temperature {nome}"):
        leggi = klipper_lineare(sezioni[f"adc_temperature {nome}"])
    else:
        fallito(f"no Klipper section named {nome}")
        return []
    for r in r_vere:
        adc = r / (r + serie)  # what the MCU measures, as a fraction of its reference
        r_klipper = pullup * adc / (1 - adc)
        if leggi:
            letture.append(leggi(r_klipper))
        else:
            ln = math.log(r_klipper)
            letture.append(1 / (c1 + c2 * ln + c3 * ln ** 3) - ZERO)
    return letture


# ---------------------------------------------------------------- ESPHome
UNITA = {"k": 1e3, "M": 1e6, "": 1.0}


def esphome_valore(testo, unita):
    # cv.resistance and cv.temperature: a mantissa without exponent, a metric prefix, the unit.
    trovato = re.fullmatch(r"([-+]?[0-9]*\.?[0-9]*)\s*(\w*?)(" + unita + r")?", testo.strip())
    if not trovato:
        fallito(f"ESPHome cannot read {testo!r}")
        return math.nan
    return float(trovato.group(1)) * UNITA[trovato.group(2)]


def esphome_coefficienti(calibrazione):
    if isinstance(calibrazione, dict):
        beta = float(calibrazione["b_constant"])
        t0 = esphome_valore(str(calibrazione["reference_temperature"]), "°C") + ZERO
        r0 = esphome_valore(str(calibrazione["reference_resistance"]), "Ω")
        return 1 / t0 - math.log(r0) / beta, 1 / beta, 0.0
    punti = []
    for voce in calibrazione:
        r, t = voce.split("->")
        punti.append((esphome_valore(r, "Ω"), esphome_valore(t, "°C") + ZERO))
    (r1, t1), (r2, t2), (r3, t3) = punti
    l1, l2, l3 = math.log(r1), math.log(r2), math.log(r3)
    y1, y2, y3 = 1 / t1, 1 / t2, 1 / t3
    g2 = (y2 - y1) / (l2 - l1)
    g3 = (y3 - y1) / (l3 - l1)
    c = (g3 - g2) / (l3 - l2) / (l1 + l2 + l3)
    b = g2 - c * (l1 * l1 + l1 * l2 + l2 * l2)
    return y1 - (b + l1 * l1 * c) * l1, b, c


def esphome_legge(sensori, nome, r_vere, serie, verso_massa):
    per_id = {s.get("id"): s for s in sensori}
    ntc = per_id.get(nome)
    resistenza = per_id.get(ntc["sensor"]) if ntc else None
    adc = per_id.get(resistenza["sensor"]) if resistenza else None
    if not (ntc and resistenza and adc and adc["platform"] == "adc"):
        fallito(f"ESPHome sensors for {nome} are not linked adc -> resistance -> ntc")
        return []
    rs = esphome_valore(resistenza["resistor"], "Ω")
    vref = esphome_valore(resistenza["reference_voltage"], "V")
    a, b, c = esphome_coefficienti(ntc["calibration"])
    letture = []
    for r in r_vere:
        # The adc sensor's voltage across the real divider; the resistance sensor's float.
        v = vref * (r / (r + serie) if verso_massa else serie / (r + serie))
        if resistenza["configuration"] == "DOWNSTREAM":
            r_letta = singola(rs * v / (vref - v))
        else:
            r_letta = singola(rs * (vref - v) / v)
        lr = math.log(r_letta)
        letture.append(singola(1 / (a + b * lr + c * lr ** 3) - ZERO))
    return letture


# ---------------------------------------------------------------- Marlin
MARLIN_TIPI = """
#include <cmath>
#include <cstdint>
#include <cstdio>
#define PROGMEM
typedef uint16_t raw_adc_t;
typedef int16_t celsius_t;
typedef struct { raw_adc_t value; celsius_t celsius; } temp_entry_t;
// A 10-bit HAL, 16 samples a reading: OV() keeps the whole raw value.
#define OV(N) raw_adc_t(float(N) * 16)
#define COUNT(A) (sizeof(A) / sizeof((A)[0]))
"""


def compila(nome, sorgente):
    file = CARTELLA / f"{nome}.cpp"
    file.write_text(sorgente)
    fatto = subprocess.run(["g++", "-std=c++17", "-Wall", "-Wextra", "-Werror", "-O1",
                            "-ffp-contract=off", "-I", str(CARTELLA), "-o",
                            str(CARTELLA / nome), str(file)], capture_output=True, text=True)
    if fatto.returncode != 0:
        fallito(f"{nome} does not compile:\n{fatto.stderr}")
        return None
    return CARTELLA / nome


def marlin_personalizzato(testo, prefisso, r_vere):
    """Marlin's custom thermistor in single precision, from the #defines, at the true
    resistances."""
    (CARTELLA / "sensore.h").write_text(testo)
    programma = compila("sensore", MARLIN_TIPI + f"""
#include "sensore.h"
int main() {{
    const float res_25 = {prefisso}RESISTANCE_25C_OHMS, beta = {prefisso}BETA,
                c = {prefisso}SH_C_COEFF;
    const float res_25_log = logf(res_25), beta_recip = 1.0f / beta;
    const float sh_alpha = 1.0f / (25.0f - (-273.15f)) - beta_recip * res_25_log
                           - c * (res_25_log * res_25_log * res_25_log);
    double r;
    while (std::scanf("%lf", &r) == 1) {{
        const float log_r = logf(float(r));
        float value = sh_alpha + log_r * beta_recip;
        if (c != 0) value += c * (log_r * log_r * log_r);
        std::printf("%.9g\\n", 1.0f / value + (-273.15f));
    }}
}}
""")
    if not programma:
        return []
    fatto = subprocess.run([programma], input="\n".join(map(repr, r_vere)), capture_output=True,
                           text=True)
    return [float(x) for x in fatto.stdout.split()]


def marlin_righe(testo, n):
    (CARTELLA / "tabella.h").write_text(testo)
    programma = compila("tabella", MARLIN_TIPI + f"""
#include "tabella.h"
static_assert(COUNT(temptable_{n}) < 255, "Marlin's tables hold 254 rows at most");
int main() {{
    for (const temp_entry_t& riga : temptable_{n}) std::printf("%d %d\\n", riga.value, riga.celsius);
}}
""")
    if not programma:
        return []
    uscita = subprocess.run([programma], capture_output=True, text=True).stdout
    return [tuple(map(int, riga.split())) for riga in uscita.splitlines()]


def marlin_scandisce(righe, grezzo):
    """Marlin's table scan: bisect the rising raw values, interpolate between neighbours,
    clamp at the ends."""
    if grezzo <= righe[0][0]:
        return righe[0][1]
    if grezzo >= righe[-1][0]:
        return righe[-1][1]
    k = 1
    while righe[k][0] < grezzo:
        k += 1
    (v0, t0), (v1, t1) = righe[k - 1], righe[k]
    return t0 + (grezzo - v0) * (t1 - t0) / (v1 - v0)


# ---------------------------------------------------------------- the checks
def controlla_klipper_esphome_marlin():
    for nome_modello, (modello, da, a) in MODELLI.items():
        ts = temperature(da, a)
        r_vere = resistenze(modello, ts)
        griglia = ["--da", da, "--a", a, "--passo", 1]
        for serie in (4700, 10000):
            if nome_modello != "10k B3950" and serie == 10000:
                continue
            divisore = ["--partitore", serie]
            caso = f"{nome_modello} under {serie / 1000:g} kΩ"
            testo, _ = esegui("tabella", *modello, *griglia, "--formato", "klipper", *divisore,
                              "--nome", "sonda")
            letture = klipper_legge(testo, "sonda", r_vere, serie)
            limite = LIMITE_TABELLA_KLIPPER if "adc_temperature" in testo else LIMITE
            if differenza("klipper", caso, letture, ts) > limite:
                fallito(f"Klipper reads {caso} more than {limite} K off")
            if "--beta" in modello and "\nbeta: " not in testo:
                fallito(f"Klipper gets {caso} not as its own beta")

            testo, _ = esegui("tabella", *modello, *griglia, "--formato", "esphome", *divisore,
                              "--nome", "sonda")
            sensori = yaml.safe_load(testo)["sensor"]
            letture = esphome_legge(sensori, "sonda", r_vere, serie, True)
            # Three points hold a Beta or a Steinhart-Hart exactly; of another model the
            # comment states how close they come.
            dichiarato = re.search(r"stays within (\S+) K", testo)
            limite = float(dichiarato.group(1)) * 1.05 if dichiarato else LIMITE
            if differenza("esphome", caso, letture, ts) > limite:
                fallito(f"ESPHome reads {caso} more than {limite} K off")

            # Marlin's tables hold 254 rows: 2 K steps over the longest range.
            passo = 1 if a - da < 254 else 2
            testo, _ = esegui("tabella", *modello, "--da", da, "--a", a, "--passo", passo,
                              "--formato", "marlin", *divisore, "--riscaldatore", "bed")
            if "#define BED_BETA" in testo:
                letture = marlin_personalizzato(testo, "BED_", r_vere)
                if differenza("marlin 1000", caso, letture, ts) > LIMITE:
                    fallito(f"Marlin's sensor 1000 reads {caso} more than {LIMITE} K off")
                valori = re.search(r"M305 P0 R(\S+) T(\S+) B(\S+) C(\S+)", testo)
                definiti = [re.search(rf"#define BED_{k} (\S+)", testo).group(1)
                            for k in ("PULLUP_RESISTOR_OHMS", "RESISTANCE_25C_OHMS", "BETA",
                                      "SH_C_COEFF")]
                # Marlin's G-code parser stops a number at an "E".
                if not valori or list(valori.groups()) != definiti or "E" in valori.group(0)[5:]:
                    fallito(f"M305 for {caso} is not the #defines: {valori and valori.group(0)}")
            else:
                controlla_tabella_marlin(testo, caso, modello, ts, r_vere, serie)


def controlla_tabella_marlin(testo, caso, modello, ts, r_vere, serie):
    numero = re.search(r"temptable_(\d+)", testo).group(1)
    righe = marlin_righe(testo, numero)
    if not righe or any(b[0] <= a[0] for a, b in zip(righe, righe[1:])):
        fallito(f"Marlin's raw values for {caso} do not rise strictly")
        return
    conteggio = lambda r: 1024 * r / (r + serie)  # noqa: E731
    letture = [marlin_scandisce(righe, conteggio(r) * 16) for r in r_vere]
    differenza("marlin table", caso, letture, ts)
    # Between two rows Marlin draws a straight line in count: the reading must be that line
    # through the model's exact counts, but for the counts' two decimals and the raw values
    # Marlin truncates them to, at most 0.07 count, in kelvin at the rows' slope.
    gradi = sorted(t for _, t in righe)
    c_righe = dict(zip(gradi, map(conteggio, resistenze(modello, gradi))))
    for t, r, letta in zip(ts, r_vere, letture):
        sotto = [g for g in gradi if g <= t]
        sopra = [g for g in gradi if g > t]
        if not sotto or not sopra:
            continue
        t0, t1 = sotto[-1], sopra[0]
        c0, c1 = c_righe[t0], c_righe[t1]
        retta = t0 + (conteggio(r) - c0) / (c1 - c0) * (t1 - t0)
        if abs(letta - retta) > 0.07 * (t1 - t0) / abs(c1 - c0) + 1e-9:
            fallito(f"Marlin's table reads {caso} at {t} °C as {letta}, its rows say {retta}")
            return


def controlla_insieme():
    """A bed and a hotend in one printer.cfg, one ESPHome device, one translation unit."""
    letto = ["--r0", "100000", "--beta", "3950", "--da", "0", "--a", "120", "--passo", "1",
             "--partitore", "10000"]
    ugello = ["--r0", "100000", "--beta", "4267", "--da", "0", "--a", "300", "--passo", "1",
              "--partitore", "4700"]
    k_letto, _ = esegui("tabella", *letto, "--formato", "klipper", "--nome", "letto")
    k_ugello, _ = esegui("tabella", *ugello, "--formato", "klipper", "--nome", "ugello")
    # The bed at 25 °C under its 10 kΩ pull-up, its heater's pullup_resistor copied over.
    sezioni = klipper_sezioni(k_ugello + "\n" + k_letto)
    for nome, testo, serie, attesa in (("letto", k_letto, 10000, 25), ("ugello", k_ugello, 4700,
                                                                       25)):
        c1, c2, c3 = klipper_termistore(sezioni[f"thermistor {nome}"])
        pullup = klipper_pullup(testo)
        r = 100000.0
        adc = r / (r + serie)
        ln = math.log(pullup * adc / (1 - adc))
        letta = 1 / (c1 + c2 * ln + c3 * ln ** 3) - ZERO
        if abs(letta - attesa) > 1e-6:
            fallito(f"Klipper reads the {nome} at {letta} °C, not {attesa}")

    e_letto, _ = esegui("tabella", *letto, "--formato", "esphome", "--nome", "letto")
    e_ugello, _ = esegui("tabella", *ugello, "--formato", "esphome", "--nome", "ugello")
    sensori = yaml.safe_load(e_letto)["sensor"] + yaml.safe_load(e_ugello)["sensor"]
    ids = [s["id"] for s in sensori]
    if len(ids) != len(set(ids)):
        fallito(f"ESPHome ids clash: {ids}")

    m_letto, _ = esegui("tabella", *letto, "--formato", "marlin", "--riscaldatore", "bed")
    m_ugello, _ = esegui("tabella", *ugello, "--formato", "marlin")
    tabella_a, _ = esegui("tabella", "--esteso", "3.354016e-03", "2.569850e-04", "2.620131e-06",
                          "6.383091e-08", "--rif", "10000", "--da", "0", "--a", "150", "--passo",
                          "1", "--formato", "marlin", "--partitore", "4700", "--numero", "901",
                          "--riscaldatore", "chamber")
    tabella_b, _ = esegui("tabella", *letto[:4], "--da", "0", "--a", "150", "--passo", "1",
                          "--formato", "marlin", "--partitore", "4700", "--verso",
                          "alimentazione", "--numero", "902", "--riscaldatore", "probe")
    if "REVERSE_TEMP_SENSOR_RANGE_902" not in tabella_b:
        fallito("a thermistor on the supply side without REVERSE_TEMP_SENSOR_RANGE")
    for i, testo in enumerate((m_letto, m_ugello, tabella_a, tabella_b)):
        (CARTELLA / f"marlin_{i}.h").write_text(testo)
    compila("marlin_insieme", MARLIN_TIPI + """
#include "marlin_0.h"
#include "marlin_1.h"
#include "marlin_2.h"
#include "marlin_3.h"
int main() { return BED_BETA > 0 && HOTEND0_BETA > 0 && COUNT(temptable_901) > 0
                    && COUNT(temptable_902) > 0 ? 0 : 1; }
""")

    c_a, _ = esegui("tabella", *letto, "--formato", "c", "--nome", "letto")
    c_b, _ = esegui("tabella", *ugello, "--formato", "c", "--nome", "ugello")
    (CARTELLA / "letto.h").write_text(c_a)
    (CARTELLA / "ugello.h").write_text(c_b)
    programma = compila("c_insieme", """
#include "letto.h"
#include "ugello.h"
#include "letto.h"
#include <cstdio>
int main() {
    for (const auto& r : letto_tabella) std::printf("%.17g %.17g %ld\\n", r.t_c, r.r_ohm, r.adc);
    return LETTO_RIGHE == 121 && UGELLO_RIGHE == 301 ? 0 : 1;
}
""")
    if programma:
        righe_c = subprocess.run([programma], capture_output=True, text=True)
        csv, _ = esegui("tabella", *letto)
        attese = [r.split(",") for r in csv.splitlines()[1:]]
        lette = [r.split() for r in righe_c.stdout.splitlines()]
        if righe_c.returncode != 0 or len(lette) != len(attese) or any(
                float(l[0]) != float(a[0]) or float(l[1]) != float(a[1]) or l[2] != a[3]
                for l, a in zip(lette, attese)):
            fallito("the C header's rows are not the CSV's")


def controlla_righe_fitte():
    """Under a 100 Ω pull-up a 10 kΩ NTC below 0 °C moves the count by less than one raw
    value a degree: rows that would share a raw value are left out, since Marlin divides by
    the step between two rows."""
    modello = MODELLI["extended 10k"][0]
    ts = temperature(-40, 0)
    testo, _ = esegui("tabella", *modello, "--da", -40, "--a", 0, "--passo", 1, "--formato",
                      "marlin", "--partitore", 100)
    righe = len(re.findall(r"\{ OV\(", testo))
    if not 0 < righe < 41:
        fallito(f"Marlin's table under 100 Ω kept {righe} of 41 rows")
    controlla_tabella_marlin(testo, "extended 10k under 100 Ω", modello, ts,
                             resistenze(modello, ts), 100)


def controlla_rifiuti():
    """What no firmware can take is refused, with status 2 and nothing on standard output."""
    tabella = ["tabella", *MODELLI["extended 10k"][0], "--partitore", "4700", "--formato", "marlin"]
    casi = [
        # More rows than Marlin's table holds: the message names the finest step that fits.
        (tabella + ["--da", "-40", "--a", "300", "--passo", "1"], "passo più fine che ci sta è 2"),
        # One row too many: 0 to 254 °C by 1 K is 255 rows.
        (tabella + ["--da", "0", "--a", "254", "--passo", "1"], "ne avrebbe 255"),
        # Numbers Marlin already uses: 998 and 999 are dummies with no protection.
        (tabella + ["--da", "0", "--a", "100", "--passo", "1", "--numero", "998"], "998"),
        (tabella + ["--da", "0", "--a", "100", "--passo", "1", "--numero", "1000"], "1000"),
        (tabella + ["--da", "0", "--a", "100", "--passo", "1", "--numero", "901.5"], "intero"),
        (["tabella", "--r0", "10000", "--beta", "3950", "--da", "0", "--a", "100", "--passo", "1",
          "--formato", "esphome"], "resistance"),
        (["tabella", "--r0", "10000", "--beta", "3950", "--da", "0", "--a", "100", "--passo",
          "1", "--formato", "klipper", "--partitore", "4700", "--verso", "alimentazione"],
         "verso massa"),
        (["tabella", "--r0", "10000", "--beta", "3950", "--da", "0", "--a", "100", "--passo",
          "1", "--formato", "c", "--nome", "1x"], "nome"),
    ]
    for argomenti, parola in casi:
        uscita, messaggio = esegui(*argomenti, stato=2)
        if uscita or parola not in messaggio:
            fallito(f"{' '.join(argomenti)}: {messaggio!r} does not say '{parola}'")


controlla_klipper_esphome_marlin()
controlla_insieme()
controlla_righe_fitte()
controlla_rifiuti()
print("largest difference from the model, K:")
for formato, caso, massima in cifre:
    print(f"  {formato:14} {caso:32} {massima:.2g}")
if errori:
    sys.exit(1)
print("firmware: all checks passed")
