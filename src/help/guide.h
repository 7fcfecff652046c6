#pragma once
// The help windows: the quick manual and the eleven topic help windows are one
// family, the same controls, handlers and print, differing only in their topic
// (title and body) and their size. Each member is its own class only so that it has
// its own single instance.
#include "help/finestraAiuto.h"
#include "help/testiGuida.h"

class Etichetta;
class Pulsante;
class TestoLungo;

class FinestraGuida : public FinestraAiuto {
    Q_OBJECT
public:
    explicit FinestraGuida(testiGuida::Argomento argomento);
    ~FinestraGuida() override;

    testiGuida::Argomento argomento() const { return argomento_; }

    Etichetta* Label1 = nullptr;  // the title
    TestoLungo* Label2 = nullptr; // the body
    Pulsante* cmdSommario = nullptr;
    Pulsante* cmdStampa = nullptr;
    Pulsante* cmdChiudi = nullptr;

    void cmdSommario_Click();
    void cmdstampa_Click();
    void cmdchiudi_Click();

protected:
    void Form_Load() override;

private:
    bool manuale() const { return argomento_ == testiGuida::Argomento::manuale; }
    testiGuida::Argomento argomento_;
};

// The twelve members, in the order of the help contents.
class manuale final : public FinestraGuida {
    Q_OBJECT
public:
    manuale() : FinestraGuida(testiGuida::Argomento::manuale) {}
};
class guidafunzionamento final : public FinestraGuida {
    Q_OBJECT
public:
    guidafunzionamento() : FinestraGuida(testiGuida::Argomento::funzionamento) {}
};
class guidaarchivio final : public FinestraGuida {
    Q_OBJECT
public:
    guidaarchivio() : FinestraGuida(testiGuida::Argomento::archivio) {}
};
class guidastampa final : public FinestraGuida {
    Q_OBJECT
public:
    guidastampa() : FinestraGuida(testiGuida::Argomento::stampa) {}
};
class guidamenu final : public FinestraGuida {
    Q_OBJECT
public:
    guidamenu() : FinestraGuida(testiGuida::Argomento::menu) {}
};
class guidatabella final : public FinestraGuida {
    Q_OBJECT
public:
    guidatabella() : FinestraGuida(testiGuida::Argomento::tabella) {}
};
class guidatrasmitt final : public FinestraGuida {
    Q_OBJECT
public:
    guidatrasmitt() : FinestraGuida(testiGuida::Argomento::trasmitt) {}
};
class guidafattib final : public FinestraGuida {
    Q_OBJECT
public:
    guidafattib() : FinestraGuida(testiGuida::Argomento::fattib) {}
};
class guidarisultati final : public FinestraGuida {
    Q_OBJECT
public:
    guidarisultati() : FinestraGuida(testiGuida::Argomento::risultati) {}
};
class guidadettagliato final : public FinestraGuida {
    Q_OBJECT
public:
    guidadettagliato() : FinestraGuida(testiGuida::Argomento::dettagliato) {}
};
class guidarisdettagliato final : public FinestraGuida {
    Q_OBJECT
public:
    guidarisdettagliato() : FinestraGuida(testiGuida::Argomento::risdettagliato) {}
};
class guidafrontespizio final : public FinestraGuida {
    Q_OBJECT
public:
    guidafrontespizio() : FinestraGuida(testiGuida::Argomento::frontespizio) {}
};
