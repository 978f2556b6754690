#pragma once

#include <QPlainTextEdit>

namespace velmora {

// A box for a list, one entry per line. A paste that would leave it with more entries, or an
// entry longer, than any reference needs is refused whole and said so: past that size every
// edit would cost the window seconds, and no page could hold the list.
class Listenfeld : public QPlainTextEdit {
    Q_OBJECT
public:
    Listenfeld(int hoechsteEintraege, int hoechsteEintragslaenge, QWidget* eltern = nullptr);

signals:
    // A paste was refused; `grund` names the limit, in German.
    void verweigert(const QString& grund);

protected:
    void insertFromMimeData(const QMimeData* quelle) override;

private:
    const int hoechsteEintraege;
    const int hoechsteEintragslaenge;
};

} // namespace velmora
