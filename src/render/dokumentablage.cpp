#include "render/dokumentablage.h"

#include "platform/dateigrund.h"
#include "platform/plattform.h"

namespace velmora {

Ablage imDokumentenordnerAblegen(Plattform& plattform, const QByteArray& inhalt,
                                 std::string_view endung) {
    return zeugnisAblegen(
        plattform.dokumentenordner().toStdString(),
        [&](const std::string& pfad) {
            QString grund;
            switch (plattform.dateiNeuAnlegen(QString::fromStdString(pfad), Dateiart::Dokument,
                                              inhalt, &grund)) {
            case Neuanlage::Angelegt:
                return Anlegeergebnis{Anlegeergebnis::Art::Angelegt, {}};
            case Neuanlage::Vorhanden:
                return Anlegeergebnis{Anlegeergebnis::Art::Vorhanden, {}};
            case Neuanlage::Fehler:
                break;
            }
            return Anlegeergebnis{Anlegeergebnis::Art::Fehler, grund.toStdString()};
        },
        endung);
}

std::optional<QString> unterPfadAblegen(Plattform& plattform, const QString& pfad,
                                        const QByteArray& inhalt) {
    QString grund;
    if (plattform.dateiErsetzen(pfad, Dateiart::Dokument, inhalt, &grund)) {
        return std::nullopt;
    }
    return dateimeldung(QStringLiteral("Das Zeugnis konnte nicht als „%1“ gespeichert werden: %2"),
                        pfad, grund);
}

} // namespace velmora
