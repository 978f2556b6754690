#include "compose/phrasenbibliothek.h"

namespace velmora {

const Phrasenbibliothek endzeugnisphrasen = {{
    // 1 Fachwissen
    {{
        Phrase("{Herr} {Name} verfügt über umfassende und vielseitige Fachkenntnisse, auch in "
               "Randbereichen, und setzte sie stets sicher und zielgerichtet in der Praxis ein. "),
        Phrase("{Herr} {Name} verfügt über umfassende und vielseitige Fachkenntnisse, die {er} "
               "jederzeit sicher und zielgerichtet in der Praxis einsetzte. "),
        Phrase("{Herr} {Name} verfügt über solide Fachkenntnisse, die {er} sicher in der Praxis "
               "einsetzte. "),
        Phrase("{Herr} {Name} verfügt über ein solides Grundwissen in {seinem} Arbeitsbereich und "
               "setzte diese Fachkenntnisse auf zufriedenstellende Weise in der Praxis ein. "),
        Phrase("{Herr} {Name} verfügt über entwicklungsfähige Kenntnisse {seines} Arbeitsbereichs "
               "und setzte diese Fachkenntnisse im Wesentlichen sicher und zielgerichtet in der "
               "Praxis ein. "),
        Phrase("{Herr} {Name} arbeitete immer an {seinen} fachlichen Grundkenntnissen und war "
               "stets um den Einsatz dieser Fachkenntnisse bemüht. "),
    }},
    // 2 Weiterbildung
    {{
        Phrase("{Er} nutzte stets alle gebotenen Möglichkeiten zur beruflichen Weiterbildung "
               "intensiv und sehr erfolgreich."),
        Phrase("{Er} nutzte regelmäßig unsere internen Weiterbildungsveranstaltungen und externe "
               "Seminare erfolgreich zu {seiner} beruflichen Weiterentwicklung."),
        Phrase("{Er} nutzte stets alle gebotenen Möglichkeiten zur beruflichen Weiterbildung "
               "intensiv und mit Erfolg."),
        Phrase("{Er} nutzte regelmäßig unsere internen Weiterbildungsveranstaltungen und externen "
               "Seminare zu {seiner} beruflichen Weiterentwicklung."),
        Phrase("{Er} bildete sich stets eigeninitiativ durch den Besuch interner und externer "
               "Seminare beruflich weiter und war dabei im Großen und Ganzen erfolgreich."),
        Phrase("{Er} bemühte sich regelmäßig, unsere internen Weiterbildungsveranstaltungen und "
               "externe Seminare zu {seiner} beruflichen Weiterentwicklung zu nutzen."),
    }},
    // 3 Auffassungsgabe
    {{
        Phrase("Aufgrund {seiner} äußerst schnellen Auffassungsgabe arbeitete sich {Herr} {Name} "
               "sehr rasch in neue Aufgabengebiete ein und durchdrang auch sehr komplexe "
               "Situationen vollständig. "),
        Phrase("Dank {seiner} sehr schnellen Auffassungsgabe überblickte {Herr} {Name} auch "
               "schwierige Situationen sofort und erkannte dabei das Wesentliche. "),
        Phrase("Dank {seiner} schnellen Auffassungsgabe überblickte {Herr} {Name} auch komplexe "
               "Zusammenhänge sofort. "),
        Phrase("Dank {seiner} meist schnellen Auffassungsgabe überblickte {Herr} {Name} auch "
               "schwierigere Situationen und erkannte dabei sehr oft das Wesentliche. "),
        Phrase("Aufgrund {seiner} durchschnittlichen Auffassungsgabe arbeitete sich {Herr} {Name} "
               "mit Unterstützung {seiner} Vorgesetzten meist zügig in neue Aufgabengebiete ein "
               "und durchdrang auf diese Weise auch viele komplexere Situationen. "),
        Phrase("Dank {seiner} vorhandenen Auffassungsgabe versuchte {Herr} {Name} immer, "
               "wesentliche Zusammenhänge zu erkennen. "),
    }},
    // 4 Denkfähigkeit
    {{
        Phrase("Durch {sein} ausgeprägt logisches und analytisches Denkvermögen kam {Herr} {Name} "
               "auch in schwierigen Lagen zu einem eigenständigen, abgewogenen und stets "
               "zutreffenden Urteil."),
        Phrase("Besonders hervorzuheben ist {sein} ausgeprägtes analytisches Denken, das {Herr} "
               "{Name} auch in schwierigen Lagen zu einem eigenständigen, abgewogenen und "
               "zutreffenden Urteil befähigte."),
        Phrase("{Seine} folgerichtige Denkweise kennzeichnete {seine} sichere Urteilsfähigkeit in "
               "bekannten Zusammenhängen."),
        Phrase("In allen {ihm} vertrauten Zusammenhängen konnte {er} sich auf {seine} "
               "Urteilsfähigkeit stützen."),
        Phrase(
            "{Seine} fachlichen Urteile in den wichtigsten Fragen waren in der Regel zutreffend."),
        Phrase("In allen {ihm} vertrauten Zusammenhängen bemühte {er} sich, {seine} "
               "Urteilsfähigkeit einzusetzen."),
    }},
    // 5 Leistungsbereitschaft
    {{
        Phrase(
            "{Herr} {Name} identifizierte sich stets voll mit {seinen} Aufgaben, setzte sich, "
            "ohne zu zögern, auch deutlich über die geregelte Arbeitszeit hinaus erfolgreich für "
            "unser Unternehmen ein und übernahm bereitwillig zusätzliche Verantwortung. "),
        Phrase("{Herr} {Name} überzeugte durch {seinen} hohen Leistungswillen und {seine} stetige "
               "Bereitschaft, auch zusätzliche Verantwortung zu übernehmen. "),
        Phrase("{Herr} {Name} identifizierte sich mit {seinen} Aufgaben, setzte sich auch über die "
               "geregelte Arbeitszeit hinaus erfolgreich für unser Unternehmen ein und übernahm "
               "bei Bedarf auch zusätzliche Verantwortung. "),
        Phrase("{Herr} {Name} traf bezüglich {seines} Leistungswillens und {seiner} Bereitschaft, "
               "auch zusätzliche Verantwortung zu übernehmen, unsere Erwartungen. "),
        Phrase(
            "{Herr} {Name} zeigte im Großen und Ganzen genügend Eigeninitiative und identifizierte "
            "sich mit {seinen} Aufgaben sowie dem Unternehmen, wobei {er} auch bezüglich {seiner} "
            "Einsatzfreude unsere Erwartungen im Wesentlichen erfüllen konnte. "),
        Phrase("{Herr} {Name} versuchte immer, bezüglich {seines} Leistungswillens und {seiner} "
               "Bereitschaft, auch zusätzliche Verantwortung zu übernehmen, unsere Erwartungen "
               "zu erfüllen. "),
    }},
    // 6 Belastbarkeit
    {{
        Phrase("Auch unter schwierigsten Arbeitsbedingungen bewältigte {er} alle Aufgaben in "
               "hervorragender Weise."),
        Phrase("Auch starkem Arbeitsanfall war {er} jederzeit gewachsen."),
        Phrase("Auch unter starker Belastung behielt {er} die Übersicht, handelte überlegt und "
               "bewältigte alle Aufgaben in zufriedenstellender Weise."),
        Phrase("Dem üblichen Arbeitsanfall war {er} gewachsen."),
        Phrase("{Er} zeigte sich den wesentlichen Anforderungen gewachsen."),
        Phrase("{Er} zeigte sich den wesentlichen Anforderungen größtenteils gewachsen."),
    }},
    // 7 Arbeitsweise
    {{
        Phrase(
            "Stets ging {Herr} {Name} äußerst planvoll, systematisch und ergebnisorientiert vor. "),
        Phrase("Jederzeit arbeitete {Herr} {Name} sehr umsichtig, gewissenhaft und genau. "),
        Phrase("Jederzeit ging {Herr} {Name} planvoll, systematisch und ergebnisorientiert vor. "),
        Phrase("Grundsätzlich arbeitete {Herr} {Name} umsichtig, gewissenhaft und genau. "),
        Phrase("In den meisten Fällen arbeitete {Herr} {Name} umsichtig, gewissenhaft und genau. "),
        Phrase("Im Großen und Ganzen versuchte {Herr} {Name} verantwortungsbewusst, zielorientiert "
               "und gewissenhaft vorzugehen. "),
    }},
    // 8 Arbeitsergebnis
    {{
        Phrase("Auch für schwierigste Problemstellungen fand und realisierte {Herr} {Name} sehr "
               "effektive Lösungen, und {er} kam stets zu ausgezeichneten Arbeitsergebnissen."),
        Phrase("Auch für unvorhergesehene Probleme fand {Herr} {Name} wirksame Lösungsansätze, die "
               "{er} stets erfolgreich in die Praxis umsetzte."),
        Phrase(
            "Auch für schwierige Problemstellungen fand und realisierte {Herr} {Name} brauchbare "
            "Lösungen, und {er} kam stets zu zufriedenstellenden Arbeitsergebnissen."),
        Phrase("In den meisten Situationen erzielte {Herr} {Name} zufriedenstellende "
               "Arbeitsergebnisse."),
        Phrase("Für einfache Problemstellungen fand {Herr} {Name} Lösungen, die {er} oft auch in "
               "die Praxis umsetzte, wodurch {er} im Großen und Ganzen solide Resultate erzielte."),
        Phrase("Für einfache Problemstellungen suchte {Herr} {Name} Lösungen, so dass {er} im "
               "Großen und Ganzen zu brauchbaren Arbeitsergebnissen kam."),
    }},
    // 9 Führungsfähigkeit
    {{
        Phrase("{Er} motivierte und überzeugte {seine} Mitarbeiter/innen durch einen kooperativen "
               "Führungsstil. {Herr} {Name} war als Vorgesetzte{r} jederzeit voll anerkannt, wobei "
               "{sein} "
               "Team unsere hohen Erwartungen nicht nur erfüllte, sondern oftmals sogar übertraf."),
        Phrase(
            "{Er} wurde von {seinen} Mitarbeitern/innen anerkannt und geschätzt, wobei {er} diese "
            "entsprechend ihren Fähigkeiten einsetzte und mit ihnen gute Ergebnisse erzielte."),
        Phrase("{Er} führte {seine} Mitarbeiter/innen zielbewusst zu überdurchschnittlichen "
               "Leistungen."),
        Phrase("{Er} war in der Lage, {seine} Mitarbeiter/innen sachgerecht anzuleiten."),
        Phrase("{Er} war {seinem} Team ein{e} verständnisvolle{r}, angenehme{r} und sehr "
               "entgegenkommende{r} Vorgesetzte{r}."),
        Phrase("{Er} bemühte sich stets um die Anerkennung seitens {seiner} Mitarbeiter/innen."),
    }},
    // 10 Leistungsbeurteilung
    {{
        Phrase("Wir waren mit {seinen} Leistungen stets und in jeder Hinsicht außerordentlich "
               "zufrieden."),
        Phrase("Wir waren mit {seinen} Leistungen stets voll zufrieden."),
        Phrase(
            "{Er} hat die {ihm} übertragenen Aufgaben stets zu unserer Zufriedenheit bewältigt."),
        Phrase("Mit {seinen} Leistungen waren wir zufrieden."),
        Phrase("{Er} hat die {ihm} übertragenen Aufgaben überwiegend zu unserer Zufriedenheit "
               "erledigt."),
        Phrase("{Er} hat sich stets bemüht, den hohen Anforderungen gerecht zu werden."),
    }},
    // 11 Persönliche Führung
    {{
        Phrase("{Herr} {Name} war wegen {seines} frischen, verbindlichen und kooperativen "
               "Auftretens ein{e} allseits sehr geschätzte{r} Ansprechpartner{in}."),
        Phrase("{Herr} {Name} kam mit allen Ansprechpartnern gut zurecht und begegnete ihnen stets "
               "mit {seiner} freundlichen, offenen und zuvorkommenden Art."),
        Phrase("{Herr} {Name} war wegen {seines} freundlichen, höflichen und hilfsbereiten "
               "Auftretens ein{e} geschätzte{r} Ansprechpartner{in}."),
        Phrase("{Herr} {Name} trat natürlich und korrekt auf, wodurch {er} die Zusammenarbeit und "
               "Teamatmosphäre förderte."),
        Phrase(
            "{Herr} {Name} wurde wegen {seines} freundlichen und ausgeglichenen Wesens akzeptiert, "
            "wobei {er} die Zusammenarbeit und Teamatmosphäre immer aktiv zu fördern versuchte."),
        Phrase("{Herr} {Name} trat korrekt auf, und {er} bemühte sich stets, die Zusammenarbeit "
               "und Teamatmosphäre zu fördern."),
    }},
    // 12 Beendigungsgrund: Arbeitnehmer, Arbeitgeber, Aufhebungsvertrag
    {{
        Phrase("{Herr} {Name} verlässt unser Unternehmen mit dem heutigen Tage auf eigenen Wunsch, "
               "um eine neue Herausforderung anzunehmen."),
        Phrase("Das Arbeitsverhältnis mit {Herrn} {Name} endet aus betriebsbedingten Gründen."),
        Phrase("Das Arbeitsverhältnis mit {Herrn} {Name} endet im besten beiderseitigen "
               "Einvernehmen per Aufhebungsvertrag."),
    }},
    // 13 Schlussformel: it follows sections 9 and 12 (schlussformel.cpp)
    {},
}};

} // namespace velmora
