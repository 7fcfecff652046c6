#pragma once
// The fixture of the technical report's tests: the calculation windows' fixture in a
// home of its own (the report is saved in its documents folder), the cover page filled.
#include "support/ambienteCalcolo.h"

#include <QTemporaryDir>

class CasaDiProva : public AmbienteCalcolo {
protected:
    void SetUp() override
    {
        casaPrecedente_ = qgetenv("HOME");
        qputenv("HOME", casa_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", casa_.filePath(QStringLiteral(".config")).toUtf8());
        AmbienteCalcolo::SetUp();
        copertinaCompilata();
    }
    void TearDown() override
    {
        qputenv("HOME", casaPrecedente_);
        qunsetenv("XDG_CONFIG_HOME");
        AmbienteCalcolo::TearDown();
    }

    // Every window unloaded, the state as at start, the cover page filled.
    void daCapo()
    {
        ambiente::ripristinaFinestre();
        AmbienteCalcolo::SetUp();
        copertinaCompilata();
        messaggi.azzera();
    }

    QTemporaryDir casa_;
    QByteArray casaPrecedente_;
};
