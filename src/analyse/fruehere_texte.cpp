#include "analyse/fruehere_texte.h"

#include <array>

namespace velmora {

namespace {

constexpr Zeugnisart ende = Zeugnisart::Endzeugnis;

const std::array<FruehererText, 25> texte = {{
    {ende, 1, 1,
     Phrase("{Herr} {Name} verfügt über umfassende und vielseitige Fachkenntnisse, auch in "
            "Randbereichen und setzt sie stets sicher und zielgerichtet in der Praxis ein. ")},
    {ende, 2, 5,
     Phrase("{Er} bildete sich stets eigenitiativ durch den Besuch interner und externer Seminare "
            "beruflich weiter und war dabei im Großen und Ganzen erfolgreich.")},
    {ende, 4, 1,
     Phrase("Durch {sein} ausgeprägt logisches und analytisches Denkvermögens kam {Herr} {Name} "
            "auch in schwierigen Lagen zu einem eigenständigen, abgewogenen und stets "
            "zutreffenden Urteil.")},
    {ende, 4, 5,
     Phrase("{Herr} {Name}s fachliche Urteile in den wichtigsten Fragen waren in der Regel "
            "zutreffend.")},
    {Zeugnisart::Zwischenzeugnis, 4, 5,
     Phrase("{Herr} {Name}s fachliche Urteile in den wichtigsten Fragen sind in der Regel "
            "zutreffend.")},
    {ende, 4, 6,
     Phrase("In allen {ihm} vertrauten Zusammenhängen bemühte {er} sich, {seine}  "
            "Urteilsfähigkeit einzusetzen.")},
    {ende, 5, 1,
     Phrase("{Herr} {Name} identifizierte sich stets voll mit {seinen} Aufgaben, setzte sich ohne "
            "zu zögern auch deutlich über die geregelte Arbeitszeit hinaus erfolgreich für unser "
            "Unternehmen ein und übernahm bereitwillig zusätzliche Verantwortung. ")},
    {ende, 5, 4,
     Phrase("{Herr} {Name} traf bezüglich {seines} Leistungswillen und {seiner} Bereitschaft, auch "
            "zusätzliche Verantwortung zu übernehmen, unsere Erwartungen. ")},
    {ende, 5, 6,
     Phrase("{Herr} {Name} versuchte immer, bezüglich {seines} Leistungswillen und {seiner} "
            "Bereitschaft, auch zusätzliche Verantwortung zu übernehmen und unsere Erwartungen zu "
            "erfüllen. ")},
    {ende, 9, 1,
     Phrase("{Er} motivierte und überzeugte {seine} Mitarbeiter/innen durch einen kooperativen "
            "Führungsstil. {Herr} {Name} war als Vorgesetzter jederzeit voll anerkannt, wobei sein "
            "Team unsere hohen Erwartungen nicht nur erfüllte, sondern oftmals sogar übertraf.")},
    {ende, 9, 2,
     Phrase("{Er} wurde von seinen Mitarbeitern/innen anerkannt und geschätzt, wobei {er} sie "
            "entsprechend ihren Fähigkeiten einsetzte und mit ihnen gute Ergebnisse erzielte.")},
    {ende, 10, 2, Phrase("Wir waren mit den Leistungen stets voll zufrieden.")},
    {ende, 10, 5,
     Phrase("{Er} hat die {ihm} übertragenen Aufgaben im überwiegend zu unserer Zufriedenheit "
            "erledigt.")},
    {ende, 11, 1,
     Phrase("{Herr} {Name} war wegen {seines} frischen, verbindlichen und kooperativen Auftretens "
            "ein allseits sehr geschätzter Ansprechpartner.")},
    {ende, 12, 2,
     Phrase("Das Arbeitsverhältnis mit {Herr} {Name} endet aus betriebsbedingten Gründen.")},
    {ende, 12, 3,
     Phrase("Das Arbeitsverhältnis mit {Herr} {Name} endet im besten beiderseitigen Einvernehmen "
            "per Aufhebungsvertrag.")},
    {ende, 13, 1,
     Phrase("Wir bedauern {seine} Entscheidung außerordentlich, weil wir mit {ihm} eine wertvolle "
            "Führungskraft verlieren. Wir bedanken uns bei {ihm} für {seine} allzeit sehr gute "
            "Arbeit und wünschen {ihm} für {seine} berufliche wie persönliche Zukunft alles Gute "
            "und weiterhin viel Erfolg.")},
    {ende, 13, 3,
     Phrase(
         "{Herr} {Name} verlässt unser Unternehmen mit dem heutigen Tage auf eigenen Wunsch. Wir "
         "danken {ihm} für {seine} Mitarbeit wünschen {ihm} für die Zukunft alles Gute.")},
    // The closing names no leaving when the reason for it stands in the reference; grade 1
    // speaks of a manager only when the reference rates the leading of staff.
    {ende, 13, 1,
     Phrase("Wir bedauern {sein} Ausscheiden außerordentlich, weil wir mit {ihm} eine wertvolle "
            "Führungskraft verlieren.")},
    {ende, 13, 1,
     Phrase("Wir bedauern {seine} Entscheidung außerordentlich, weil wir mit {ihm} einen "
            "wertvollen Mitarbeiter verlieren.")},
    {ende, 13, 1,
     Phrase("Wir bedauern {sein} Ausscheiden außerordentlich, weil wir mit {ihm} einen wertvollen "
            "Mitarbeiter verlieren.")},
    {ende, 13, 1,
     Phrase("Wir bedauern {seine} Entscheidung außerordentlich, weil wir mit {ihm} eine wertvolle "
            "Mitarbeiterin verlieren.")},
    {ende, 13, 1,
     Phrase("Wir bedauern {sein} Ausscheiden außerordentlich, weil wir mit {ihm} eine wertvolle "
            "Mitarbeiterin verlieren.")},
    {ende, 13, 2,
     Phrase(
         "Wir bedauern {sein} Ausscheiden, danken {ihm} für {seine} Mitarbeit und wünschen {ihm} "
         "für {seine} Zukunft alles Gute und weiterhin Erfolg.")},
    {ende, 13, 3,
     Phrase(
         "Wir danken {ihm} für {seine} Mitarbeit und wünschen {ihm} für die Zukunft alles Gute.")},
}};

} // namespace

std::span<const FruehererText> fruehereTexte() {
    return texte;
}

} // namespace velmora
