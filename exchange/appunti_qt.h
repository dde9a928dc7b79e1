#pragma once

#include "exchange/appunti.h"

// The clipboard of the running QGuiApplication.
class AppuntiQt : public Appunti {
public:
    void Svuota() override;
    void ScriviTesto(const std::string& testo) override;
    std::string LeggiTesto() override;
};
