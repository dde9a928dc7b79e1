#pragma once

#include <string_view>

// The project's version, from the build.
extern const std::string_view VERSIONE_BREVANTO;
