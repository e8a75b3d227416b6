#pragma once

#include "EditorPerfil.h"
#include "PerfilAlarme.h"

#include <QDialog>

struct Ambiente;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

// The alarm profiles dialog: the list of profiles (the shipped ones and
// the one the stored limits make, read-only, then the user's), the chosen
// one's name, short name and rules, one row a rule; a new profile, the
// user's own saved or removed, and a profile assigned to the logger of the
// recording it was opened for. Its rules are EditorPerfil's; a refusal or
// a write that fails is said through the message seam and the dialog keeps
// what was typed.
class TFrmPerfis : public QDialog
{
    Q_OBJECT
public:
    TFrmPerfis(const Ambiente &ambiente, qint32 numeroSerie, QWidget *pai = nullptr);

    // Whether anything was written (the graphs then judge again).
    bool mudou() const { return m_mudou; }
    // Chooses the list's row of a profile by short name; false when none.
    bool escolhe(const QString &curto);
    // A rule's row in the table, from its fields, and back.
    void poeRegra(int linha, const EditorPerfil::CamposRegra &campos);
    EditorPerfil::CamposRegra camposDaLinha(int linha) const;

    QListWidget *Lista = nullptr;
    QLineEdit *EditNome = nullptr;
    QLineEdit *EditCurto = nullptr;
    QTableWidget *TabelaRegras = nullptr;
    QLabel *LabelAtribuicao = nullptr;
    QPushButton *BotaoNovo = nullptr;
    QPushButton *BotaoGravar = nullptr;
    QPushButton *BotaoRemover = nullptr;
    QPushButton *BotaoAtribuir = nullptr;
    QPushButton *BotaoAdicionaRegra = nullptr;
    QPushButton *BotaoRemoveRegra = nullptr;
    QPushButton *BotaoFechar = nullptr;

    void NovoClick();
    void GravarClick();
    void RemoverClick();
    void AtribuirClick();

private:
    QWidget *montaEdicao();
    void carrega(const QString &escolhido);
    void mostraPerfil(int indice);
    void habilita();
    void mostraAtribuicao();
    void adicionaRegra();
    void ajustaLinha(int linha);
    void ajustaColunas();
    bool falhou(const QString &erro);
    QStringList opcoes(int numero) const;
    QString texto(int numero) const;

    const Ambiente &m_ambiente;
    qint32 m_numeroSerie = 0;
    QList<PerfilAlarme> m_perfis;
    bool m_novo = false;
    bool m_mudou = false;
};
