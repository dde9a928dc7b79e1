#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// What Marlin's configuration knows of its temperature sensors, from its Configuration.h,
// Configuration_adv.h and module/thermistor/thermistors.h.

// A heater or sensor a thermistor can serve: the name --riscaldatore takes, the setting that
// picks its sensor, and the prefix of its custom thermistor's settings.
struct RiscaldatoreMarlin {
    std::string_view nome;
    std::string_view sensore;
    std::string_view prefisso;
};

inline constexpr std::array<RiscaldatoreMarlin, 14> RISCALDATORI_MARLIN{{
    {"hotend0", "TEMP_SENSOR_0", "HOTEND0_"},
    {"hotend1", "TEMP_SENSOR_1", "HOTEND1_"},
    {"hotend2", "TEMP_SENSOR_2", "HOTEND2_"},
    {"hotend3", "TEMP_SENSOR_3", "HOTEND3_"},
    {"hotend4", "TEMP_SENSOR_4", "HOTEND4_"},
    {"hotend5", "TEMP_SENSOR_5", "HOTEND5_"},
    {"hotend6", "TEMP_SENSOR_6", "HOTEND6_"},
    {"hotend7", "TEMP_SENSOR_7", "HOTEND7_"},
    {"bed", "TEMP_SENSOR_BED", "BED_"},
    {"chamber", "TEMP_SENSOR_CHAMBER", "CHAMBER_"},
    {"cooler", "TEMP_SENSOR_COOLER", "COOLER_"},
    {"probe", "TEMP_SENSOR_PROBE", "PROBE_"},
    {"board", "TEMP_SENSOR_BOARD", "BOARD_"},
    {"redundant", "TEMP_SENSOR_REDUNDANT", "REDUNDANT_"},
}};

// The heater named, or none.
const RiscaldatoreMarlin* RiscaldatoreDaNome(std::string_view nome);

// The custom thermistor of Configuration_adv.h, computed by Marlin from these settings.
inline constexpr int SENSORE_PERSONALIZZATO = 1000;

// Numbers Marlin already gives a sensor: its tables in thermistors.h, 0 (none), 100 (the
// SoC's own sensor), 998 and 999 (dummies that always read 25 and 100 °C, with no
// over-temperature protection), 1000 (the custom thermistor).
inline constexpr std::array<int, 54> NUMERI_MARLIN_USATI{
    0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  15,  17,   18,   20,
    21,  22,  23,  30,  51,  52,  55,  60,  61,  66,  67,  68,  70,  71,  75,  99,   100,  110,
    147, 148, 201, 202, 331, 332, 501, 502, 503, 504, 505, 512, 666, 998, 999, 1000, 1010, 1047,
};
inline constexpr int NUMERO_MARLIN_PREDEFINITO = 901;

// Why a table cannot take the number (one Marlin uses, or not a positive one); empty when
// it can.
std::string VerificaNumeroMarlin(long numero);

// Marlin scans a table with an 8-bit index and checks at build time that it has fewer than
// 255 rows.
inline constexpr std::size_t RIGHE_MARLIN_MASSIME = 254;
