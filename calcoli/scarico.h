#pragma once

#include <functional>
#include <string>

// Takes the text written so far and empties it; called while a long table is written,
// once nothing can fail any more, so that the table never sits whole in memory.
using Scarico = std::function<void(std::string&)>;
