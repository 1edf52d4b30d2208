#pragma once

#include <QDialog>

class LinkLabel;
class QLabel;
class QPlainTextEdit;

// The guide window: one topic of the built-in help, chosen by the window
// that opens it (see showGuide), and a link to the PDF guide Guida.pdf of
// the program folder, which the program does not provide itself: without
// it the link does nothing.
class TfrmGuida : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *owner);

    // Writes the topic's title into lblTitolo and its text into txtGuida.
    void setTopic(const QString &title, const QString &text);

    static QString pdfFileName();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lnkWebClick();

    QLabel *m_lblTitolo = nullptr;
    QPlainTextEdit *m_txtGuida = nullptr;
    LinkLabel *m_lnkWeb = nullptr;
};
