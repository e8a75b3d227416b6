#pragma once

#include <QString>
#include <QWidget>

class Catalogo;
class QLabel;
class QTimer;

// The splash window: borderless, centred on the screen, 467 by 260, the
// program's picture with its name, version and date over it. mostra() shows
// it without blocking; Timer1 hides it again after 3 seconds.
class TFormSplash : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Largura = 467;
    static constexpr int Altura = 260;
    static constexpr int IntervaloTimer1 = 3000;

    TFormSplash(Catalogo &catalogo, const QString &pastaPrograma, QWidget *parent = nullptr);

    void mostra();
    QTimer *Timer1() const { return m_timer1; }

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    void Language();
    void Timer1Timer();

    Catalogo &m_catalogo;
    QString m_pastaPrograma;
    QLabel *m_nome;
    QLabel *m_versao;
    QLabel *m_data;
    QTimer *m_timer1;
};
