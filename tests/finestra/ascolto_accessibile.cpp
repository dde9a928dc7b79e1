#include "tests/finestra/ascolto_accessibile.h"

#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QtPlugin>

namespace {

AscoltoAccessibile* ascoltoCorrente = nullptr;

class PonteDiProva : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* evento) override {
        if (ascoltoCorrente == nullptr) {
            return;
        }
        QAccessibleInterface* interfaccia = evento->accessibleInterface();
        ascoltoCorrente->eventi.push_back(
            {evento->type(), evento->object(),
             interfaccia != nullptr ? interfaccia->text(QAccessible::Name) : QString()});
    }
};

} // namespace

// Linked into the test program, so Qt finds it among its bridges without a plugin folder.
class PluginPonteDiProva : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "ponte_di_prova.json")
public:
    // Qt keeps the bridges it creates and never deletes them: one that lives as long as the
    // program is not a leak.
    QAccessibleBridge* create(const QString&) override {
        static PonteDiProva ponte;
        return &ponte;
    }
};

Q_IMPORT_PLUGIN(PluginPonteDiProva)

AscoltoAccessibile::AscoltoAccessibile() {
    ascoltoCorrente = this;
}

AscoltoAccessibile::~AscoltoAccessibile() {
    ascoltoCorrente = nullptr;
}

std::vector<AscoltoAccessibile::Evento> AscoltoAccessibile::Da(const QObject* oggetto,
                                                               QAccessible::Event tipo) const {
    std::vector<Evento> scelti;
    for (const Evento& e : eventi) {
        if (e.oggetto == oggetto && e.tipo == tipo) {
            scelti.push_back(e);
        }
    }
    return scelti;
}

#include "ascolto_accessibile.moc"
