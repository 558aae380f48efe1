#pragma once

namespace tavolim::core {

class ConfigFile;
struct Options;

// The charging settings the rules editor edits, kept in Config.ini under their own names.
struct RulesSettings {
    int TipoPrazo = 1;       // 1 all tapes, 2 by label, 3 by media
    int TipoCobraAtraso = 1; // 1..5, in the order of the Atrasos options
    bool CobrarMulta = false;
    bool BrindeAuto = false;
    bool ContaBrindeDiaria = false;
    bool ContaBrindePrazo = false;
    bool ContaBrindeMsg = false;

    // A value no option stands for reads as what the counter makes of it: terms on all tapes,
    // lateness not charged.
    static RulesSettings of(const Options& options);
    void applyTo(Options& options) const;
    // Writes every key; false when Config.ini could not be written.
    bool write(ConfigFile& config) const;

    bool operator==(const RulesSettings&) const = default;
};

} // namespace tavolim::core
