#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The help window: the user guide (HTML bundled with the program) in a
// browser, opened at a keyword. Each keyword is an anchor of the guide;
// an unknown one opens the guide at its start.
class JanelaAjuda : public QWidget
{
    Q_OBJECT
public:
    explicit JanelaAjuda(QWidget *parent = nullptr);

    void mostraTopico(const QString &palavraChave);
    QTextBrowser *navegador() const { return m_navegador; }

private:
    QTextBrowser *m_navegador;
};
