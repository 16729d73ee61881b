#pragma once
// Keeps a window alive while one of its handlers runs a loop that lets the window's
// events in (the auto-repeat of a held button, the map's opening animation, the
// prompt typed letter by letter).
//
// If the child closes the program during such a loop, the window asks to be
// deleted; deleting it there would pull the window, and the button whose signal
// started the handler, from under the running code. The request is held back, the
// handler sees it through inChiusura() and stops, and the request is made again
// when the outermost guard of the window ends, so the window goes once the handler
// has returned.

#include <QObject>
#include <QPointer>
#include <QWidget>

class TrattieniFinestra : public QObject {
public:
    explicit TrattieniFinestra(QWidget* finestra);
    ~TrattieniFinestra() override;
    TrattieniFinestra(const TrattieniFinestra&) = delete;
    TrattieniFinestra& operator=(const TrattieniFinestra&) = delete;

    // The window was closed meanwhile (or its deletion asked for): the handler should
    // stop at once.
    bool inChiusura() const;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QPointer<QWidget> m_finestra;
    TrattieniFinestra* m_esterna = nullptr; // the guard of an enclosing loop of the same window
    TrattieniFinestra* m_precedente = nullptr;
    bool m_richiesta = false; // the window's deletion was asked for and is held back
    bool m_chiusa = false;    // the window received a request to close
};
