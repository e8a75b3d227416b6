#pragma once

#include "ColetaTodos.h"

#include <QString>

class QTextStream;

// The pages of a collection read, on one line of stderr rewritten in place:
// after the given label, or, when the loggers of several ports are
// collected, a line each named by the port, its device and the logger's
// serial number.
class ProgressoConsole : public ColetaTodos::Observador
{
public:
    explicit ProgressoConsole(QTextStream &erros, const QString &rotulo = {});
    ~ProgressoConsole() override { termina(); }

    void iniciaPorta(int porta, const QString &dispositivo) override;
    void identificado(const QString &numeroSerie, const QString &titulo) override;
    void iniciaPaginas(int total) override;
    void paginaLida(int lidas) override;
    // Ends the line, so that what follows starts on a line of its own.
    void termina();

private:
    QTextStream &m_erros;
    QString m_rotulo;
    int m_total = 0;
    bool m_escreveu = false;
    bool m_porPorta = false;
};
