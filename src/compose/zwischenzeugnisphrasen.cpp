#include "compose/phrasenbibliothek.h"

namespace velmora {

// Each grade says what the final reference says at that grade, in the present tense; words
// inside a fragment are the same for a man and a woman, so every gendered word is a slot.
const Phrasenbibliothek zwischenzeugnisphrasen = {{
    // 1 Fachwissen
    {{
        Phrase("{Herr} {Name} verfügt über umfassende und vielseitige Fachkenntnisse, auch in "
               "Randbereichen, und setzt sie stets sicher und zielgerichtet in der Praxis ein. "),
        Phrase("{Herr} {Name} verfügt über umfassende und vielseitige Fachkenntnisse, die {er} "
               "jederzeit sicher und zielgerichtet in der Praxis einsetzt. "),
        Phrase("{Herr} {Name} verfügt über solide Fachkenntnisse, die {er} sicher in der Praxis "
               "einsetzt. "),
        Phrase("{Herr} {Name} verfügt über ein solides Grundwissen in {seinem} Arbeitsbereich und "
               "setzt diese Fachkenntnisse auf zufriedenstellende Weise in der Praxis ein. "),
        Phrase("{Herr} {Name} verfügt über entwicklungsfähige Kenntnisse {seines} Arbeitsbereichs "
               "und setzt diese Fachkenntnisse im Wesentlichen sicher und zielgerichtet in der "
               "Praxis ein. "),
        Phrase("{Herr} {Name} arbeitet immer an {seinen} fachlichen Grundkenntnissen und ist "
               "stets um den Einsatz dieser Fachkenntnisse bemüht. "),
    }},
    // 2 Weiterbildung
    {{
        Phrase("{Er} nutzt stets alle gebotenen Möglichkeiten zur beruflichen Weiterbildung "
               "intensiv und sehr erfolgreich."),
        Phrase("{Er} nutzt regelmäßig unsere internen Weiterbildungsveranstaltungen und externe "
               "Seminare erfolgreich zu {seiner} beruflichen Weiterentwicklung."),
        Phrase("{Er} nutzt stets alle gebotenen Möglichkeiten zur beruflichen Weiterbildung "
               "intensiv und mit Erfolg."),
        Phrase("{Er} nutzt regelmäßig unsere internen Weiterbildungsveranstaltungen und externen "
               "Seminare zu {seiner} beruflichen Weiterentwicklung."),
        Phrase("{Er} bildet sich stets eigeninitiativ durch den Besuch interner und externer "
               "Seminare beruflich weiter und ist dabei im Großen und Ganzen erfolgreich."),
        Phrase("{Er} bemüht sich regelmäßig, unsere internen Weiterbildungsveranstaltungen und "
               "externe Seminare zu {seiner} beruflichen Weiterentwicklung zu nutzen."),
    }},
    // 3 Auffassungsgabe
    {{
        Phrase("Aufgrund {seiner} äußerst schnellen Auffassungsgabe arbeitet sich {Herr} {Name} "
               "sehr rasch in neue Aufgabengebiete ein und durchdringt auch sehr komplexe "
               "Situationen vollständig. "),
        Phrase("Dank {seiner} sehr schnellen Auffassungsgabe überblickt {Herr} {Name} auch "
               "schwierige Situationen sofort und erkennt dabei das Wesentliche. "),
        Phrase("Dank {seiner} schnellen Auffassungsgabe überblickt {Herr} {Name} auch komplexe "
               "Zusammenhänge sofort. "),
        Phrase("Dank {seiner} meist schnellen Auffassungsgabe überblickt {Herr} {Name} auch "
               "schwierigere Situationen und erkennt dabei sehr oft das Wesentliche. "),
        Phrase("Aufgrund {seiner} durchschnittlichen Auffassungsgabe arbeitet sich {Herr} {Name} "
               "mit Unterstützung {seiner} Vorgesetzten meist zügig in neue Aufgabengebiete ein "
               "und durchdringt auf diese Weise auch viele komplexere Situationen. "),
        Phrase("Dank {seiner} vorhandenen Auffassungsgabe versucht {Herr} {Name} immer, "
               "wesentliche Zusammenhänge zu erkennen. "),
    }},
    // 4 Denkfähigkeit
    {{
        Phrase("Durch {sein} ausgeprägt logisches und analytisches Denkvermögen kommt {Herr} "
               "{Name} auch in schwierigen Lagen zu einem eigenständigen, abgewogenen und stets "
               "zutreffenden Urteil."),
        Phrase("Besonders hervorzuheben ist {sein} ausgeprägtes analytisches Denken, das {Herr} "
               "{Name} auch in schwierigen Lagen zu einem eigenständigen, abgewogenen und "
               "zutreffenden Urteil befähigt."),
        Phrase("{Seine} folgerichtige Denkweise kennzeichnet {seine} sichere Urteilsfähigkeit in "
               "bekannten Zusammenhängen."),
        Phrase("In allen {ihm} vertrauten Zusammenhängen kann {er} sich auf {seine} "
               "Urteilsfähigkeit stützen."),
        Phrase(
            "{Seine} fachlichen Urteile in den wichtigsten Fragen sind in der Regel zutreffend."),
        Phrase("In allen {ihm} vertrauten Zusammenhängen bemüht {er} sich, {seine} "
               "Urteilsfähigkeit einzusetzen."),
    }},
    // 5 Leistungsbereitschaft
    {{
        Phrase("{Herr} {Name} identifiziert sich stets voll mit {seinen} Aufgaben, setzt sich, "
               "ohne zu zögern, auch deutlich über die geregelte Arbeitszeit hinaus erfolgreich "
               "für unser Unternehmen ein und übernimmt bereitwillig zusätzliche Verantwortung. "),
        Phrase("{Herr} {Name} überzeugt durch {seinen} hohen Leistungswillen und {seine} stetige "
               "Bereitschaft, auch zusätzliche Verantwortung zu übernehmen. "),
        Phrase("{Herr} {Name} identifiziert sich mit {seinen} Aufgaben, setzt sich auch über die "
               "geregelte Arbeitszeit hinaus erfolgreich für unser Unternehmen ein und übernimmt "
               "bei Bedarf auch zusätzliche Verantwortung. "),
        Phrase("{Herr} {Name} trifft bezüglich {seines} Leistungswillens und {seiner} "
               "Bereitschaft, auch zusätzliche Verantwortung zu übernehmen, unsere Erwartungen. "),
        Phrase("{Herr} {Name} zeigt im Großen und Ganzen genügend Eigeninitiative und "
               "identifiziert sich mit {seinen} Aufgaben sowie dem Unternehmen, wobei {er} auch "
               "bezüglich {seiner} Einsatzfreude unsere Erwartungen im Wesentlichen erfüllen "
               "kann. "),
        Phrase("{Herr} {Name} versucht immer, bezüglich {seines} Leistungswillens und {seiner} "
               "Bereitschaft, auch zusätzliche Verantwortung zu übernehmen, unsere Erwartungen "
               "zu erfüllen. "),
    }},
    // 6 Belastbarkeit
    {{
        Phrase("Auch unter schwierigsten Arbeitsbedingungen bewältigt {er} alle Aufgaben in "
               "hervorragender Weise."),
        Phrase("Auch starkem Arbeitsanfall ist {er} jederzeit gewachsen."),
        Phrase("Auch unter starker Belastung behält {er} die Übersicht, handelt überlegt und "
               "bewältigt alle Aufgaben in zufriedenstellender Weise."),
        Phrase("Dem üblichen Arbeitsanfall ist {er} gewachsen."),
        Phrase("{Er} zeigt sich den wesentlichen Anforderungen gewachsen."),
        Phrase("{Er} zeigt sich den wesentlichen Anforderungen größtenteils gewachsen."),
    }},
    // 7 Arbeitsweise
    {{
        Phrase(
            "Stets geht {Herr} {Name} äußerst planvoll, systematisch und ergebnisorientiert vor. "),
        Phrase("Jederzeit arbeitet {Herr} {Name} sehr umsichtig, gewissenhaft und genau. "),
        Phrase("Jederzeit geht {Herr} {Name} planvoll, systematisch und ergebnisorientiert vor. "),
        Phrase("Grundsätzlich arbeitet {Herr} {Name} umsichtig, gewissenhaft und genau. "),
        Phrase("In den meisten Fällen arbeitet {Herr} {Name} umsichtig, gewissenhaft und genau. "),
        Phrase("Im Großen und Ganzen versucht {Herr} {Name}, verantwortungsbewusst, "
               "zielorientiert und gewissenhaft vorzugehen. "),
    }},
    // 8 Arbeitsergebnis
    {{
        Phrase("Auch für schwierigste Problemstellungen findet und realisiert {Herr} {Name} sehr "
               "effektive Lösungen, und {er} kommt stets zu ausgezeichneten Arbeitsergebnissen."),
        Phrase("Auch für unvorhergesehene Probleme findet {Herr} {Name} wirksame Lösungsansätze, "
               "die {er} stets erfolgreich in die Praxis umsetzt."),
        Phrase("Auch für schwierige Problemstellungen findet und realisiert {Herr} {Name} "
               "brauchbare Lösungen, und {er} kommt stets zu zufriedenstellenden "
               "Arbeitsergebnissen."),
        Phrase("In den meisten Situationen erzielt {Herr} {Name} zufriedenstellende "
               "Arbeitsergebnisse."),
        Phrase("Für einfache Problemstellungen findet {Herr} {Name} Lösungen, die {er} oft auch "
               "in die Praxis umsetzt, wodurch {er} im Großen und Ganzen solide Resultate "
               "erzielt."),
        Phrase("Für einfache Problemstellungen sucht {Herr} {Name} Lösungen, so dass {er} im "
               "Großen und Ganzen zu brauchbaren Arbeitsergebnissen kommt."),
    }},
    // 9 Führungsfähigkeit
    {{
        Phrase("{Er} motiviert und überzeugt {seine} Mitarbeiter/innen durch einen kooperativen "
               "Führungsstil. {Herr} {Name} ist als Vorgesetzte{r} jederzeit voll anerkannt, "
               "wobei {sein} Team unsere hohen Erwartungen nicht nur erfüllt, sondern oftmals "
               "sogar übertrifft."),
        Phrase("{Er} wird von {seinen} Mitarbeitern/innen anerkannt und geschätzt, wobei {er} "
               "diese entsprechend ihren Fähigkeiten einsetzt und mit ihnen gute Ergebnisse "
               "erzielt."),
        Phrase("{Er} führt {seine} Mitarbeiter/innen zielbewusst zu überdurchschnittlichen "
               "Leistungen."),
        Phrase("{Er} ist in der Lage, {seine} Mitarbeiter/innen sachgerecht anzuleiten."),
        Phrase("{Er} ist {seinem} Team ein{e} verständnisvolle{r}, angenehme{r} und sehr "
               "entgegenkommende{r} Vorgesetzte{r}."),
        Phrase("{Er} bemüht sich stets um die Anerkennung seitens {seiner} Mitarbeiter/innen."),
    }},
    // 10 Leistungsbeurteilung
    {{
        Phrase("Wir sind mit {seinen} Leistungen stets und in jeder Hinsicht außerordentlich "
               "zufrieden."),
        Phrase("Wir sind mit {seinen} Leistungen stets voll zufrieden."),
        Phrase("{Er} bewältigt die {ihm} übertragenen Aufgaben stets zu unserer Zufriedenheit."),
        Phrase("Mit {seinen} Leistungen sind wir zufrieden."),
        Phrase("{Er} erledigt die {ihm} übertragenen Aufgaben überwiegend zu unserer "
               "Zufriedenheit."),
        Phrase("{Er} bemüht sich stets, den hohen Anforderungen gerecht zu werden."),
    }},
    // 11 Persönliche Führung
    {{
        Phrase("{Herr} {Name} ist wegen {seines} frischen, verbindlichen und kooperativen "
               "Auftretens ein{e} allseits sehr geschätzte{r} Ansprechpartner{in}."),
        Phrase("{Herr} {Name} kommt mit allen Ansprechpartnern gut zurecht und begegnet ihnen "
               "stets mit {seiner} freundlichen, offenen und zuvorkommenden Art."),
        Phrase("{Herr} {Name} ist wegen {seines} freundlichen, höflichen und hilfsbereiten "
               "Auftretens ein{e} geschätzte{r} Ansprechpartner{in}."),
        Phrase("{Herr} {Name} tritt natürlich und korrekt auf, wodurch {er} die Zusammenarbeit "
               "und Teamatmosphäre fördert."),
        Phrase("{Herr} {Name} wird wegen {seines} freundlichen und ausgeglichenen Wesens "
               "akzeptiert, wobei {er} die Zusammenarbeit und Teamatmosphäre immer aktiv zu "
               "fördern versucht."),
        Phrase("{Herr} {Name} tritt korrekt auf, und {er} bemüht sich stets, die Zusammenarbeit "
               "und Teamatmosphäre zu fördern."),
    }},
    // 12 Ausstellungsgrund: Wunsch, Vorgesetztenwechsel, Umstrukturierung
    {{
        Phrase("Dieses Zwischenzeugnis wird auf {seinen} Wunsch ausgestellt."),
        Phrase("Dieses Zwischenzeugnis wird aufgrund eines Wechsels {seines} Vorgesetzten "
               "ausgestellt."),
        Phrase("Dieses Zwischenzeugnis wird aufgrund betrieblicher Veränderungen ausgestellt."),
    }},
    // 13 Schlussformel
    {{
        Phrase("Wir danken {ihm} für {seine} bisher stets ausgezeichneten Leistungen und freuen "
               "uns auf die weitere erfolgreiche Zusammenarbeit."),
        Phrase("Wir danken {ihm} für {seine} bisher stets guten Leistungen und freuen uns auf die "
               "weitere erfolgreiche Zusammenarbeit."),
        Phrase("Wir danken {ihm} für {seine} bisherigen Leistungen und freuen uns auf die weitere "
               "Zusammenarbeit."),
        Phrase("Wir danken {ihm} für {seine} bisherige Mitarbeit und freuen uns auf die weitere "
               "Zusammenarbeit."),
        Phrase("Wir danken {ihm} für {seine} bisherige Mitarbeit."),
        Phrase("Wir wünschen {ihm} für {seine} weitere Tätigkeit alles Gute."),
    }},
}};

} // namespace velmora
