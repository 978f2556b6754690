#pragma once

#include "bausteine/textbaustein.h"
#include "platform/plattform.h"

#include <QObject>
#include <QString>

#include <optional>

namespace velmora {

// The user's text blocks while the window runs: read once when first asked for, written
// whole at every change, in the data folder's textbausteine.json.
class Bausteinablage : public QObject {
    Q_OBJECT
public:
    explicit Bausteinablage(Plattform& plattform, QObject* eltern = nullptr);

    // The file changed outside the store (the team's blocks came in): read afresh when next
    // asked for.
    void neuLesen() { geladen = false; }

    const Textbausteine& bausteine();
    // Takes the blocks and writes them. A failed write is said in the band, and the blocks
    // are kept for this run only; a file that could not be read is not overwritten. False
    // when they were not written.
    bool speichern(const Textbausteine& neu);

signals:
    // The file holds other blocks now.
    void geaendert();
    // A read or write failed: the sentence for the band.
    void hinweis(const QString& text);

private:
    void laden();
    QString pfad() const;
    // The bytes, or nothing with the German sentence that says why (`fehler`); neither when
    // there is no file yet.
    Eigenlesung lesen() const;
    // Nothing when written; else the German sentence for the band.
    std::optional<QString> schreiben(const QByteArray& inhalt) const;

    Plattform& plattform;
    Textbausteine liste;
    bool geladen = false;
    // Why the file could not be read; while set it is not overwritten, so that the blocks it
    // holds are not lost.
    QString lesefehler;
};

} // namespace velmora
