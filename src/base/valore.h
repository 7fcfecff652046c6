#pragma once
// A loosely typed value: empty (never given), a whole number, a floating value or a
// text. Empty compares equal to 0 and to "", and reads as 0 or "".
#include <QString>
#include <optional>
#include <variant>

class Valore {
public:
    Valore() = default;
    Valore(int v) : dato_(static_cast<long long>(v)) {}
    Valore(long long v) : dato_(v) {}
    Valore(double v) : dato_(v) {}
    Valore(const QString& v) : dato_(v) {}
    Valore(const char* v) : dato_(QString::fromUtf8(v)) {}

    bool vuoto() const { return std::holds_alternative<std::monostate>(dato_); }
    bool intero() const { return std::holds_alternative<long long>(dato_); }
    bool decimale() const { return std::holds_alternative<double>(dato_); }
    bool testo() const { return std::holds_alternative<QString>(dato_); }
    bool numero() const { return intero() || decimale(); }

    // Empty gives 0; a text gives its leading number (numeri::val).
    double comeNumero() const;
    // The whole number as stored, without the detour through a double that loses
    // digits beyond 2^53; nothing for a value of another kind.
    std::optional<long long> interoMemorizzato() const;
    // Empty gives ""; a number gives its plain conversion (numeri::testoNumero).
    QString comeTesto() const;

    void svuota() { dato_ = std::monostate{}; }

    friend bool operator==(const Valore& a, double b) { return a.comeNumero() == b; }
    friend bool operator==(const Valore& a, const QString& b) { return a.comeTesto() == b; }

private:
    std::variant<std::monostate, long long, double, QString> dato_;
};
