#include "platform/nebenherschreiber.h"

#include <algorithm>

namespace velmora {

Nebenherschreiber::Nebenherschreiber(Schreiben schreiben)
    : schreiben(std::move(schreiben)), faden([this] { arbeiten(); }) {}

Nebenherschreiber::~Nebenherschreiber() {
    {
        std::lock_guard<std::mutex> gesperrt(sperre);
        ende = true;
    }
    wecker.notify_all();
    faden.join();
}

void Nebenherschreiber::ersetzen(const QString& pfad, const QByteArray& inhalt, QObject* kontext,
                                 Fertig fertig) {
    {
        std::lock_guard<std::mutex> gesperrt(sperre);
        const auto frueher = std::find_if(warteschlange.begin(), warteschlange.end(),
                                          [&](const Auftrag& a) { return a.pfad == pfad; });
        Auftrag auftrag{pfad, inhalt, kontext, std::move(fertig)};
        if (frueher != warteschlange.end()) {
            *frueher = std::move(auftrag);
        } else {
            warteschlange.push_back(std::move(auftrag));
        }
    }
    wecker.notify_all();
}

void Nebenherschreiber::abwarten() {
    {
        std::unique_lock<std::mutex> gesperrt(sperre);
        wecker.wait(gesperrt, [this] { return warteschlange.empty() && !schreibt; });
    }
    ausliefern();
}

void Nebenherschreiber::arbeiten() {
    std::unique_lock<std::mutex> gesperrt(sperre);
    for (;;) {
        wecker.wait(gesperrt, [this] { return ende || !warteschlange.empty(); });
        if (warteschlange.empty()) {
            return;
        }
        Auftrag auftrag = std::move(warteschlange.front());
        warteschlange.pop_front();
        schreibt = true;
        gesperrt.unlock();
        QString fehler;
        const bool geschrieben = schreiben(auftrag.pfad, auftrag.inhalt, &fehler);
        gesperrt.lock();
        schreibt = false;
        erledigt.push_back({std::move(auftrag.kontext), std::move(auftrag.fertig),
                            geschrieben ? std::nullopt : std::optional(fehler)});
        if (!ende) {
            QMetaObject::invokeMethod(
                &empfaenger, [this] { ausliefern(); }, Qt::QueuedConnection);
        }
        wecker.notify_all();
    }
}

void Nebenherschreiber::ausliefern() {
    std::deque<Ergebnis> ergebnisse;
    {
        std::lock_guard<std::mutex> gesperrt(sperre);
        ergebnisse.swap(erledigt);
    }
    for (Ergebnis& ergebnis : ergebnisse) {
        if (ergebnis.kontext && ergebnis.fertig) {
            ergebnis.fertig(ergebnis.fehler);
        }
    }
}

} // namespace velmora
