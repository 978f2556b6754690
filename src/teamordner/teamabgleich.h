#pragma once

#include "platform/plattform.h"

#include <QString>

namespace velmora {

// The files a team folder shares, kept the same in the data folder: the company profile, its
// logo and the text blocks. The copy of the folder as last read lies in this folder of the
// data folder, the ground every merge starts from.
inline constexpr char teamstandordner[] = "teamstand";

// What a sync with the team folder came to.
struct Teamabgleich {
    enum class Ergebnis {
        Abgeglichen,     // the folder and the data folder hold the same now
        Besetzt,         // another clerk holds the folder's lock; `inhaber` says who
        Gescheitert,     // the folder cannot be used; `fehler` says why
        HierGescheitert, // the copies in the data folder cannot be used; `fehler` says why
    };
    Ergebnis ergebnis = Ergebnis::Abgeglichen;
    Sperrvermerk inhaber;
    QString fehler;
    // The copies in the data folder changed: what is made from them is to be read afresh.
    bool profilNeu = false;
    bool bausteineNeu = false;
};

// Brings the data folder's profile, logo and text blocks and the team folder's together under
// the folder's lock: what changed here since the last sync goes into the folder, what others
// changed there comes here, the text blocks merged block by block, the profile member by
// member (a member changed here takes this clerk's value). A folder that holds none of the
// files yet takes this clerk's; a clerk new to a folder that holds them takes the folder's
// profile and keeps its own blocks beside the folder's. Nothing is written while the folder
// cannot be locked or read, so the copies here stay as they are until the next sync.
Teamabgleich teamordnerAbgleichen(Plattform& plattform, const QString& ordner);

} // namespace velmora
