#pragma once

#include <QDialog>

class Catalogo;
class QLabel;
class QProgressBar;

// The progress window of a collection: a small stay-on-top dialog without
// border icons, centred on the screen, that shows the pages read. It is
// made once when the program starts and shown without blocking the main
// window; showing it sets the bar to 0.
class TFrmProgress : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmProgress(const Catalogo &catalogo, QWidget *parent = nullptr);

    // Shows the window with the bar at 0 of maximo, and the text
    // ("Coletando aquisições..." when none is given).
    void mostra(int maximo, const QString &texto = QString());
    // Shows the window at once with the text and a busy bar, before the
    // number of pages is known.
    void mostraEspera(const QString &texto);
    void definePosicao(int posicao);
    // Repaints the window and lets pending events run.
    void atualiza();

    QProgressBar *ProgressBar() const { return m_barra; }
    QLabel *Label() const { return m_rotulo; }

protected:
    void closeEvent(QCloseEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    void centraNaTela();

    const Catalogo &m_catalogo;
    QLabel *m_rotulo = nullptr;
    QProgressBar *m_barra = nullptr;
};
