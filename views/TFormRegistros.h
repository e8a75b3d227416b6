#pragma once

#include "TFrmImpressao.h"

#include <QWidget>

#include <functional>

struct Ambiente;
class IDialogosArquivo;
class ModeloGravacoes;
class ModeloTrilha;
class QComboBox;
class QDateEdit;
class QLabel;
class QPrinter;
class QPushButton;
class QTabWidget;
class QTableView;

// The "Registros" window: the sealed recordings ("Gravações"), filtered by
// logger and period, a double click opening one; the audit trail ("Trilha
// de auditoria"), filtered by logger, action and period, exported to CSV
// and printed. Without records it says why instead. A thin view: the rows
// and their texts are the models' (core/ModeloGravacoes, core/ModeloTrilha,
// core/TextoRegistros).
class TFormRegistros : public QWidget
{
    Q_OBJECT
public:
    struct Ligacoes
    {
        IDialogosArquivo *dialogos = nullptr;
        std::function<QPrinter &()> impressora;
        std::function<void(const QString &caminho)> abre;  // opens a recording
        TFrmImpressao::MostraPrevia mostraPrevia;  // the print preview; exec() when empty
    };

    TFormRegistros(const Ambiente &ambiente, Ligacoes ligacoes, QWidget *parent = nullptr);
    ~TFormRegistros() override;

    // The trail of the filter shown to a CSV file the user names, and to
    // the printed report.
    void ExportarCsvClick();
    void ImprimirClick();
    void VerificarClick();

    QTabWidget *Abas = nullptr;
    QLabel *Motivo = nullptr;  // why there are no records
    QTableView *TabelaGravacoes = nullptr;
    QTableView *TabelaTrilha = nullptr;
    QComboBox *LoggerGravacoes = nullptr;
    QComboBox *LoggerTrilha = nullptr;
    QComboBox *AcaoTrilha = nullptr;
    QDateEdit *DeGravacoes = nullptr;
    QDateEdit *AteGravacoes = nullptr;
    QDateEdit *DeTrilha = nullptr;
    QDateEdit *AteTrilha = nullptr;

    ModeloGravacoes *modeloGravacoes() const { return m_gravacoes; }
    ModeloTrilha *modeloTrilha() const { return m_trilha; }

private:
    QWidget *criaGravacoes();
    QWidget *criaTrilha();
    QComboBox *criaLoggers(const QList<qint64> &series);
    QDateEdit *criaData();
    QTableView *criaTabela();
    void filtraGravacoes();
    void filtraTrilha();
    void abreGravacao(const QModelIndex &indice);

    const Ambiente &m_ambiente;
    Ligacoes m_ligacoes;
    ModeloGravacoes *m_gravacoes = nullptr;
    ModeloTrilha *m_trilha = nullptr;
};
