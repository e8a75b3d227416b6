#pragma once

#include "ColetaTodos.h"

#include <QDialog>

class Catalogo;
class QTableWidget;

// The summary after "Coletar todos": how many loggers were collected into
// which folder, then one row per logger (port and device, serial number,
// title, outcome, file), the failures first and in red, a failed verdict in
// red too. The full path of each file is its cell's tip.
class TFrmColetaTodos : public QDialog
{
    Q_OBJECT
public:
    TFrmColetaTodos(const Catalogo &catalogo, QList<ColetaTodos::Resultado> resultados, const QString &pasta,
        QWidget *parent = nullptr);

    QTableWidget *Tabela() const { return m_tabela; }

private:
    void preenche(const QList<ColetaTodos::Resultado> &resultados);

    const Catalogo &m_catalogo;
    QTableWidget *m_tabela = nullptr;
};
