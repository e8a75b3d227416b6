#pragma once

#include <QWidget>

class QToolButton;

// A pair of small up and down arrow buttons beside a field, as spin buttons
// are drawn: pressing one raises sobe() or desce(); held down, it repeats.
class BotaoGiro : public QWidget
{
    Q_OBJECT
public:
    explicit BotaoGiro(QWidget *parent = nullptr);

    QToolButton *cima() const { return m_cima; }
    QToolButton *baixo() const { return m_baixo; }

signals:
    void sobe();
    void desce();

private:
    QToolButton *m_cima;
    QToolButton *m_baixo;
};
